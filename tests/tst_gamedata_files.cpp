// The player's three files byte for byte: defaults, round trips, and saves that fail.
#include "alertrecorder.h"
#include "gamedata.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// "game.dat" as first created.
const QByteArray defaultSettingsBytes = "1\n1\n1\n1\n128\ntavni_en.qm\n";

// "profiles.dat" as first created: no profiles, none selected.
const QByteArray defaultProfilesBytes = QByteArray::fromHex("00000000 ffffffff");

// "data.dat" as first created: "user" with 10000 to 100000 s, then "user" with 10 to 100.
const QByteArray defaultResultsBytes = QByteArray::fromHex(
    "00000008 0075007300650072 00002710"
    "00000008 0075007300650072 00004e20"
    "00000008 0075007300650072 00007530"
    "00000008 0075007300650072 00009c40"
    "00000008 0075007300650072 0000c350"
    "00000008 0075007300650072 0000ea60"
    "00000008 0075007300650072 00011170"
    "00000008 0075007300650072 00013880"
    "00000008 0075007300650072 00015f90"
    "00000008 0075007300650072 000186a0"
    "00000008 0075007300650072 0000000a"
    "00000008 0075007300650072 00000014"
    "00000008 0075007300650072 0000001e"
    "00000008 0075007300650072 00000028"
    "00000008 0075007300650072 00000032"
    "00000008 0075007300650072 0000003c"
    "00000008 0075007300650072 00000046"
    "00000008 0075007300650072 00000050"
    "00000008 0075007300650072 0000005a"
    "00000008 0075007300650072 00000064");

// Two profiles, the second selected: "Zoë" at stage 17 of level 3, and a new one without name.
const QByteArray twoProfilesBytes = QByteArray::fromHex(
    "00000002 00000001"
    "00000006 005a006f00eb 00000003 00000011 00000000"
    "00000000 00000001 00000001 00000000");

// A null name in a finished series, "Ann" at the last stage, and a name beyond 16 bits (U+1D11E).
const QByteArray unusualProfilesBytes = QByteArray::fromHex(
    "00000003 00000002"
    "ffffffff 00000006 00000001 7fffffff"
    "00000006 0041006e006e 00000005 0000001a ffffffff"
    "00000004 d834dd1e 00000002 0000002d 00000000");

// Classic places with "Zoë", a null and an empty name, equal times; an unsorted puzzle list.
const QByteArray unusualResultsBytes = QByteArray::fromHex(
    "00000006 005a006f00eb 00000005"
    "ffffffff 00000011"
    "00000000 00000011"
    "00000006 0041006e006e 00000258"
    "00000008 0075007300650072 00007530"
    "00000008 0075007300650072 00009c40"
    "00000008 0075007300650072 0000c350"
    "00000008 0075007300650072 0000ea60"
    "00000008 0075007300650072 00011170"
    "00000008 0075007300650072 00013880"
    "00000006 0041006e006e fffffff9"
    "00000008 0075007300650072 00000014"
    "00000008 0075007300650072 00000050"
    "00000008 0075007300650072 00000028"
    "00000008 0075007300650072 00000032"
    "00000008 0075007300650072 0000003c"
    "00000008 0075007300650072 00000046"
    "00000008 0075007300650072 0000001e"
    "00000008 0075007300650072 0000005a"
    "00000008 0075007300650072 00000064");

const QStringList playerFiles = {"game.dat", "profiles.dat", "data.dat"};

// Makes a fresh, empty directory the working directory for one test.
class WorkDir
{
public:
    WorkDir() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~WorkDir() { QDir::setCurrent(previous); }

private:
    QTemporaryDir dir;
    QString previous;
};

// Lowers the largest file this process may write, as a full disk would stop a save part-way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit lowered = previous;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous;
    void (*previousHandler)(int);
};

QByteArray readBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void loadAll(GameData &data)
{
    data.LoadSettings();
    data.LoadProfiles();
    data.LoadBestResults();
}

void saveAll(GameData &data)
{
    data.SaveSettings();
    data.SaveProfiles();
    data.SaveBestResults();
}

void save(GameData &data, const QString &file)
{
    if (file == "game.dat")
        data.SaveSettings();
    else if (file == "profiles.dat")
        data.SaveProfiles();
    else
        data.SaveBestResults();
}

void addFailedSaveRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("oldBytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("game.dat") << "game.dat" << defaultSettingsBytes << "Error write settings .";
    QTest::newRow("profiles.dat") << "profiles.dat" << twoProfilesBytes << "Error write profiles .";
    QTest::newRow("data.dat") << "data.dat" << defaultResultsBytes << "Error write results .";
}

void verifyOneAlert(const AlertRecorder &alerts, const QString &message)
{
    QCOMPARE(alerts.alerts().size(), 1);
    QCOMPARE(alerts.alerts().first().title, QStringLiteral("Tavni"));
    QCOMPARE(alerts.alerts().first().text, message);
}

} // namespace

class GameDataFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyDirectoryGetsDefaultFiles();
    void savesSettingsOnSixLines();
    void writesAddedProfiles();
    void readsProfileFields();
    void unchangedFilesSaveByteIdentical_data();
    void unchangedFilesSaveByteIdentical();
    void longResultsFileIsCutToTwentyRecords();
    void saveOverDirectoryIsReported_data();
    void saveOverDirectoryIsReported();
    void saveCutShortKeepsOldFile_data();
    void saveCutShortKeepsOldFile();
    void settingsFileInMissingFolderIsReported();
};

void GameDataFilesTest::emptyDirectoryGetsDefaultFiles()
{
    WorkDir dir;
    AlertRecorder alerts;
    QCOMPARE(ReadLanguageFile(), QString());
    QVERIFY(LanguageFile.isEmpty());

    GameData data("game.dat");
    loadAll(data);

    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(readBytes("game.dat"), defaultSettingsBytes);
    QCOMPARE(readBytes("profiles.dat"), defaultProfilesBytes);
    QCOMPARE(readBytes("data.dat"), defaultResultsBytes);
    QCOMPARE(LanguageFile, QStringLiteral("tavni_en.qm"));
    QCOMPARE(DrawGrid, 1);
    QCOMPARE(data.gameLevel, 1);
    QCOMPARE(GameLevel, 1);
    QCOMPARE(SoundOn, 1);
    QCOMPARE(MusicOn, 1);
    QCOMPARE(MasterVolume, 128);
    QCOMPARE(data.profileCount, 0);
    QVERIFY(data.profiles.empty());
    QCOMPARE(CurrentProfile, -1);
    QCOMPARE(data.classicTop.size(), 10);
    QCOMPARE(data.puzzleTop.size(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(data.classicTop[i].name, QStringLiteral("user"));
        QCOMPARE(data.classicTop[i].time, 10000 * (i + 1));
        QCOMPARE(data.puzzleTop[i].name, QStringLiteral("user"));
        QCOMPARE(data.puzzleTop[i].score, 10 * (i + 1));
    }
}

void GameDataFilesTest::savesSettingsOnSixLines()
{
    WorkDir dir;
    AlertRecorder alerts;
    GameData data("game.dat");
    DrawGrid = 0;
    data.gameLevel = 4;
    SoundOn = 0;
    MusicOn = 1;
    MasterVolume = 200;
    LanguageFile = "tavni_de.qm";
    data.SaveSettings();

    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(GameLevel, 4);
    QCOMPARE(readBytes("game.dat"), QByteArray("0\n4\n0\n1\n200\ntavni_de.qm\n"));
}

void GameDataFilesTest::writesAddedProfiles()
{
    WorkDir dir;
    AlertRecorder alerts;
    GameData data("game.dat");
    data.AddProfile(QStringLiteral("Zo\u00eb"));
    data.AddProfile(QStringLiteral(""));
    QVERIFY(data.SelectProfile(0));
    data.RecordProgress(3, 17);
    QVERIFY(data.SelectProfile(1));
    data.SaveProfiles();
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(readBytes("profiles.dat"), twoProfilesBytes);
}

void GameDataFilesTest::readsProfileFields()
{
    WorkDir dir;
    writeBytes("profiles.dat", twoProfilesBytes);
    GameData data("game.dat");
    data.LoadProfiles();

    QCOMPARE(data.profileCount, 2);
    QCOMPARE(data.profiles.size(), size_t(2));
    QCOMPARE(CurrentProfile, 1);
    QCOMPARE(data.profiles[0].name, QStringLiteral("Zo\u00eb"));
    QCOMPARE(data.profiles[0].level, 3);
    QCOMPARE(data.profiles[0].sublevel, 17);
    QCOMPARE(data.profiles[0].reserved, 0);
    QVERIFY(data.profiles[1].name.isEmpty());
    QVERIFY(!data.profiles[1].name.isNull());
    QCOMPARE(data.profiles[1].level, 1);
    QCOMPARE(data.profiles[1].sublevel, 1);
}

void GameDataFilesTest::unchangedFilesSaveByteIdentical_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("default game.dat") << "game.dat" << defaultSettingsBytes;
    QTest::newRow("other settings") << "game.dat" << QByteArray("0\n5\n0\n1\n255\ntavni_de.qm\n");
    QTest::newRow("default profiles.dat") << "profiles.dat" << defaultProfilesBytes;
    QTest::newRow("two profiles") << "profiles.dat" << twoProfilesBytes;
    QTest::newRow("unusual profiles") << "profiles.dat" << unusualProfilesBytes;
    QTest::newRow("default data.dat") << "data.dat" << defaultResultsBytes;
    QTest::newRow("unusual results") << "data.dat" << unusualResultsBytes;
}

