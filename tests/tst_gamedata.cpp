// The player's files byte for byte, hand-edited values brought into range, saves that fail or
// are cut short, and the rules that the player's data follows in memory: profiles and classic
// times.
#include "alertrecorder.h"
#include "gamedata.h"
#include "playerfolder.h"

#include <QTest>

#include <csignal>
#include <linux/capability.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The calls by which a save writes a file and renames it into place, taken over for the whole
// program: in a child with a countdown set, the call that finds it at 0 kills the child first.
// (Syncing and linking the unnamed new file show nothing that a kill before its write does
// not.)
int countdown = -1;
long beforeKillPoint(long number, long a, long b, long c = 0)
{
    if (countdown >= 0 && countdown-- == 0)
        raise(SIGKILL);
    return syscall(number, a, b, c);
}

// The file encodings, written here by hand: big-endian 32-bit numbers, and strings (here of
// one letter) as their byte count followed by UTF-16 big-endian.
QByteArray int32(qint32 value) { return QByteArray::fromHex(QByteArray::number(quint32(value), 16).rightJustified(8, '0')); }
QByteArray text(char letter) { return int32(2) + QByteArray(1, '\0') + letter; }
QByteArray profile(char name, int level, int sublevel) { return text(name) + int32(level) + int32(sublevel) + int32(0); }

// The second selected: "Zoë" at stage 17 of level 3, and a profile without a name at 1-1.
const QByteArray twoProfiles = QByteArray::fromHex(
    "00000002 00000001 00000006 005a006f00eb 00000003 00000011 00000000"
    "00000000 00000001 00000001 00000000");

// "data.dat" as first created: ten classic places by time, then ten puzzle places by score.
QByteArray defaultResults()
{
    QByteArray bytes;
    for (int step : {10000, 10})
        for (int place = 1; place <= 10; ++place)
            bytes += QByteArray::fromHex("00000008 0075007300650072") + int32(step * place);
    return bytes;
}

// How each file is loaded and saved, and what a failed save of it is called.
struct PlayerFile { void (GameData::*load)(); void (GameData::*save)(); QString what; };
const QMap<QString, PlayerFile> files = {{"game.dat", {&GameData::LoadSettings, &GameData::SaveSettings, "settings"}},
    {"patterns.dat", {&GameData::LoadSettings, &GameData::SaveSettings, "settings"}},
    {"profiles.dat", {&GameData::LoadProfiles, &GameData::SaveProfiles, "profiles"}},
    {"data.dat", {&GameData::LoadBestResults, &GameData::SaveBestResults, "results"}}};
const QStringList playerFiles = {"game.dat", "profiles.dat", "data.dat"}; // "patterns.dat" is saved in silence

// Two versions of what the files hold, of different sizes, so that a file cut short or mixed
// from both is neither.
void setVersion(GameData &data, int v)
{
    data.profiles.clear();
    data.AddProfile(v ? "Bartholomew" : "Ada");
    data.classicTop.fill({v ? "Ada" : "player", 0, v ? 7 : 1000}, BestResultPlaces);
    LanguageFile = v ? "tavni_deutsch.qm" : "tavni_en.qm";
}

// The files of the working directory, hidden ones included.
QMap<QString, QByteArray> contents()
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir().entryList(QDir::Files | QDir::Hidden))
        if (QFile file(name); file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    return files;
}

} // namespace

extern "C" {
ssize_t write(int fd, const void *bytes, size_t size) { return beforeKillPoint(SYS_write, fd, long(bytes), long(size)); }
int rename(const char *from, const char *to) { return int(beforeKillPoint(SYS_rename, long(from), long(to))); }
}

