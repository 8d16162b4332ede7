// The main window's sound, options and languages: sound start-up, the playlist and its keys,
// the options dialog's effect on the game and on "game.dat", and the language chosen.
#include "alertrecorder.h"
#include "configdialog.h"
#include "diskaudio.h"
#include "fmodlayer.h"
#include "languages.h"
#include "playerfolder.h"
#include "renderarea.h"
#include "settings.h"
#include "soundfiles.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>

namespace {

const QByteArray oneProfile = profilesFile({"Ann"}, 0);

ConfigDialog *configDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ConfigDialog *>(widget))
            return dialog;
    }
    return nullptr;
}

// Runs the Options command; while the dialog is open, change sets its controls and then
// either presses its Close button or closes it from the title bar.
void runOptions(Window &window, const std::function<void(ConfigDialog *)> &change, bool accept)
{
    QTimer::singleShot(0, &window, [=] {
        ConfigDialog *dialog = configDialog();
        change(dialog);
        if (!accept) {
            dialog->close();
            return;
        }
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("Close"))
                button->click();
        }
    });
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == QLatin1String("&Options"))
            action->trigger();
    }
}

int musicPolls(Window &window)
{
    int polls = 0;
    for (QTimer *timer : window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        polls += timer->interval() == 1000 ? 1 : 0;
    return polls;
}

void addSongs(const PlayerFolder &folder, const QStringList &names, int seconds = 1)
{
    for (const QString &name : names)
        folder.write(QStringLiteral("data/music/") + name, squareWaveModule(seconds));
}

void addLanguage(const PlayerFolder &folder, const QString &fixture, const QString &name)
{
    QFile qm(QStringLiteral(TAVNI_TEST_QM_DIR "/%1.qm").arg(fixture));
    if (!qm.open(QIODevice::ReadOnly))
        qFatal("missing translation fixture %s", qPrintable(fixture));
    folder.write(QStringLiteral("languages/") + name, qm.readAll());
}

} // namespace

class WindowSoundTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playlistGoesInNameOrderAndWraps();
    void oneSongRestartsEitherWay();
    void unplayableSongIsReported();
    void volumeKeysStayInRange_data();
    void volumeKeysStayInRange();
    void musicOffAtStartHasNoPoll();
    void soundStartFailureSwitchesMusicOff();
    void acceptedOptionsApplyAndSave();
    void optionsClosedFromTheTitleBarApplyNothing();
    void switchingMusicOffStopsTheSong();
    void languageChoiceIsRecordedEitherWay();
    void sameLanguageTwiceStoresTheFirstFile();
    void missingTranslationLeavesEnglish();

private:
    AlertRecorder *alerts = nullptr;
};

void WindowSoundTest::init()
{
    alerts = new AlertRecorder;
    LanguageName.clear();
}

void WindowSoundTest::cleanup()
{
    delete alerts;
    FSOUND_Close();
}

void WindowSoundTest::playlistGoesInNameOrderAndWraps()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    addSongs(folder, {"b.XM", "a.mod", "C.it"});
    folder.write(QStringLiteral("data/music/notes.txt"), "not music");
    folder.write(QStringLiteral("data/music/folder.mod/inside"), "a folder, not music");
    Window window;
    QCOMPARE(CurrentSong, 0);
    QList<int> visited;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
        QTest::keyClick(&window, key);
        visited.append(CurrentSong);
    }
    QCOMPARE(visited, (QList<int>{1, 2, 0, 2, 1}));
    QVERIFY(alerts->alerts().isEmpty());
}

void WindowSoundTest::oneSongRestartsEitherWay()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    addSongs(folder, {"only.mod"});
    Window window;
    QTest::keyClick(&window, Qt::Key_Right);
    QCOMPARE(CurrentSong, 0);
    QTest::keyClick(&window, Qt::Key_Left);
    QCOMPARE(CurrentSong, 0);
    QVERIFY(alerts->alerts().isEmpty());
}

void WindowSoundTest::unplayableSongIsReported()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("data/music/x.mod"), "this is text, not a module\n");
    Window window;
    QCOMPARE(alerts->alerts().size(), 1);
    QCOMPARE(alerts->alerts().first().title, QStringLiteral("Error!"));
    QCOMPARE(alerts->alerts().first().text, QStringLiteral("Song not loaded!"));
    QTest::keyClick(&window, Qt::Key_Right);
    QCOMPARE(alerts->alerts().size(), 2);
}

void WindowSoundTest::volumeKeysStayInRange_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("volume");
    QTest::newRow("up from 250") << 250 << Qt::Key_Up << 255;
    QTest::newRow("up from 100") << 100 << Qt::Key_Up << 115;
    QTest::newRow("down from 10") << 10 << Qt::Key_Down << 1;
    QTest::newRow("down from 128") << 128 << Qt::Key_Down << 113;
}

void WindowSoundTest::volumeKeysStayInRange()
{
    QFETCH(int, stored);
    QFETCH(Qt::Key, key);
    QFETCH(int, volume);
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, stored));
    {
        Window window;
        QTest::keyClick(&window, key);
        QCOMPARE(MasterVolume, volume);
        QCOMPARE(configDialog()->volumeValue(), volume);
        window.close();
    }
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(1, 1, 1, 0, volume));
}

void WindowSoundTest::musicOffAtStartHasNoPoll()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128));
    addSongs(folder, {"a.mod"});
    Window window;
    QCOMPARE(musicPolls(window), 0);
    QCOMPARE(CurrentSong, -1);

    runOptions(window, [](ConfigDialog *dialog) {
        dialog->findChildren<QCheckBox *>().at(1)->setChecked(true); }, true);
    QCOMPARE(MusicOn, 1);
    QCOMPARE(musicPolls(window), 1);
    QCOMPARE(CurrentSong, 0);
}

