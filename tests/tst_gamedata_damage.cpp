// Damaged and hand-edited player files: values out of range, counts and lengths that lie,
// files cut short or unreadable. Every load must end in a state the game can use.
#include "gamedata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

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

// The file encodings, written independently of the code under test.
QByteArray int32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray text(const QString &string)
{
    QByteArray bytes = int32(qint32(string.size() * 2));
    for (QChar c : string) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    return bytes;
}

QByteArray profile(const QString &name, int level, int sublevel)
{
    return text(name) + int32(level) + int32(sublevel) + int32(0);
}

QByteArray result(const QString &name, int number)
{
    return text(name) + int32(number);
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList describe(const QList<BestResult> &list, int BestResult::*number)
{
    QStringList places;
    for (const BestResult &entry : list)
        places.append(entry.name + ' ' + QString::number(entry.*number));
    return places;
}

} // namespace

class GameDataDamageTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsAreBroughtIntoRange_data();
    void settingsAreBroughtIntoRange();
    void languageFileComesFromSettingsFile_data();
    void languageFileComesFromSettingsFile();
    void positionsNameAStage_data();
    void positionsNameAStage();
    void currentIndexNamesAProfile_data();
    void currentIndexNamesAProfile();
    void onlyWholeProfilesAreLoaded_data();
    void onlyWholeProfilesAreLoaded();
    void shortResultsFileGivesTenPlaces_data();
    void shortResultsFileGivesTenPlaces();
    void unreadableResultsFileGivesDefaultLists();
};

void GameDataDamageTest::settingsAreBroughtIntoRange_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("expected"); // grid, level, sound, music, volume
    QTest::addColumn<QString>("language");
    QTest::newRow("in range") << QByteArray("0\n3\n1\n0\n77\nx.qm\n") << QList<int>{0, 3, 1, 0, 77}
                              << "x.qm";
    QTest::newRow("too large") << QByteArray("7\n9\n2\n3\n999\nx.qm\n")
                               << QList<int>{1, 5, 1, 1, 255} << "x.qm";
    QTest::newRow("zero") << QByteArray("0\n0\n0\n0\n0\nx.qm\n") << QList<int>{0, 1, 0, 0, 1}
                          << "x.qm";
    QTest::newRow("negative") << QByteArray("-4\n-2000000000\n-1\n0\n-5\nx.qm\n")
                              << QList<int>{1, 1, 1, 0, 1} << "x.qm";
    QTest::newRow("beyond 32 bits") << QByteArray("1\n4294967297\n1\n1\n4294967297\nx.qm\n")
                                    << QList<int>{1, 5, 1, 1, 255} << "x.qm";
    QTest::newRow("cut after two lines") << QByteArray("1\n4\n") << QList<int>{1, 4, 0, 0, 1}
                                         << "";
}

void GameDataDamageTest::settingsAreBroughtIntoRange()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, expected);
    QFETCH(QString, language);
    WorkDir dir;
    writeBytes("game.dat", text);
    GameData data("game.dat");
    data.LoadSettings();
    QCOMPARE((QList<int>{DrawGrid, data.gameLevel, SoundOn, MusicOn, MasterVolume}), expected);
    QCOMPARE(GameLevel, data.gameLevel);
    QCOMPARE(LanguageFile, language);
}

void GameDataDamageTest::languageFileComesFromSettingsFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << QByteArray("1\n1\n1\n1\n128\ntavni_en.qm\n") << "tavni_en.qm";
    QTest::newRow("other language") << QByteArray("0\n5\n0\n0\n9\ntavni_de.qm\n") << "tavni_de.qm";
    QTest::newRow("CR LF") << QByteArray("1\r\n1\r\n1\r\n1\r\n128\r\ntavni_de.qm\r\n")
                           << "tavni_de.qm";
    QTest::newRow("name with a blank") << QByteArray("1\n1\n1\n1\n128\nmy lang.qm\n") << "my";
    QTest::newRow("five lines") << QByteArray("1\n1\n1\n1\n128\n") << "";
}

void GameDataDamageTest::languageFileComesFromSettingsFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    WorkDir dir;
    writeBytes("game.dat", text);
    QCOMPARE(ReadLanguageFile(), expected);
    QCOMPARE(LanguageFile, expected);
}

void GameDataDamageTest::positionsNameAStage_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("sublevel");
    QTest::addColumn<QString>("expected");
    const int lastStage[] = {74, 45, 35, 24, 26};
    for (int level = 1; level <= 5; ++level) {
        const int last = lastStage[level - 1];
        QTest::addRow("last stage of %d", level)
            << level << last << QString("%1-%2").arg(level).arg(last);
        QTest::addRow("past the last stage of %d", level) << level << last + 1 << "1-1";
        QTest::addRow("stage 0 of %d", level) << level << 0 << "1-1";
    }
    QTest::newRow("first stage") << 1 << 1 << "1-1";
    QTest::newRow("series finished") << 6 << 1 << "6-1";
    QTest::newRow("series finished, any stage") << 6 << 40 << "6-1";
    QTest::newRow("level 0") << 0 << 1 << "1-1";
    QTest::newRow("level 7") << 7 << 1 << "1-1";
    QTest::newRow("negative") << -1 << -1 << "1-1";
    QTest::newRow("largest") << 0x7fffffff << 0x7fffffff << "1-1";
}