class GameDataTest : public QObject
{
    Q_OBJECT

private slots:
    // Each file missing (so first created), as written by hand, and hand-edited: what a load
    // and a save then leave in it.
    void filesLoadAndSave()
    {
        // A null bytes: no such file.
        const struct { QString file; QByteArray bytes, saved; } cases[] = {
            {"game.dat", {}, "1\n1\n1\n1\n128\ntavni_en.qm\n"},
            {"profiles.dat", {}, int32(0) + int32(-1)},
            {"data.dat", {}, defaultResults()},
            {"profiles.dat", twoProfiles, twoProfiles},
            // Cut back to twenty records.
            {"data.dat", defaultResults() + text('A') + int32(1), defaultResults()},
            // Harmless values kept as read (a switch of 2 is on, volume 0 is silence); the game
            // level and the volume, and anything beyond 32 bits, brought into range.
            {"game.dat", "2\n3\n-1\n7\n0\nx\n", "2\n3\n-1\n7\n0\nx\n"},
            {"game.dat", "7\n4294967297\n2\n3\n999\nx\n", "7\n5\n2\n3\n255\nx\n"},
            {"game.dat", "0\n-4294967291\n-1\n0\n-5\nx\n", "0\n1\n-1\n0\n0\nx\n"},
            {"game.dat", "-9999999999\n0\n1\n1\n9\nx\n", "-2147483648\n1\n1\n1\n9\nx\n"},
            // Stages 74 and 26 end levels 1 and 5; a stage past the end of its level is the
            // next level's first (after level 5, the finished series); a stage before the first,
            // or a level before the first, starts it. A finished series keeps what was stored.
            // The current index lies outside the list, and a record past the count is not read.
            {"profiles.dat",
             int32(8) + int32(8) + profile('a', 1, 74) + profile('b', 1, 75) + profile('c', 5, 26) + profile('d', 5, 27)
                 + profile('e', 6, 40) + profile('f', 7, 1) + profile('g', 0, 9) + profile('h', 3, 0) + profile('i', 1, 1),
             int32(8) + int32(-1) + profile('a', 1, 74) + profile('b', 2, 1) + profile('c', 5, 26)
                 + profile('d', 6, 1) + profile('e', 6, 40) + profile('f', 7, 1) + profile('g', 1, 1) + profile('h', 3, 1)},
            // Counts that lie: only whole records are taken.
            {"profiles.dat", int32(1000) + int32(1) + profile('A', 1, 1) + profile('B', 2, 3),
             int32(2) + int32(1) + profile('A', 1, 1) + profile('B', 2, 3)},
            // The colour patterns are on only while "patterns.dat" holds "1"; a save rewrites it
            // (none while the switch is off).
            {"patterns.dat", "1", "1\n"}, {"patterns.dat", "1\r\n", "1\n"}, {"patterns.dat", "2\n", ""}, {"patterns.dat", "1\n1\n", ""},
            // Lists of ten whatever "data.dat" holds: missing places are empty.
            {"data.dat", text('A') + int32(1) + int32(1000) + "xx", text('A') + int32(1) + QByteArray(19 * 8, '\0')}};
        for (const auto &c : cases) {
            PlayerFolder folder;
            if (!c.bytes.isNull())
                folder.write(c.file, c.bytes);
            GameData data("game.dat");
            (data.*files[c.file].load)();
            // A load writes a file only when there was none.
            QCOMPARE(folder.read(c.file), c.bytes.isNull() ? c.saved : c.bytes);
            (data.*files[c.file].save)();
            QCOMPARE(folder.read(c.file), c.saved);
        }
    }

