// Saves cut short: a process saving the player's three files again and again is killed at
// seeded random moments, and every file must then hold one whole version; and a save into a
// folder that cannot be written keeps the old file.
#include "alert.h"
#include "alertrecorder.h"
#include "gamedata.h"
#include "playerfolder.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>

namespace {

const QStringList playerFiles = {"game.dat", "profiles.dat", "data.dat"};
void (GameData::*const saves[])() = {&GameData::SaveSettings, &GameData::SaveProfiles,
                                     &GameData::SaveBestResults};

// Two versions of what the files hold, of different sizes, so that a file cut short or mixed
// from both is neither.
void setVersion(GameData &data, int v)
{
    data.profiles.clear();
    data.AddProfile(v ? "Bartholomew" : "Ada");
    data.classicTop.fill({v ? "Ada" : "player", 0, v ? 7 : 1000}, 10);
    data.gameLevel = v ? 5 : 2;
    LanguageFile = v ? "tavni_deutsch.qm" : "tavni_en.qm";
}

QMap<QString, QByteArray> contents(const QStringList &names = playerFiles)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : names)
        if (QFile file(name); file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    return files;
}

} // namespace

class KillSaveTest : public QObject
{
    Q_OBJECT

private slots:
    // Killed saves. TAVNI_KILLS children (500 by default) save the files in turn, both
    // versions alternately, each killed after up to five saves and a random delay of up to
    // two saves' time. Then every file is one whole version, and none once saved is missing.
    // Temporary files a kill leaves are whole copies beside their file, and the game loads
    // and saves beside them.
    void savesKeepWholeFiles()
    {
        PlayerFolder folder;
        QMap<QString, QByteArray> version[2];
        GameData data("game.dat");
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < 20; ++round) {
            setVersion(data, round % 2);
            for (auto save : saves)
                (data.*save)();
            version[round % 2] = contents();
        }
        const qint64 saveMicroseconds = timer.nsecsElapsed() / 1000 / 60;
        for (const QString &name : playerFiles)
            QVERIFY(version[0][name].size() != version[1][name].size() && QFile::remove(name));
        const int kills = qEnvironmentVariableIntValue("TAVNI_KILLS");
        QRandomGenerator random(20261206);
        for (int kill = 0; kill < (kills > 0 ? kills : 500); ++kill) {
            const QMap<QString, QByteArray> before = contents();
            int fds[2];
            QVERIFY(pipe(fds) == 0);
            const pid_t child = fork();
            if (child == 0) { // one byte on the pipe after each save, exit status 3 on a failed one
                setAlertPresenter([](const QString &, const QString &) { _exit(3); });
                for (int j = 0;; ++j) { // save j: file j % 3 in version (kill + j / 3) % 2
                    setVersion(data, (kill + j / 3) % 2);
                    (data.*saves[j % 3])();
                    if (write(fds[1], "s", 1) != 1)
                        _exit(4);
                }
            }
            close(fds[1]);
            char byte;
            int read = 0;
            for (const int wait = random.bounded(6); read < wait && ::read(fds[0], &byte, 1) == 1;)
                ++read;
            usleep(useconds_t(random.bounded(2 * saveMicroseconds + 1)));
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            while (::read(fds[0], &byte, 1) == 1)
                ++read;
            close(fds[0]);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the child did not save");
            const QMap<QString, QByteArray> after = contents();
            for (const QString &name : playerFiles) // missing only if never saved
                QVERIFY2(after.contains(name)
                             ? after[name] == version[0][name] || after[name] == version[1][name]
                             : !before.contains(name) && read <= playerFiles.indexOf(name),
                         qPrintable(name + " after kill " + QString::number(kill)));
        }

        const QStringList leftovers = QDir().entryList({"*.dat.*"}, QDir::Files | QDir::Hidden);
        // A kill between linking the new file under its temporary name and the rename leaves
        // that file behind, whole and named beside its file.
        for (const auto &[name, bytes] : contents(leftovers).asKeyValueRange()) {
            const QString file = name.section('.', 0, 1);
            QVERIFY2(name.size() == file.size() + 7 && playerFiles.contains(file)
                         && (bytes == version[0][file] || bytes == version[1][file]),
                     qPrintable(name));
        }
        // The game loads the files it finds and saves them back unchanged, beside the leftovers.
        const QMap<QString, QByteArray> left = contents(playerFiles + leftovers);
        AlertRecorder alerts;
        GameData loaded("game.dat");
        loaded.LoadSettings();
        loaded.LoadProfiles();
        loaded.LoadBestResults();
        for (auto save : saves)
            (loaded.*save)();
        QVERIFY(alerts.alerts().isEmpty());
        QCOMPARE(contents(playerFiles + leftovers), left);

        // A folder that allows no new file: a writable file is saved in place; a read-only one
        // fails with its box and stays. Root writes there too unless without the capabilities
        // that override the permissions, and loses them here for the rest of the run.
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2] = {};
        syscall(SYS_capget, &header, caps);
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            caps[0].effective &= ~(1u << cap);
        syscall(SYS_capset, &header, caps);
        for (int i = 0; i < 3; ++i) {
            for (bool fileWritable : {true, false}) {
                PlayerFolder old;
                (data.*saves[i])();
                const QByteArray saved = old.read(playerFiles[i]);
                old.write(playerFiles[i], "old");
                QVERIFY(chmod(qPrintable(playerFiles[i]), fileWritable ? 0644 : 0444) == 0);
                alerts.clear();
                QVERIFY(chmod(".", 0555) == 0);
                const bool readOnly = !QFile("probe").open(QIODevice::WriteOnly);
                if (readOnly)
                    (data.*saves[i])();
                QVERIFY(chmod(".", 0755) == 0);
                if (!readOnly)
                    QSKIP("this process writes into a read-only folder");
                QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList(playerFiles[i]));
                if (fileWritable) {
                    QVERIFY(alerts.alerts().isEmpty());
                    QCOMPARE(old.read(playerFiles[i]), saved);
                    continue;
                }
                QCOMPARE(alerts.alerts().size(), 1);
                const QString what = QStringList{"settings", "profiles", "results"}[i];
                QCOMPARE(alerts.alerts().first().text, "Error write " + what + " .");
                QCOMPARE(old.read(playerFiles[i]), QByteArray("old"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(KillSaveTest)
#include "tst_killsave.moc"
