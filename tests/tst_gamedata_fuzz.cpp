// Bulk checks of loading: every truncation and a few thousand seeded random mutations of
// each player file must load into a state the game can use, and save back as loaded.
#include "alertrecorder.h"
#include "gamedata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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

// The three files as first created, and files with more varied content.
QByteArray defaultResults()
{
    QByteArray bytes;
    for (int place = 1; place <= 10; ++place)
        bytes += result("user", 10000 * place);
    for (int place = 1; place <= 10; ++place)
        bytes += result("user", 10 * place);
    return bytes;
}

QByteArray variedResults()
{
    QByteArray bytes;
    for (int place = 1; place <= 10; ++place)
        bytes += result(place % 2 ? "Ann" : "Bob", 60 * place);
    for (int place = 1; place <= 10; ++place)
        bytes += result(place % 3 ? "user" : "", 5 * place);
    return bytes;
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void loadAll(GameData &data)
{
    data.LoadSettings();
    data.LoadProfiles();
    data.LoadBestResults();
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

// A stage of the series: 74, 45, 35, 24 and 26 stages in levels 1 to 5; 6-1 when finished.
bool inSeries(const Profile &profile)
{
    static const int stages[] = {74, 45, 35, 24, 26};
    if (profile.level == 6)
        return profile.sublevel == 1;
    return profile.level >= 1 && profile.level <= 5 && profile.sublevel >= 1
           && profile.sublevel <= stages[profile.level - 1];
}

qint64 nameBytes(const QList<BestResult> &list)
{
    qint64 bytes = 0;
    for (const BestResult &entry : list)
        bytes += 2 * entry.name.size();
    return bytes;
}

// What any load must leave, whatever the files held; empty when all of it holds.
QString brokenPromise(const GameData &data)
{
    for (int value : {DrawGrid, SoundOn, MusicOn}) {
        if (value != 0 && value != 1)
            return "a switch is neither 0 nor 1";
    }
    if (data.gameLevel < 1 || data.gameLevel > 5 || GameLevel != data.gameLevel)
        return "game level";
    if (MasterVolume < 1 || MasterVolume > 255)
        return "volume";
    const qint64 profilesSize = QFileInfo("profiles.dat").size();
    // The smallest record is an empty name's length and three numbers.
    if (data.profileCount != int(data.profiles.size())
        || data.profileCount > std::max<qint64>(0, (profilesSize - 8) / 16))
        return "profile count";
    if (CurrentProfile < -1 || CurrentProfile >= data.profileCount)
        return "current profile";
    qint64 profileNameBytes = 0;
    for (const Profile &profile : data.profiles) {
        if (!inSeries(profile))
            return "position outside the series";
        profileNameBytes += 2 * profile.name.size();
    }
    if (profileNameBytes > profilesSize)
        return "profile names longer than their file";
    if (data.classicTop.size() != 10 || data.puzzleTop.size() != 10)
        return "best-results places";
    if (nameBytes(data.classicTop) + nameBytes(data.puzzleTop) > QFileInfo("data.dat").size())
        return "best-results names longer than their file";
    return QString();
}

QByteArray mutated(QByteArray bytes, QRandomGenerator &random)
{
    static const qint32 extremes[] = {0, -1, 7, 0x7fffffff, qint32(0x80000000), -2, 0x10000};
    for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
        const int at = random.bounded(int(bytes.size()) + 1);
        switch (random.bounded(5)) {
        case 0:
            bytes.insert(at, char(random.bounded(256)));
            break;
        case 1:
            bytes.remove(at, 1 + random.bounded(6));
            break;
        case 2:
            bytes.insert(at, int32(extremes[random.bounded(7)]));
            bytes.remove(at + 4, 4);
            break;
        case 3:
            bytes.insert(at, QByteArray::number(qint64(random.generate64())));
            break;
        default:
            if (at < bytes.size())
                bytes[at] = char(bytes[at] ^ (1 << random.bounded(8)));
        }
    }
    return bytes;
}

// Every save waits for the disk, so only some of the damaged files are saved again.
constexpr int resaveEvery = 40;

// Loads whatever is in the working directory and, when asked, checks that saving what was
// loaded and loading that again gives the same file: what is read is written back as read.
void verifySafeLoad(const QString &file, const QByteArray &bytes, bool checkResave)
{
    writeBytes(file, bytes);
    GameData data("game.dat");
    loadAll(data);
    const QString problem = brokenPromise(data);
    QVERIFY2(problem.isEmpty(), qPrintable(problem + " after " + bytes.toHex(' ')));
    if (!checkResave)
        return;
    save(data, file);
    const QByteArray saved = readBytes(file);
    GameData again("game.dat");
    loadAll(again);
    save(again, file);
    QVERIFY2(readBytes(file) == saved, qPrintable("resave differs after " + bytes.toHex(' ')));
}

void addSeedRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("seed");
    QTest::newRow("default game.dat") << "game.dat" << QByteArray("1\n1\n1\n1\n128\ntavni_en.qm\n");
    QTest::newRow("other game.dat") << "game.dat" << QByteArray("0\n3\n0\n1\n77\ntavni_de.qm\n");
    QTest::newRow("default profiles.dat") << "profiles.dat" << int32(0) + int32(-1);
    QTest::newRow("two profiles")
        << "profiles.dat"
        << int32(2) + int32(1) + profile(QStringLiteral("Zo\u00eb"), 3, 17) + profile("", 1, 1);
    QTest::newRow("three profiles")
        << "profiles.dat"
        << int32(3) + int32(2) + profile("Ann", 5, 26) + profile("", 6, 1) + profile("Bob", 2, 45);
    QTest::newRow("default data.dat") << "data.dat" << defaultResults();
    QTest::newRow("varied data.dat") << "data.dat" << variedResults();
}

} // namespace

class GameDataFuzzTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTruncationLoadsSafely_data();
    void everyTruncationLoadsSafely();
    void randomMutationsLoadSafely_data();
    void randomMutationsLoadSafely();
};

void GameDataFuzzTest::everyTruncationLoadsSafely_data()
{
    addSeedRows();
}

void GameDataFuzzTest::everyTruncationLoadsSafely()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, seed);
    WorkDir dir;
    AlertRecorder alerts;
    for (int length = 0; length < seed.size(); ++length) {
        verifySafeLoad(file, seed.left(length), length % resaveEvery == 0);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(alerts.alerts().isEmpty());
}

void GameDataFuzzTest::randomMutationsLoadSafely_data()
{
    addSeedRows();
}

void GameDataFuzzTest::randomMutationsLoadSafely()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, seed);
    WorkDir dir;
    AlertRecorder alerts;
    QRandomGenerator random(20240611);
    for (int round = 0; round < 500; ++round) {
        verifySafeLoad(file, mutated(seed, random), round % resaveEvery == 0);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(alerts.alerts().isEmpty());
}

QTEST_GUILESS_MAIN(GameDataFuzzTest)
#include "tst_gamedata_fuzz.moc"