void GameDataFilesTest::unchangedFilesSaveByteIdentical()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    WorkDir dir;
    AlertRecorder alerts;
    writeBytes(file, bytes);
    GameData data("game.dat");
    loadAll(data);
    QMap<QString, QByteArray> loaded;
    for (const QString &name : playerFiles)
        loaded[name] = readBytes(name);

    saveAll(data);

    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(loaded[file], bytes);
    for (const QString &name : playerFiles)
        QCOMPARE(readBytes(name), loaded[name]);
}

void GameDataFilesTest::longResultsFileIsCutToTwentyRecords()
{
    WorkDir dir;
    AlertRecorder alerts;
    writeBytes("data.dat", defaultResultsBytes + QByteArray::fromHex("00000002 00410000000001 ff"));
    GameData data("game.dat");
    data.LoadBestResults();
    data.SaveBestResults();
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(readBytes("data.dat"), defaultResultsBytes);
}

void GameDataFilesTest::saveOverDirectoryIsReported_data()
{
    addFailedSaveRows();
}

void GameDataFilesTest::saveOverDirectoryIsReported()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    WorkDir dir;
    QVERIFY(QDir().mkdir(file));
    writeBytes(file + "/kept", "kept");
    AlertRecorder alerts;
    GameData data("game.dat");
    save(data, file);

    verifyOneAlert(alerts, message);
    QVERIFY(QFileInfo(file).isDir());
    QCOMPARE(QDir(file).entryList(QDir::Files), QStringList{"kept"});
    QCOMPARE(readBytes(file + "/kept"), QByteArray("kept"));
}

void GameDataFilesTest::saveCutShortKeepsOldFile_data()
{
    addFailedSaveRows();
}

void GameDataFilesTest::saveCutShortKeepsOldFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, oldBytes);
    QFETCH(QString, message);
    WorkDir dir;
    writeBytes(file, oldBytes);
    GameData data("game.dat");
    loadAll(data);
    const QStringList filesBefore = QDir().entryList(QDir::Files);
    data.gameLevel = 5;
    data.AddProfile(QStringLiteral("Someone"));
    data.AddClassicResult(5);

    AlertRecorder alerts;
    {
        FileSizeLimit limit(16);
        save(data, file);
    }
    verifyOneAlert(alerts, message);
    QCOMPARE(readBytes(file), oldBytes);
    QCOMPARE(QDir().entryList(QDir::Files), filesBefore);

    alerts.clear();
    save(data, file);
    QVERIFY(alerts.alerts().isEmpty());
    QVERIFY(readBytes(file) != oldBytes);
}

void GameDataFilesTest::settingsFileInMissingFolderIsReported()
{
    WorkDir dir;
    writeBytes("folder", "a file, not a folder");
    AlertRecorder alerts;
    GameData data("folder/game.dat");
    data.LoadSettings();
    data.SaveSettings();
    verifyOneAlert(alerts, "Error write settings .");
    QCOMPARE(readBytes("folder"), QByteArray("a file, not a folder"));
}

QTEST_GUILESS_MAIN(GameDataFilesTest)
#include "tst_gamedata_files.moc"
