// The main window as a player meets it: the first start, the profiles, its sizes and secondary
// windows, the options, the music and the language, the arrow keys and the sound errors.
#include "aboutw.h"
#include "alertrecorder.h"
#include "boxanswerer.h"
#include "configdialog.h"
#include "desktopsession.h"
#include "diskaudio.h"
#include "fmodlayer.h"
#include "inputanswerer.h"
#include "languages.h"
#include "playerfolder.h"
#include "renderarea.h"
#include "selprofile.h"
#include "settings.h"
#include "soundfiles.h"
#include "spicture.h"
#include "top10.h"
#include "window.h"
#include <QSignalSpy>
#include <QtWidgets>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A working directory holding the given files and profiles, by default "Ann", selected.
struct Folder : PlayerFolder {
    explicit Folder(const QMap<QString, QByteArray> &files = {}, const QByteArray &profiles = profilesFile({"Ann"}, 0))
    { write("profiles.dat", profiles); for (auto [name, bytes] : files.asKeyValueRange()) write(name, bytes); }
};

template <typename T> T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<T *>(widget)) return found;
    return nullptr;
}

template <typename T> T *named(QObject *parent, const QString &text)
{
    for (T *child : parent->findChildren<T *>())
        if (child->text() == text) return child;
    qFatal("nothing named %s", qPrintable(text));
}
void run(Window &window, const char *command) { named<QAction>(&window, command)->trigger(); }
void click(QWidget *dialog, const char *button) { named<QPushButton>(dialog, button)->click(); }
void tick(ConfigDialog *dialog, const char *box, bool on) { named<QCheckBox>(dialog, box)->setChecked(on); }
int musicPolls(Window &window) { return int(window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly).size()); }

// Runs Options; while it is open, change sets its controls, then the dialog is accepted with its
// Close button or closed from the title bar.
void options(Window &window, const std::function<void(ConfigDialog *)> &change, bool accept = true)
{
    QTimer::singleShot(0, &window, [=] { auto *dialog = topLevel<ConfigDialog>(); change(dialog);
                                         accept ? click(dialog, "Close") : void(dialog->close()); });
    run(window, "&Options");
}

// A start with the stored volume, the music files and the sound driver, then the keys pressed: the
// current song after each key, then the volume, the alerts raised and the music switch.
struct Start { int volume; QMap<QString, QByteArray> songs; QList<Qt::Key> keys; QList<int> songAfter;
               int volumeAfter; QStringList alerts = {}; int music = 1; QByteArray driver = "dummy"; };

class WindowTest : public QObject
{
    Q_OBJECT
    AlertRecorder *alerts = nullptr;

private slots:
    void init() { alerts = new AlertRecorder; LanguageName.clear(); }
    void cleanup() { delete alerts; FSOUND_Close(); }

