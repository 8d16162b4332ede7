// Saves cut short: a process saving the player's three files again and again is killed at
// seeded random moments, and every file must then hold one whole version; and a save into a
// folder that cannot be written keeps the old file.
#include "alert.h"
#include "alertrecorder.h"
#include "gamedata.h"
#include "playerfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList playerFiles = {"game.dat", "profiles.dat", "data.dat"};

// Two versions of everything the three files hold, of different sizes, so that a file cut
// short or mixed from both can be neither.
void setVersion(GameData &data, int version)
{
    data.profiles.clear();
    data.AddProfile(version ? "Bartholomew" : "Ada");
    data.RecordProgress(version ? 3 : 2, version ? 17 : 5);
    if (version)
        data.AddProfile("Zo\u00eb");
    data.classicTop.clear();
    for (int place = 1; place <= 10; ++place)
        data.classicTop.append({version ? "Ada" : "player", 0, place * (version ? 7 : 1000)});
    data.puzzleTop = data.classicTop;
    data.gameLevel = version ? 5 : 2;
    MasterVolume = version ? 7 : 128;
    LanguageFile = version ? "tavni_deutsch.qm" : "tavni_en.qm";
}

void saveAll(GameData &data)
{
    data.SaveSettings();
    data.SaveProfiles();
    data.SaveBestResults();
}

// The bytes of each file, by name.
QMap<QString, QByteArray> contents(const QDir &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : playerFiles) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

[[noreturn]] void failedInChild(const QString &, const QString &)
{
    _exit(3);
}

// The child's life: the files in the working directory saved in turn, both versions
// alternately, one byte on the pipe after each completed save. It ends only when killed;
// a failed save ends it with status 3.
[[noreturn]] void saveForever(int pipe, int version)
{
    setAlertPresenter(&failedInChild);
    GameData data("game.dat");
    void (GameData::*const saves[])() = {&GameData::SaveSettings, &GameData::SaveProfiles,
                                         &GameData::SaveBestResults};
    for (;; version ^= 1) {
        setVersion(data, version);
        for (auto save : saves) {
            (data.*save)();
            if (write(pipe, "s", 1) != 1)
                _exit(4);
        }
    }
}

// Takes away, while it lives, the effective capabilities that let root write where the file
// permissions forbid it. Does nothing for a user without them.
class WithoutOverride
{
public:
    WithoutOverride()
    {
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        active = syscall(SYS_capset, &header, lowered) == 0;
    }
    ~WithoutOverride()
    {
        if (active)
            syscall(SYS_capset, &header, saved);
    }
    Q_DISABLE_COPY(WithoutOverride)

private:
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] = {};
    bool active = false;
};

int fromEnvironment(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

} // namespace

class KillSaveTest : public QObject
{
    Q_OBJECT

private slots:
    // TAVNI_KILLS children (500 by default) in one folder, each killed after a random number of
    // completed saves and a random delay of up to two saves' time. After each kill every
    // file is whole: the version it held before the save that was cut short, or the new one.
    // QSaveFile's temporary files are accepted if a kill left any, as long as the game loads
    // and saves with them.
    void killedSavesLeaveWholeFiles()
    {
        PlayerFolder folder;
        const QDir dir = QDir::current();
        QMap<QString, QByteArray> version[2];
        GameData data("game.dat");
        QElapsedTimer timer;
        timer.start();
        constexpr int timedRounds = 10;
        for (int round = 0; round < timedRounds; ++round) {
            for (int v : {0, 1}) {
                setVersion(data, v);
                saveAll(data);
                version[v] = contents(dir);
            }
        }
        const qint64 saveMicroseconds = timer.nsecsElapsed() / 1000 / (timedRounds * 6);
        for (const QString &name : playerFiles) {
            QVERIFY(version[0][name].size() > 0);
            QVERIFY(version[0][name].size() != version[1][name].size());
        }
        QVERIFY(QFile::remove("game.dat") && QFile::remove("profiles.dat")
                && QFile::remove("data.dat"));

        const int kills = fromEnvironment("TAVNI_KILLS", 500);
        QRandomGenerator random(20261206);
        int changed = 0, completedSaves = 0;
        QMap<QString, QByteArray> before = contents(dir);
        for (int kill = 0; kill < kills; ++kill) {
            int fds[2];
            QVERIFY(pipe(fds) == 0);
            const int start = random.bounded(2);
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                close(fds[0]);
                saveForever(fds[1], start);
            }
            close(fds[1]);
            // Killed and reaped however the checks below end.
            const auto reap = qScopeGuard([&] {
                if (::kill(child, SIGKILL) == 0)
                    waitpid(child, nullptr, 0);
                close(fds[0]);
            });
            // Up to five completed saves: a kill may come in any of the three files' saves.
            const int wait = random.bounded(6);
            char byte;
            int read = 0;
            while (read < wait && ::read(fds[0], &byte, 1) == 1)
                ++read;
            QVERIFY2(read == wait, "the saving child ended by itself");
            usleep(useconds_t(random.bounded(2 * saveMicroseconds + 1)));
            QVERIFY(::kill(child, SIGKILL) == 0);
            int status = 0;
            QVERIFY(waitpid(child, &status, 0) == child);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     qPrintable(QString("child status %1").arg(status)));
            while (::read(fds[0], &byte, 1) == 1)
                ++read;
            completedSaves += read;

