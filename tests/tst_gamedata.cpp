// The player's files byte for byte, damaged files and failed saves, and the rules that the
// player's data follows in memory: profiles, classic times and the music list.
#include "alertrecorder.h"
#include "gamedata.h"
#include "playerfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The file encodings, written here by hand: big-endian 32-bit numbers, and strings (here of
// one letter) as their byte count followed by UTF-16 big-endian.
QByteArray int32(qint32 value)
{
    return QByteArray::fromHex(QByteArray::number(quint32(value), 16).rightJustified(8, '0'));
}

QByteArray text(char letter)
{
    return int32(2) + QByteArray(1, '\0') + letter;
}

QByteArray profile(char name, int level, int sublevel)
{
    return text(name) + int32(level) + int32(sublevel) + int32(0);
}

const QByteArray defaultSettings = "1\n1\n1\n1\n128\ntavni_en.qm\n";
// The second selected: "Zoë" at stage 17 of level 3, and a profile without a name at 1-1.
const QByteArray twoProfiles = QByteArray::fromHex(
    "00000002 00000001 00000006 005a006f00eb 00000003 00000011 00000000"
    "00000000 00000001 00000001 00000000");

// The places of "data.dat" as first created: classic times, then puzzle scores.
const QString defaultPlaces =
    "user:10000 user:20000 user:30000 user:40000 user:50000 user:60000 user:70000 user:80000 "
    "user:90000 user:100000 user:10 user:20 user:30 user:40 user:50 user:60 user:70 user:80 "
    "user:90 user:100";

QByteArray defaultResults()
{
    QByteArray bytes;
    for (const QString &place : defaultPlaces.split(' '))
        bytes += QByteArray::fromHex("00000008 0075007300650072") + int32(place.mid(5).toInt());
    return bytes;
}

// How each file is loaded and saved, a sample of it, and what a failed save of it is called.
struct PlayerFile { void (GameData::*load)(); void (GameData::*save)(); QByteArray sample, what; };
const QMap<QString, PlayerFile> files = {
    {"game.dat", {&GameData::LoadSettings, &GameData::SaveSettings, defaultSettings, "settings"}},
    {"profiles.dat", {&GameData::LoadProfiles, &GameData::SaveProfiles, twoProfiles, "profiles"}},
    {"data.dat",
     {&GameData::LoadBestResults, &GameData::SaveBestResults, defaultResults(), "results"}}};

// What the game holds: the settings, or the current index, count and positions of the
// profiles; then the classic places (by time) and the puzzle places (by score).
QString describe(const GameData &data, const QString &file)
{
    QStringList parts;
    if (file == "game.dat") {
        for (int value : {DrawGrid, data.gameLevel, GameLevel, SoundOn, MusicOn, MasterVolume})
            parts << QString::number(value);
        parts << LanguageFile;
    } else if (file == "profiles.dat") {
        parts << QString("%1/%2").arg(CurrentProfile).arg(data.profileCount);
        for (const Profile &p : data.profiles)
            parts << QString("%1:%2-%3").arg(p.name).arg(p.level).arg(p.sublevel);
    }
    for (const BestResult &place : data.classicTop + data.puzzleTop)
        parts << place.name + ':' + QString::number(place.time + place.score);
    return parts.join(' ');
}

// Whatever the files held, a load leaves values the game can use, and no more than the files
// hold: a profile takes at least 16 bytes after the 8 of the head, a character 2 bytes.
bool usable(const GameData &data)
{
    const auto in = [](qint64 v, qint64 lo, qint64 hi) { return lo <= v && v <= hi; };
    static const int stages[] = {0, 74, 45, 35, 24, 26};
    qint64 profileBytes = data.profiles.empty() ? 0 : 8, resultBytes = 0;
    for (const Profile &p : data.profiles) {
        // Level 6 and beyond: the series finished, whatever the stage.
        if (p.level < 1 || (p.level <= 5 && !in(p.sublevel, 1, stages[p.level])))
            return false;
        profileBytes += 16 + 2 * p.name.size();
    }
    for (const BestResult &place : data.classicTop + data.puzzleTop)
        resultBytes += 2 * place.name.size();
    return in(data.gameLevel, 1, 5) && GameLevel == data.gameLevel && in(MasterVolume, 0, 255)
           && data.profileCount == int(data.profiles.size())
           && in(CurrentProfile, -1, data.profileCount - 1)
           && profileBytes <= QFileInfo("profiles.dat").size() && data.classicTop.size() == 10
           && data.puzzleTop.size() == 10 && resultBytes <= QFileInfo("data.dat").size();
}