void GameDataDamageTest::positionsNameAStage()
{
    QFETCH(int, level);
    QFETCH(int, sublevel);
    QFETCH(QString, expected);
    WorkDir dir;
    writeBytes("profiles.dat", int32(1) + int32(0) + profile("P", level, sublevel));
    GameData data("game.dat");
    data.LoadProfiles();
    QCOMPARE(data.profileCount, 1);
    const Profile &loaded = data.profiles.front();
    QCOMPARE(QString("%1-%2").arg(loaded.level).arg(loaded.sublevel), expected);
}

void GameDataDamageTest::currentIndexNamesAProfile_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 1 << 1;
    QTest::newRow("none") << -1 << -1;
    QTest::newRow("one past the end") << 2 << -1;
    QTest::newRow("-2") << -2 << -1;
    QTest::newRow("largest") << 0x7fffffff << -1;
}

void GameDataDamageTest::currentIndexNamesAProfile()
{
    QFETCH(int, stored);
    QFETCH(int, expected);
    WorkDir dir;
    writeBytes("profiles.dat", int32(2) + int32(stored) + profile("A", 1, 1) + profile("B", 2, 2));
    GameData data("game.dat");
    data.LoadProfiles();
    QCOMPARE(data.profileCount, 2);
    QCOMPARE(CurrentProfile, expected);
}

void GameDataDamageTest::onlyWholeProfilesAreLoaded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("current");
    const QByteArray a = profile("A", 1, 1);
    const QByteArray b = profile("B", 2, 3);
    QTest::newRow("empty file") << QByteArray() << QStringList() << -1;
    QTest::newRow("count only") << int32(1) << QStringList() << -1;
    QTest::newRow("negative count") << int32(-1) + int32(0) + a << QStringList() << -1;
    QTest::newRow("count above the records") << int32(1000) + int32(1) + a + b
                                             << QStringList{"A", "B"} << 1;
    QTest::newRow("largest count") << int32(0x7fffffff) + int32(0) + a << QStringList{"A"} << 0;
    QTest::newRow("count below the records") << int32(1) + int32(0) + a + b << QStringList{"A"}
                                             << 0;
    QTest::newRow("name runs past the end")
        << int32(2) + int32(0) + a + int32(0x7ffffff0) + QByteArray("\0B", 2) << QStringList{"A"}
        << 0;
    QTest::newRow("odd name length") << int32(1) + int32(0) + int32(3) + QByteArray(15, 'x')
                                     << QStringList() << -1;
    QTest::newRow("record cut in its numbers") << int32(2) + int32(1) + a + text("B") + int32(2)
                                               << QStringList{"A"} << -1;
}

void GameDataDamageTest::onlyWholeProfilesAreLoaded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(int, current);
    WorkDir dir;
    writeBytes("profiles.dat", bytes);
    GameData data("game.dat");
    data.LoadProfiles();
    QStringList loaded;
    for (const Profile &profile : data.profiles)
        loaded.append(profile.name);
    QCOMPARE(loaded, names);
    QCOMPARE(data.profileCount, int(names.size()));
    QCOMPARE(CurrentProfile, current);
}

void GameDataDamageTest::shortResultsFileGivesTenPlaces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("classic");
    const QStringList empty(10, " 0");
    QTest::newRow("empty file") << QByteArray() << empty;
    QTest::newRow("three records") << result("A", 1) + result("B", 2) + result("C", 3)
                                   << QStringList{"A 1", "B 2", "C 3"} + empty.mid(3);
    QTest::newRow("number cut short") << result("A", 1) + text("B") + QByteArray(2, '\0')
                                      << QStringList{"A 1", "B 0"} + empty.mid(2);
    QTest::newRow("name runs past the end") << result("A", 1) + int32(1000) + QByteArray("\0x", 2)
                                            << QStringList{"A 1"} + empty.mid(1);
}

void GameDataDamageTest::shortResultsFileGivesTenPlaces()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, classic);
    WorkDir dir;
    writeBytes("data.dat", bytes);
    GameData data("game.dat");
    data.LoadBestResults();
    QCOMPARE(describe(data.classicTop, &BestResult::time), classic);
    QCOMPARE(describe(data.puzzleTop, &BestResult::score), QStringList(10, " 0"));
}

void GameDataDamageTest::unreadableResultsFileGivesDefaultLists()
{
    WorkDir dir;
    QVERIFY(QDir().mkdir("data.dat"));
    GameData data("game.dat");
    data.LoadBestResults();
    QStringList classic, puzzle;
    for (int place = 1; place <= 10; ++place) {
        classic.append("user " + QString::number(10000 * place));
        puzzle.append("user " + QString::number(10 * place));
    }
    QCOMPARE(describe(data.classicTop, &BestResult::time), classic);
    QCOMPARE(describe(data.puzzleTop, &BestResult::score), puzzle);
}

QTEST_GUILESS_MAIN(GameDataDamageTest)
#include "tst_gamedata_damage.moc"