    // A save that cannot be made: on a full disk, which takes no more than 4 bytes of a file,
    // with a directory in the file's place, or a read-only file in a read-only folder. There
    // a writable file is saved in place. Root loses here, for the rest of the run, the
    // capabilities that would let it write anyway; a file grown past the limit fails its
    // write instead of ending the run.
    void failedSaveKeepsOldFile()
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2] = {};
        QVERIFY(syscall(SYS_capget, &header, caps) == 0);
        caps[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER);
        QVERIFY(syscall(SYS_capset, &header, caps) == 0);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        enum Failure { FullDisk, Directory, ReadOnly, WritableInReadOnlyFolder };
        for (const QString &name : playerFiles) {
            for (Failure failure : {FullDisk, Directory, ReadOnly, WritableInReadOnlyFolder}) {
                PlayerFolder folder;
                const QString old = failure == Directory ? name + "/kept" : name;
                folder.write(old, "old");
                GameData data("game.dat");
                const QByteArray saved = [&] { PlayerFolder elsewhere; (data.*files[name].save)(); return elsewhere.read(name); }();
                AlertRecorder alerts;
                const rlimit disk{failure == FullDisk ? 4 : usual.rlim_cur, usual.rlim_max};
                setrlimit(RLIMIT_FSIZE, &disk);
                chmod(qPrintable(old), failure == ReadOnly ? 0444 : 0644);
                chmod(".", failure >= ReadOnly ? 0555 : 0755);
                (data.*files[name].save)();
                chmod(".", 0755);
                setrlimit(RLIMIT_FSIZE, &usual);
                QStringList boxes;
                for (const RecordedAlert &alert : alerts.alerts())
                    boxes << alert.title + ' ' + alert.text;
                const bool inPlace = failure == WritableInReadOnlyFolder;
                QCOMPARE(boxes, inPlace ? QStringList() : QStringList("Tavni Error write " + files[name].what + " ."));
                QCOMPARE(folder.read(old), inPlace ? saved : "old");
                QCOMPARE(contents().keys(), QStringList(failure == Directory ? 0 : 1, name));
            }
        }
    }

    // A child saves the three files in version 0, then in version 1, counting its finished
    // saves in memory it shares with the test, and is killed at its nth call; n counts up until
    // the child finishes.
    void savesKeepWholeFiles()
    {
        GameData data("game.dat");
        QMap<QString, QByteArray> version[2];
        for (int v : {0, 1}) {
            PlayerFolder folder;
            setVersion(data, v);
            for (const QString &name : playerFiles)
                (data.*files[name].save)();
            version[v] = contents();
        }
        int leftovers = 0;
        auto *saved = static_cast<int *>(mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
        for (int kill = 0, status = 0, finished = 0; !finished; ++kill) {
            PlayerFolder folder;
            *saved = 0;
            if (fork() == 0) {
                setAlertPresenter([](const QString &, const QString &) { _exit(3); });
                countdown = kill;
                for (int j = 0; j < 6; ++j) {
                    setVersion(data, j / 3);
                    (data.*files[playerFiles[j % 3]].save)();
                    ++*saved;
                }
                _exit(0);
            }
            wait(&status);
            finished = WIFEXITED(status);
            QVERIFY2(WIFSIGNALED(status) ? WTERMSIG(status) == SIGKILL : WEXITSTATUS(status) == 0, "a save failed");
            // Each file as its last whole save left it, missing before its first. A kill between
            // linking the new file under a temporary name beside it and the rename leaves that
            // name behind, whole.
            QMap<QString, QByteArray> expected, after = contents();
            for (int j = 0; j < *saved; ++j)
                expected[playerFiles[j % 3]] = version[j / 3][playerFiles[j % 3]];
            for (const auto &[name, bytes] : after.asKeyValueRange()) {
                const QString file = name.section('.', 0, 1);
                if (name.size() == file.size() + 7 && (bytes == version[0][file] || bytes == version[1][file])) {
                    expected[name] = bytes;
                    ++leftovers;
                }
            }
            QCOMPARE(after, expected);
        }
        QVERIFY(leftovers > 0); // the kills came between the steps of a save
    }

    // Profiles A, B and C, one of them current; one deleted, then stage 12 of level 4 reached
    // (as stage 2 of level 1 was before there were any) and classic times of 20000 and 5
    // seconds entered. Deleting outside the list changes nothing, the current index stays
    // unless it falls outside, and progress and times go to the current profile ("User"
    // without one); a time goes after an equal one.
    void profileActions()
    {
        const struct { int current, deleted; QString held; } cases[] = {
            {1, 3, "1/3 A:1-1 B:4-12 C:1-1 B:5 user:10000 user:20000 B:20000"},
            {3, -1, "3/3 A:1-1 B:1-1 C:1-1 User:5 user:10000 user:20000 User:20000"},
            {-1, 1, "-1/2 A:1-1 C:1-1 User:5 user:10000 user:20000 User:20000"},
            {1, 0, "1/2 B:1-1 C:4-12 C:5 user:10000 user:20000 C:20000"},
            {2, 2, "-1/2 A:1-1 B:1-1 User:5 user:10000 user:20000 User:20000"}};
        for (const auto &c : cases) {
            PlayerFolder folder;
            GameData data("game.dat");
            data.LoadBestResults();
            data.RecordProgress(1, 2); // no profile yet: nothing to write to
            for (const char *name : {"A", "B", "C"})
                data.AddProfile(name);
            CurrentProfile = c.current;
            data.DeleteProfile(c.deleted);
            data.RecordProgress(4, 12);
            data.AddClassicResult(20000);
            data.AddClassicResult(5);
            QString held = QString("%1/%2").arg(CurrentProfile).arg(data.profileCount);
            for (const Profile &p : data.profiles)
                held += QString(" %1:%2-%3").arg(p.name).arg(p.level).arg(p.sublevel);
            for (const BestResult &place : data.classicTop.mid(0, 4))
                held += ' ' + place.name + ':' + QString::number(place.time);
            QCOMPARE(held, c.held);
            QVERIFY(!data.SelectProfile(-1) && !data.SelectProfile(data.profileCount) && data.SelectProfile(0) && CurrentProfile == 0);
        }
    }
};

QTEST_GUILESS_MAIN(GameDataTest)
#include "tst_gamedata.moc"