// One to three edits: up to four bytes at a random place replaced with a number of any
// size, in binary or in decimal.
QByteArray mutated(QByteArray bytes, QRandomGenerator &random)
{
    for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
        const int at = random.bounded(int(bytes.size()) + 1), length = random.bounded(5);
        const qint32 number = qint32(random.generate()) >> random.bounded(32);
        bytes.replace(at, length, random.bounded(2) ? int32(number) : QByteArray::number(number));
    }
    return bytes;
}

} // namespace

class GameDataTest : public QObject
{
    Q_OBJECT

private slots:
    // Each file missing (so first created), as written by hand, and damaged: what the game then
    // holds, and what it saves.
    void filesLoadAndSave()
    {
        const QByteArray a = profile('A', 1, 1), b = profile('B', 2, 3);
        const QByteArray settings = "0\n5\n0\n1\n255\ntavni_de.qm\n";
        // A null bytes: no such file. A null saved: not saved, so the file stays as it was.
        const struct { QString file; QByteArray bytes; QString held; QByteArray saved; } cases[] = {
            {"game.dat", {}, "1 1 1 1 1 128 tavni_en.qm", defaultSettings},
            {"profiles.dat", {}, "-1/0", QByteArray::fromHex("00000000 ffffffff")},
            {"data.dat", {}, defaultPlaces, defaultResults()},
            {"game.dat", settings, "0 5 5 0 1 255 tavni_de.qm", settings},
            {"profiles.dat", twoProfiles, "1/2 Zo\u00eb:3-17 :1-1", twoProfiles},
            // Cut back to twenty records.
            {"data.dat", defaultResults() + text('A') + int32(1), defaultPlaces, defaultResults()},
            // Harmless values kept as read, and saved back so (a switch of 2 is on, volume 0
            // is silence); the game level and the volume, and anything beyond 32 bits,
            // brought into range.
            {"game.dat", "2\n3\n-1\n7\n0\nx\n", "2 3 3 -1 7 0 x", "2\n3\n-1\n7\n0\nx\n"},
            {"game.dat", "7\n4294967297\n2\n3\n999\nx\n", "7 5 5 2 3 255 x", {}},
            {"game.dat", "0\n-4294967291\n-1\n0\n-5\nx\n", "0 1 1 -1 0 0 x", {}},
            {"game.dat", "-9999999999\n0\n1\n1\n9\nx\n", "-2147483648 1 1 1 1 9 x", {}},
            {"game.dat", "1\n4\n", "1 4 4 0 0 0 ", {}},
            // Stages 74 and 26 end levels 1 and 5; a stage past the end of its level is the
            // next level's first (after level 5, the finished series); a stage before the first
            // is the first. A finished series keeps what was stored. The current index lies
            // outside the list.
            {"profiles.dat",
             int32(8) + int32(8) + profile('a', 1, 74) + profile('b', 1, 75) + profile('c', 5, 26)
                 + profile('d', 5, 27) + profile('e', 6, 40) + profile('f', 7, 1)
                 + profile('g', 0, 1) + profile('h', 3, 0),
             "-1/8 a:1-74 b:2-1 c:5-26 d:6-1 e:6-40 f:7-1 g:1-1 h:3-1", {}},
            // Counts and string lengths that lie: only whole records are taken.
            {"profiles.dat", int32(1000) + int32(1) + a + b, "1/2 A:1-1 B:2-3", {}},
            {"profiles.dat", int32(1) + int32(0) + a + b, "0/1 A:1-1", {}},
            {"profiles.dat", int32(2) + int32(0) + a + int32(1000) + "BB", "0/1 A:1-1", {}},
            {"profiles.dat", int32(2) + int32(1) + a + text('B') + int32(2), "-1/1 A:1-1", {}},
            // Lists of ten whatever "data.dat" holds: missing places are empty.
            {"data.dat", text('A') + int32(1) + int32(1000) + "xx",
             "A:1 :0 " + QStringList(18, ":0").join(' '), {}}};
        for (const auto &c : cases) {
            PlayerFolder folder;
            if (!c.bytes.isNull())
                folder.write(c.file, c.bytes);
            const QString language = ReadLanguageFile(); // read at start-up, before the settings
            GameData data("game.dat");
            (data.*files[c.file].load)();
            QCOMPARE(describe(data, c.file), c.held);
            QCOMPARE(language, c.file == "game.dat" && !c.bytes.isNull() ? LanguageFile : "");
            // A load writes a file only when there was none.
            QCOMPARE(folder.read(c.file), c.bytes.isNull() ? c.saved : c.bytes);
            if (c.saved.isNull())
                continue;
            (data.*files[c.file].save)();
            QCOMPARE(folder.read(c.file), c.saved);
        }
    }