            // Save j is of file j % 3 and version start ^ (j / 3 % 2). A file holds what its
            // last reported save wrote (what it held before, missing included, if none), or
            // what save number read wrote, the one that can have been cut short.
            const QMap<QString, QByteArray> after = contents(dir);
            for (int f = 0; f < 3; ++f) {
                const QString &name = playerFiles[f];
                const auto written = [&](int j) { return version[start ^ (j / 3 % 2)][name]; };
                const bool hadOld = read > f || before.contains(name);
                const QByteArray old =
                    read > f ? written(f + (read - 1 - f) / 3 * 3) : before.value(name);
                const bool isOld = after.contains(name) ? hadOld && after[name] == old : !hadOld;
                const bool isNew = read % 3 == f && after.value(name) == written(read);
                QVERIFY2(isOld || isNew,
                         qPrintable(QString("kill %1 after %2 saves: %3 is %4 (%5 bytes)")
                                        .arg(kill).arg(read).arg(name)
                                        .arg(after.contains(name) ? "neither version" : "missing")
                                        .arg(after.value(name).size())));
            }
            changed += after != before;
            before = after;
        }

        // Whatever the last kill left, the game starts with one of the two versions.
        QStringList leftovers = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : playerFiles)
            leftovers.removeOne(name);
        // A kill after the new file was linked in under its temporary name and before the
        // rename leaves it behind: whole, named beside its file, and never read by the game.
        // There is at most one such file for each file and kill, so they grow with kills,
        // not with play.
        QVERIFY(leftovers.size() <= kills);
        for (const QString &name : leftovers) {
            const QString file = name.section('.', 0, 1);
            QVERIFY2(playerFiles.contains(file) && name.size() == file.size() + 7,
                     qPrintable(name));
            const QByteArray bytes = folder.read(name);
            QVERIFY2(bytes == version[0][file] || bytes == version[1][file], qPrintable(name));
        }
        AlertRecorder alerts;
        GameData loaded("game.dat");
        loaded.LoadSettings();
        loaded.LoadProfiles();
        loaded.LoadBestResults();
        const QString names = QString("%1 %2").arg(loaded.profileCount).arg(
            loaded.profiles.empty() ? QString() : loaded.profiles.front().name);
        QVERIFY2(names == "1 Ada" || names == "2 Bartholomew", qPrintable(names));
        QVERIFY(loaded.gameLevel == 2 || loaded.gameLevel == 5);
        QVERIFY(loaded.classicTop.first().time == 1000 || loaded.classicTop.first().time == 7);
        setVersion(loaded, 1);
        saveAll(loaded);
        QVERIFY(alerts.alerts().isEmpty());
        QCOMPARE(contents(dir), version[1]);
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                 playerFiles.size() + leftovers.size());
        qInfo("%d kills survived, %d saves completed, files changed by %d kills, %lld us a "
              "save, %d temporary files left",
              kills, completedSaves, changed, saveMicroseconds, int(leftovers.size()));
    }

    // A folder that cannot be written: each save fails with its box and the old file stays.
    // As root the folder's permissions alone stop nothing, so the save runs without the
    // capabilities that override them.
    void readOnlyFolderKeepsOldFile()
    {
        const QMap<QString, QByteArray> what = {
            {"game.dat", "settings"}, {"profiles.dat", "profiles"}, {"data.dat", "results"}};
        void (GameData::*const saves[])() = {&GameData::SaveSettings, &GameData::SaveProfiles,
                                             &GameData::SaveBestResults};
        for (int i = 0; i < 3; ++i) {
            const QString name = playerFiles[i];
            PlayerFolder folder;
            folder.write(name, "old");
            GameData data("game.dat");
            setVersion(data, 1);
            AlertRecorder alerts;
            QVERIFY(chmod(".", 0555) == 0);
            {
                WithoutOverride readOnly;
                QFile probe("probe");
                if (probe.open(QIODevice::WriteOnly)) {
                    chmod(".", 0755);
                    QSKIP("this process writes into a read-only folder");
                }
                (data.*saves[i])();
            }
            QVERIFY(chmod(".", 0755) == 0);
            QCOMPARE(alerts.alerts().size(), 1);
            QCOMPARE(alerts.alerts().first().text, "Error write " + what[name] + " .");
            QCOMPARE(folder.read(name), QByteArray("old"));
            QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden | QDir::System),
                     QStringList(name));
        }
    }
};

QTEST_GUILESS_MAIN(KillSaveTest)
#include "tst_killsave.moc"