    void firstStart_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("stored"); // the name's length and UTF-16 big-endian characters
        QTest::newRow("cancelled") << "<Cancel>" << QByteArray("00000008 0055 0073 0065 0072");
        QTest::newRow("25 characters") << QString(20, 'a') + "bbbbb" << "00000028" + QByteArray("0061").repeated(20);
    }
    void firstStart()
    {
        QFETCH(QString, answer); QFETCH(QByteArray, stored);
        PlayerFolder folder; ScopedEnvironment home("HOME", (QDir::tempPath() + "/kim").toUtf8());
        InputAnswerer prompt({answer});
        Window window;
        QVERIFY(!window.isVisible() && prompt.seen().size() == 1);
        const SeenInput seen = prompt.seen().first();
        QCOMPARE(seen.title + '|' + seen.label + '|' + seen.prefilled, "Creating new profile|Enter your name:|kim");
        window.close();
        // One profile, selected, at level 1, stage 1, reserved 0.
        const QByteArray profile = "00000001 00000000" + stored + "00000001 00000001 00000000";
        QCOMPARE(folder.read("profiles.dat"), QByteArray::fromHex(profile));
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 1, 1, 1, 128));
        QCOMPARE(folder.read("data.dat").size(), 320);
    }

    void profilesDialogWithoutASelection()
    {
        Folder folder({}, profilesFile({"Ann", "Bob"}, -1)); InputAnswerer prompt({"Cy"});
        Window window;
        auto *dialog = topLevel<SelProfile>();
        QVERIFY(dialog->isVisible() && dialog->windowModality() == Qt::ApplicationModal);
        // Opens the dialog unless it is open and picks a row; dismiss closes it from its title bar.
        auto pick = [&](int row) { if (!dialog->isVisible()) run(window, "&Profiles");
                                   dialog->list->setCurrentRow(row); return dialog; };
        auto dismiss = [&](int row) { static_cast<QWidget *>(pick(row))->close(); };
        dismiss(-1); QCOMPARE(CurrentProfile, 0);
        dismiss(1); QCOMPARE(CurrentProfile, 0); // a valid selection is kept
        click(pick(-1), "&Add New");
        click(pick(1), "&OK"); QVERIFY(!dialog->isVisible() && CurrentProfile == 1);
        click(pick(1), "&Delete "); // the selected profile: a choice is needed again
        dismiss(0); QCOMPARE(CurrentProfile, 0);
        click(pick(0), "&Delete "); click(pick(0), "&Delete "); // Ann, then Cy, the last one, which stays
        window.close();
        QCOMPARE(folder.read("profiles.dat"), profilesFile({"Cy"}, 0));
    }

    // A profile added in the dialog is selected, and the dialog ends with a choice however it
    // is dismissed: the board then plays for the new profile, and its progress goes there.
    void addedProfileIsTheOneTheBoardPlaysFor()
    {
        for (const bool escape : {false, true}) {
            QByteArray ann;
            QDataStream(&ann, QIODevice::WriteOnly) << qint32(1) << qint32(0) << QString("Ann")
                                                    << qint32(3) << qint32(5) << qint32(0);
            Folder folder({}, ann); InputAnswerer prompt({"Cy"});
            Window window;
            auto *dialog = topLevel<SelProfile>();
            run(window, "&Profiles"); click(dialog, "&Add New");
            QCOMPARE(dialog->list->currentRow(), 1);
            escape ? QTest::keyClick(dialog, Qt::Key_Escape) : void(static_cast<QWidget *>(dialog)->close());
            QVERIFY(!dialog->isVisible() && CurrentProfile == 1);
            BoxAnswerer boxes;
            auto *area = window.findChild<RenderArea *>();
            area->StartPuzzleGame(); // Cy's first stage: no question about Ann's 3-5
            QCOMPARE(boxes.log, QStringList());
            emit area->LevelComplete(1, 2);
            window.close();
            QByteArray both;
            QDataStream(&both, QIODevice::WriteOnly) << qint32(2) << qint32(1) << QString("Ann") << qint32(3)
                << qint32(5) << qint32(0) << QString("Cy") << qint32(1) << qint32(2) << qint32(0);
            QCOMPARE(folder.read("profiles.dat"), both);
        }
    }

    // The commands stay within reach: the toolbar cannot be switched off from its context menu,
    // and the shortcuts work also while it is hidden.
    void commandsReachableWithoutTheToolbar()
    {
        Folder folder;
        Window window; window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *toolbar = window.findChild<QToolBar *>();
        toolbar->toggleViewAction()->trigger();
        QVERIFY(toolbar->isVisible());
        toolbar->hide();
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(topLevel<Top10>()->isVisible());
        topLevel<Top10>()->close();
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    // Every window the game centres, the first-run prompt included, lies in the middle of the
    // primary screen, wherever that screen starts (CTest runs this also on a desktop whose
    // primary screen begins at x = 800). Whether the platform counts the frame in the position
    // is its own affair: a window may be off by its frame's width, not more.
    void windowsCentredOnTheirScreen()
    {
        PlayerFolder folder; InputAnswerer prompt({"Kim"});
        Window window;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        auto centred = [&](const QRect &client, const QRect &frame) {
            const QPoint off = client.center() - screen.center();
            const int slack = 1 + std::max(client.x() - frame.x(), client.y() - frame.y());
            return std::abs(off.x()) <= slack && std::abs(off.y()) <= slack;
        };
        auto placed = [&](QWidget *w) { return centred(w->geometry(), w->frameGeometry()); };
        QVERIFY2(centred(prompt.seen().value(0).geometry, prompt.seen().value(0).frame), "the name prompt");
        QVERIFY2(placed(&window), "the main window");
        QVERIFY2(placed(topLevel<SelProfile>()), "the profiles dialog");
        QVERIFY2(placed(topLevel<Top10>()), "the best results");
        QVERIFY2(placed(topLevel<AboutW>()), "the About window");
    }

    // Every secondary window is attached to the main window, and none outlives it: closing the
    // main window, here from inside the options dialog, closes them all and saves the files.
    void secondaryWindowsGoWithTheMainWindow()
    {
        Folder folder;
        Window window; window.show();
        auto attached = [&](QWidget *w) {
            return w->isVisible() && w->windowHandle()->transientParent() == window.windowHandle();
        };
        run(window, "&Profiles"); QVERIFY(attached(topLevel<SelProfile>()));
        run(window, "&About"); QVERIFY(attached(topLevel<AboutW>()));
        run(window, "&Top 10"); QVERIFY(attached(topLevel<Top10>()));
        bool optionsAttached = false;
        options(window, [&](ConfigDialog *dialog) {
            optionsAttached = attached(dialog);
            dialog->volumeSlider->setValue(40); // not applied: the dialog is not accepted
            window.close();
        }, false);
        QVERIFY(optionsAttached);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 1, 1, 1, 128));
        QCOMPARE(folder.read("profiles.dat"), profilesFile({"Ann"}, 0));
    }

    // The game's name and icon on the desktop, one game per player folder (a lock left by a
    // game that was killed does not count), and the signals of a session's end as requests.
    void livesOnTheDesktop()
    {
        setApplicationIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), "tavni");
        QCOMPARE(QApplication::windowIcon().availableSizes().size(), 4);

        PlayerFolder folder;
        QLockFile first(playerFolderLockPath()), second(playerFolderLockPath());
        QVERIFY(claimPlayerFolder(first));
        BoxAnswerer boxes;
        QVERIFY(!claimPlayerFolder(second));
        QCOMPARE(boxes.log, QStringList("Tavni is already running. [OK] | "));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList("tavni.lock"));
        first.unlock();
        if (const pid_t child = fork(); child == 0) {
            QLockFile killed(playerFolderLockPath());
            killed.lock();
            ::kill(::getpid(), SIGKILL);
        } else {
            QVERIFY(child > 0 && ::waitpid(child, nullptr, 0) == child);
        }
        QVERIFY(QFile::exists("tavni.lock"));
        QVERIFY(claimPlayerFolder(second));

        SessionEnd sessionEnd;
        QSignalSpy requests(&sessionEnd, &SessionEnd::endRequested);
        QVERIFY(!sessionEnd.wasRequested());
        std::raise(SIGTERM);
        QTRY_COMPARE(requests.count(), 1);
        std::raise(SIGHUP);
        QTRY_COMPARE(requests.count(), 2);
        QVERIFY(sessionEnd.wasRequested());
    }

    void sizesAndSecondaryWindows()
    {
        Folder folder;
        Window window; window.show();
        const int bar = window.findChild<QToolBar *>()->height();
        auto fixedAt = [&](QSize size) { return window.minimumSize() == size && window.maximumSize() == size; };
        QVERIFY(fixedAt({402, 402 + bar}));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint) && !flags.testFlag(Qt::WindowMaximizeButtonHint)
                && flags.testFlag(Qt::WindowCloseButtonHint));
        auto *area = window.findChild<RenderArea *>(); auto *preview = topLevel<SPicture>();
        run(window, "P&review"); QVERIFY(!preview->isVisible()); // nothing to preview in the menu
        area->StartClassicGame(); QVERIFY(fixedAt({260, bar + 260 + 70}));
        run(window, "&Profiles"); QVERIFY(!topLevel<SelProfile>()->isVisible()); // not during a game
        // The preview stands beside the frame, level with the client area (the offscreen
        // platform gives windows a frame of 2 pixels; without a frame this is x() + width()).
        const int right = window.frameGeometry().x() + window.frameGeometry().width();
        QVERIFY(right == window.x() + window.width() + 4);
        run(window, "P&review"); QCOMPARE(preview->geometry(), QRect(right, window.geometry().y(), 80, 80));
        run(window, "&Main menu"); QVERIFY(fixedAt({402, 402 + bar}));
        area->StartPuzzleGame(); // Ann's first level: a 5 × 3 picture
        QCOMPARE(preview->geometry(), QRect(window.frameGeometry().x() + window.frameGeometry().width() + 10,
                                            window.geometry().y() + 20, 100, 60));

        // The best results as built, then after a classic win; opening twice adds nothing.
        QStringList built{"Name    Time"}, won{"Name    Time", "1. Ann  42 sec."};
        for (int n = 1; n <= 10; ++n) built << QString("%1. user  %2 sec.").arg(n).arg(n * 10000);
        for (int n = 2; n <= 10; ++n) won << QString("%1. user  %2 sec.").arg(n).arg(n * 10000 - 10000);
        QListWidget *list = topLevel<Top10>()->classicTab->list;
        auto rows = [list] {
            QStringList all;
            for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
            return all;
        };
        run(window, "&Top 10"); QCOMPARE(rows(), built);
        emit area->ClassicGameComplete(42);
        run(window, "&Top 10"); run(window, "&Top 10"); QCOMPARE(rows(), won);
        QVERIFY(preview->isVisible() && list->window()->isVisible());
        window.close(); QVERIFY(!preview->isVisible() && !list->window()->isVisible());
    }

    void optionsColourPatterns()
    {
        Folder folder({{"game.dat", settingsFile(0, 1, 0, 0, 128)}, {"patterns.dat", "1\n"}});
        Window window; window.show();
        auto *box = named<QCheckBox>(topLevel<ConfigDialog>(), "Colour patterns");
        QVERIFY(ColourPatterns == 1 && box->isChecked());
        auto *area = window.findChild<RenderArea *>();
        area->StartClassicGame();
        auto board = [area] { return area->grab().toImage().copy(0, 0, 258, 188); }; // no HUD
        const QImage patterned = board();
        // Applied and stored on accepting, the board redrawn at once; "game.dat" as it was.
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", false); });
        QVERIFY(ColourPatterns == 0 && !QFile::exists("patterns.dat"));
        const QImage plain = board();
        QVERIFY(plain != patterned);
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", true); }, false);
        QVERIFY(ColourPatterns == 0 && board() == plain);
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", true); });
        QVERIFY(ColourPatterns == 1 && folder.read("patterns.dat") == "1\n");
        QCOMPARE(board(), patterned);
        window.close();
        ColourPatterns = 0;
        QCOMPARE(folder.read("game.dat"), settingsFile(0, 1, 0, 0, 128));
    }

    void optionsMusicAndLanguages()
    {
        DiskAudio output(5); // a few times faster than real time
        Folder folder({{"game.dat", settingsFile(1, 2, 1, 0, 128, "missing.qm")}, {"languages/notes.txt", "text"},
                       {"data/music/a.mod", squareWaveModule(30)}, {"data/music/b.mod", squareWaveModule(1)}});
        QFile::copy(TAVNI_TEST_QM_DIR "/deutsch.qm", "languages/a_de.qm");
        QFile::copy(TAVNI_TEST_QM_DIR "/deutsch.qm", "languages/b_de.qm");
        QFile::copy(TAVNI_TEST_QM_DIR "/francais.qm", "languages/c_fr.qm");
        QTranslator missing, translator;
        installTranslation(*qApp, missing); QVERIFY(missing.isEmpty() && LanguageName.isEmpty()); // English
        folder.write("game.dat", settingsFile(1, 2, 1, 0, 128, "b_de.qm")); // the second of two German files
        installTranslation(*qApp, translator); QVERIFY(!translator.isEmpty() && LanguageName == "Deutsch");

        Window window;
        QVERIFY(musicPolls(window) == 0 && CurrentSong == -1); // music off
        options(window, [](ConfigDialog *) {}); // accepted unchanged: written at once, naming the first file
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 2, 1, 0, 128, "a_de.qm"));
        options(window, [](ConfigDialog *dialog) { dialog->volumeSlider->setValue(40);
            dialog->findChild<QComboBox *>()->setCurrentText("Français"); }, false);
        QVERIFY(MasterVolume == 128 && folder.read("game.dat") == settingsFile(1, 2, 1, 0, 128, "a_de.qm"));
        options(window, [](ConfigDialog *dialog) { // still at volume 40, and French
            tick(dialog, "Draw Grid", false); tick(dialog, "Sound", false);
            dialog->findChildren<QSlider *>().first()->setValue(4); });
        QCOMPARE(folder.read("game.dat"), settingsFile(0, 4, 0, 0, 40, "c_fr.qm"));

        // Right plays a song with Music off; Music switched on then keeps it and starts the poll.
        // Switched off, the song goes silent; on again, the next poll starts it afresh.
        QTest::keyClick(&window, Qt::Key_Right);
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", true); });
        QVERIFY(musicPolls(window) == 1 && CurrentSong == 0);
        QVERIFY(output.waitForFrames(output.framesWritten() + framesIn(1.0)));
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", false); });
        const qint64 stopped = output.framesWritten() + framesIn(0.5);
        QVERIFY(output.waitForFrames(stopped + framesIn(1.0)));
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", true); });
        QMetaObject::invokeMethod(&window, "PlayListTime");
        const qint64 resumed = output.framesWritten() + framesIn(0.5);
        QVERIFY(output.waitForFrames(resumed + framesIn(1.0)));
        FSOUND_Close();
        QVERIFY(energy(output.samples(), 0, stopped) > 0);
        QCOMPARE(energy(output.samples(), stopped, stopped + framesIn(1.0)), 0.0);
        QVERIFY(energy(output.samples(), resumed, resumed + framesIn(1.0)) > 0);
        QCOMPARE(CurrentSong, 0); // the stopped song again, not the next
    }

    void startAndKeys_data()
    {
        QTest::addColumn<Start>("start");
        const Qt::Key right = Qt::Key_Right, left = Qt::Key_Left;
        const QByteArray song = squareWaveModule(1);
        const QString noDevice = "Error! Error initializing output device.";
        QTest::newRow("playlist wraps") << Start{128, {{"b.XM", song}, {"a.mod", song}, {"C.it", song}},
                                                 {right, right, right, left, left}, {1, 2, 0, 2, 1}, 128};
        QTest::newRow("one song") << Start{128, {{"only.mod", song}}, {right, left}, {0, 0}, 128};
        QTest::newRow("up at 250") << Start{250, {}, {Qt::Key_Up}, {0}, 255};
        QTest::newRow("down at 10") << Start{10, {}, {Qt::Key_Down}, {0}, 1};
        QTest::newRow("other keys") << Start{128, {{"a.mod", song}, {"b.mod", song}}, {Qt::Key_Space, Qt::Key_Return,
                                             Qt::Key_A, Qt::Key_Escape}, {0, 0, 0, 0}, 128};
        QTest::newRow("text named x.mod") << Start{128, {{"x.mod", "text"}}, {}, {}, 128, {"Error! Song not loaded!"}};
        QTest::newRow("no output device") << Start{128, {}, {}, {}, 128, {noDevice}, 0, "no-such-driver"};
    }
    void startAndKeys()
    {
        QFETCH(Start, start); ScopedEnvironment output("SDL_AUDIODRIVER", start.driver);
        Folder folder({{"game.dat", settingsFile(1, 1, 1, 1, start.volume)}, {"data/music/notes.txt", "text"},
                       {"data/music/folder.mod/inside", "a folder"}});
        for (auto [name, bytes] : start.songs.asKeyValueRange()) folder.write("data/music/" + name, bytes);
        Window window;
        QList<int> songs; for (Qt::Key key : start.keys) { QTest::keyClick(&window, key); songs << CurrentSong; }
        QCOMPARE(songs, start.songAfter);
        QCOMPARE(topLevel<ConfigDialog>()->volumeValue(), start.volumeAfter);
        QStringList seen; for (const RecordedAlert &alert : alerts->alerts()) seen << alert.title + ' ' + alert.text;
        QCOMPARE(seen, start.alerts);
        window.close();
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 1, 1, start.music, start.volumeAfter));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