    // A save that cannot be made: on a full disk, which takes no more than 4 bytes of a file,
    // or with a directory in the file's place.
    void failedSaveKeepsOldFile()
    {
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            for (bool fullDisk : {false, true}) {
                PlayerFolder folder;
                const QString old = fullDisk ? file.key() : file.key() + "/kept";
                folder.write(old, file->sample);
                GameData data("game.dat");
                AlertRecorder alerts;
                rlimit previous{};
                getrlimit(RLIMIT_FSIZE, &previous);
                const rlimit disk{fullDisk ? 4 : previous.rlim_cur, previous.rlim_max};
                const auto handler = std::signal(SIGXFSZ, SIG_IGN); // fail, do not kill
                setrlimit(RLIMIT_FSIZE, &disk);
                (data.*file->save)();
                setrlimit(RLIMIT_FSIZE, &previous);
                std::signal(SIGXFSZ, handler);
                QCOMPARE(alerts.alerts().size(), 1);
                const RecordedAlert alert = alerts.alerts().first();
                QCOMPARE(alert.title + ' ' + alert.text, "Tavni Error write " + file->what + " .");
                QCOMPARE(folder.read(old), file->sample);
                QCOMPARE(QDir().entryList(QDir::Files), QStringList(fullDisk ? 1 : 0, file.key()));
            }
        }
    }

    // The colour patterns switch in "patterns.dat" (null: no such file) as loaded, then saved
    // on or off: the file exists, "1" and a line end, only while the switch is on, and
    // "game.dat" keeps its six lines either way.
    void colourPatternsHaveAFileOfTheirOwn()
    {
        const struct { QByteArray bytes; int held, saved; } cases[] = {
            {{}, 0, 1}, {"1\n", 1, 0}, {"1", 1, 1}, {"1\r\n", 1, 1}, {"0\n", 0, 0},
            {"2\n", 0, 1}, {"1x\n", 0, 0}, {"1\n1\n", 0, 0}, {"", 0, 0}};
        for (const auto &c : cases) {
            PlayerFolder folder;
            folder.write("game.dat", defaultSettings);
            if (!c.bytes.isNull())
                folder.write("patterns.dat", c.bytes);
            GameData data("game.dat");
            data.LoadSettings();
            QCOMPARE(ColourPatterns, c.held);
            ColourPatterns = c.saved;
            data.SaveSettings();
            ColourPatterns = 0;
            QCOMPARE(folder.read("game.dat"), defaultSettings);
            QCOMPARE(QFileInfo::exists("patterns.dat"), c.saved == 1);
            QCOMPARE(folder.read("patterns.dat"), c.saved ? QByteArray("1\n") : QByteArray());
        }
    }

    // Every prefix of each sample, then seeded random edits of it, loaded again and again
    // into the same data. Only loads: the other files are there already, so nothing is saved.
    void cutAndMutatedFilesLoadSafely()
    {
        PlayerFolder folder;
        GameData data("game.dat");
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            folder.write(file.key(), file->sample);
            (data.*file->load)();
        }
        QRandomGenerator random(20240611);
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            const QByteArray &seed = file->sample;
            for (int i = 0; i < seed.size() + 800; ++i) {
                const QByteArray bytes = i < seed.size() ? seed.left(i) : mutated(seed, random);
                QFile::remove(file.key()); // rewriting a file in place would wait for the disk
                folder.write(file.key(), bytes);
                (data.*file->load)();
                QVERIFY2(usable(data), qPrintable(file.key() + ": " + bytes.toHex(' ')));
            }
        }
    }

    // Ann, Bob or nobody ("User") enter times, each expected at the place given or nowhere
    // (-1), the last place dropping out: better times go first, an equal time after.
    void classicTimeTakesItsPlace()
    {
        const struct { QString entry; int place; } steps[] = {
            {"Ann:100000", -1}, {"Ann:99999", 9}, {"Bob:99999", -1}, {"Bob:20000", 2},
            {"User:5", 0},      {"Ann:500", 1},   {"Bob:500", 2}};
        PlayerFolder folder;
        folder.write("data.dat", defaultResults());
        GameData data("game.dat");
        data.LoadBestResults();
        data.AddProfile("Ann");
        data.AddProfile("Bob");
        QStringList expected = defaultPlaces.split(' ');
        for (const auto &step : steps) {
            CurrentProfile = QStringList{"Ann", "Bob"}.indexOf(step.entry.section(':', 0, 0));
            data.AddClassicResult(step.entry.section(':', 1).toInt());
            // A time that enters nowhere would stand at place 11.
            expected.insert(step.place < 0 ? 10 : step.place, step.entry);
            expected.removeAt(10);
            QCOMPARE(describe(data, "data.dat"), expected.join(' '));
        }
    }

    // Profiles A, B and C, one of them current; one deleted, then stage 12 of level 4
    // reached (as stage 2 of level 1 was before there were any). Deleting outside the list
    // changes nothing, the current index stays unless it falls outside, and progress goes
    // only to a current profile.
    void profileActions()
    {
        const struct { int current, deleted; QString result; } cases[] = {
            {1, 3, "1/3 A:1-1 B:4-12 C:1-1"}, {3, -1, "3/3 A:1-1 B:1-1 C:1-1"},
            {-1, 1, "-1/2 A:1-1 C:1-1"}, {1, 0, "1/2 B:1-1 C:4-12"}, {0, 2, "0/2 A:4-12 B:1-1"},
            {2, 2, "-1/2 A:1-1 B:1-1"}, {2, 0, "-1/2 B:1-1 C:1-1"}};
        for (const auto &c : cases) {
            GameData data("game.dat");
            data.RecordProgress(1, 2); // no profile yet: nothing to write to
            for (const char *name : {"A", "B", "C"})
                data.AddProfile(name);
            QCOMPARE(CurrentProfile, 2); // the one added last
            CurrentProfile = c.current;
            data.DeleteProfile(c.deleted);
            data.RecordProgress(4, 12);
            QVERIFY(!data.SelectProfile(-1) && !data.SelectProfile(3));
            QCOMPARE(describe(data, "profiles.dat"), c.result);
        }
    }

    void musicInNameOrder()
    {
        PlayerFolder folder;
        for (const char *name : {"b.XM", "a.mod", "C.it", "notes.txt", "folder.xm/x.xm"})
            folder.write(QString("data/music/") + name, "");
        GameData data("game.dat");
        data.ScanMusic(); // CurrentSong starts at -1
        QCOMPARE(data.musicFiles, (QStringList{"a.mod", "b.XM", "C.it"}));
        QCOMPARE(CurrentSong, 0);
    }
};

QTEST_GUILESS_MAIN(GameDataTest)
#include "tst_gamedata.moc"