void WindowSoundTest::soundStartFailureSwitchesMusicOff()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    ScopedEnvironment driver("SDL_AUDIODRIVER", "no-such-driver");
    {
        Window window;
        QCOMPARE(alerts->alerts().size(), 1);
        QCOMPARE(alerts->alerts().first().title, QStringLiteral("Error!"));
        QCOMPARE(alerts->alerts().first().text, QStringLiteral("Error initializing output device."));
        QCOMPARE(MusicOn, 0);
        QCOMPARE(musicPolls(window), 0);
        window.close();
    }
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(1, 1, 1, 0, 128));
}

void WindowSoundTest::acceptedOptionsApplyAndSave()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 2, 1, 0, 128));
    Window window;
    runOptions(window, [](ConfigDialog *dialog) {
        const QList<QCheckBox *> boxes = dialog->findChildren<QCheckBox *>();
        for (QCheckBox *box : boxes) {
            if (box->text() == QLatin1String("Draw Grid") || box->text() == QLatin1String("Sound"))
                box->setChecked(false);
        }
        dialog->findChildren<QSlider *>().first()->setValue(4);
        dialog->volumeSlider->setValue(200);
    }, true);
    QCOMPARE(DrawGrid, 0);
    QCOMPARE(SoundOn, 0);
    QCOMPARE(GameLevel, 4);
    QCOMPARE(MasterVolume, 200);
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(0, 4, 0, 0, 200));

    // Accepting without a change still writes the file.
    folder.write(QStringLiteral("game.dat"), "stale");
    runOptions(window, [](ConfigDialog *) {}, true);
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(0, 4, 0, 0, 200));
}

void WindowSoundTest::optionsClosedFromTheTitleBarApplyNothing()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    const QByteArray stored = "1\n2\n1\n0\n128\ntavni_en.qm   \n";
    folder.write(QStringLiteral("game.dat"), stored);
    Window window;
    runOptions(window, [](ConfigDialog *dialog) { dialog->volumeSlider->setValue(40); }, false);
    QCOMPARE(MasterVolume, 128);
    QCOMPARE(folder.read(QStringLiteral("game.dat")), stored);

    // The dialog keeps what the player left in it.
    int shown = 0;
    runOptions(window, [&shown](ConfigDialog *dialog) { shown = dialog->volumeValue(); }, false);
    QCOMPARE(shown, 40);
}

void WindowSoundTest::switchingMusicOffStopsTheSong()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    addSongs(folder, {"long.mod"}, 30);
    // Rendered a few times faster than real time, so the song is still playing when the
    // options are accepted.
    DiskAudio output(5);
    {
        Window window;
        QVERIFY(output.waitForFrames(framesIn(1.0)));
        runOptions(window, [](ConfigDialog *dialog) {
            dialog->findChildren<QCheckBox *>().at(1)->setChecked(false); }, true);
        const qint64 stoppedBy = output.framesWritten() + framesIn(0.5);
        QVERIFY(output.waitForFrames(stoppedBy + framesIn(1.0)));
        FSOUND_Close();
        const QVector<qint16> samples = output.samples();
        QVERIFY(energy(samples, 0, framesIn(0.5)) > 0);
        QCOMPARE(energy(samples, stoppedBy, stoppedBy + framesIn(1.0)), 0.0);

        // Switched on again while the stopped song is still loaded: nothing starts at once.
        const int song = CurrentSong;
        runOptions(window, [](ConfigDialog *dialog) {
            dialog->findChildren<QCheckBox *>().at(1)->setChecked(true); }, true);
        QCOMPARE(CurrentSong, song);
    }
}

void WindowSoundTest::languageChoiceIsRecordedEitherWay()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128, "a_fr.qm"));
    addLanguage(folder, QStringLiteral("francais"), QStringLiteral("a_fr.qm"));
    addLanguage(folder, QStringLiteral("deutsch"), QStringLiteral("B_de.qm"));
    QTranslator translator;
    installTranslation(*qApp, translator);
    QCOMPARE(LanguageName, QString::fromUtf8("Français"));
    {
        Window window;
        QCOMPARE(LanguageFile, QStringLiteral("a_fr.qm"));
        runOptions(window, [](ConfigDialog *dialog) {
            auto *languages = dialog->findChild<QComboBox *>();
            languages->setCurrentIndex(languages->findText(QStringLiteral("Deutsch")));
        }, false);
        window.close();
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(1, 1, 1, 0, 128, "B_de.qm"));
}

void WindowSoundTest::sameLanguageTwiceStoresTheFirstFile()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), oneProfile);
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128, "b_de.qm"));
    addLanguage(folder, QStringLiteral("deutsch"), QStringLiteral("a_de.qm"));
    addLanguage(folder, QStringLiteral("deutsch"), QStringLiteral("b_de.qm"));
    QTranslator translator;
    installTranslation(*qApp, translator);
    {
        Window window;
        window.close();
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(folder.read(QStringLiteral("game.dat")), settingsFile(1, 1, 1, 0, 128, "a_de.qm"));
}

void WindowSoundTest::missingTranslationLeavesEnglish()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128, "missing.qm"));
    addLanguage(folder, QStringLiteral("deutsch"), QStringLiteral("de.qm"));
    QTranslator translator;
    installTranslation(*qApp, translator);
    QVERIFY(translator.isEmpty());
    QVERIFY(LanguageName.isEmpty());

    // Without "game.dat" nothing is loaded either.
    PlayerFolder empty;
    QTranslator none;
    installTranslation(*qApp, none);
    QVERIFY(none.isEmpty());
    QVERIFY(LanguageName.isEmpty());
}

QTEST_MAIN(WindowSoundTest)
#include "tst_windowsound.moc"
