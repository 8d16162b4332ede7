// The main window as a player meets it: the first start, the profiles, the commands, its sizes
// and secondary windows, the options, the music and the language, and its life on the desktop.
#include "aboutw.h"
#include "boxanswerer.h"
#include "configdialog.h"
#include "desktopsession.h"
#include "diskaudio.h"
#include "fmodlayer.h"
#include "languages.h"
#include "messageboxes.h"
#include "playerfolder.h"
#include "renderarea.h"
#include "selprofile.h"
#include "settings.h"
#include "spicture.h"
#include "top10.h"
#include "window.h"
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A working directory holding the given files and profiles, by default "Ann", selected.
struct Folder : PlayerFolder {
    explicit Folder(const QMap<QString, QByteArray> &files = {}, const QByteArray &profiles = profilesFile({"Ann"}, 0))
    { write("profiles.dat", profiles); for (auto [name, bytes] : files.asKeyValueRange()) write(name, bytes); }
};

// "profiles.dat" bytes for (name, level, stage) profiles and the current index.
QByteArray profiles(const QList<std::tuple<QString, int, int>> &all, int current)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(all.size()) << qint32(current);
    for (const auto &[name, level, stage] : all) out << name << qint32(level) << qint32(stage) << qint32(0);
    return bytes;
}

// Whether a window lies in the middle of the primary screen. Whether the platform counts the
// frame in the position is its own affair: a window may be off by its frame's width, not more.
bool centred(QWidget *w)
{
    const QPoint off = w->geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    const QPoint frame = w->geometry().topLeft() - w->frameGeometry().topLeft();
    const int slack = 1 + std::max(frame.x(), frame.y());
    return std::abs(off.x()) <= slack && std::abs(off.y()) <= slack;
}

// Answers boxes and prompts, logging the title of each and whether it stood in the middle.
struct Boxes : BoxAnswerer {
    using BoxAnswerer::BoxAnswerer;
    QString look() override { QWidget *open = QApplication::activeModalWidget(); return open->windowTitle() + (centred(open) ? "" : " (aside)"); }
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

// Runs Options; while it is open, change sets its controls, then the dialog is accepted with its
// Close button or closed from the title bar.
void options(Window &window, const std::function<void(ConfigDialog *)> &change, bool accept = true)
{
    QTimer::singleShot(0, &window, [=] { auto *dialog = topLevel<ConfigDialog>(); change(dialog);
                                         accept ? click(dialog, "Close") : void(dialog->close()); });
    run(window, "&Options");
}

// A start with the stored volume, the music files and the sound driver, then the keys pressed: the
// current song after each key, then the volume, the boxes shown and the music switch.
struct Start { int volume; QMap<QString, QByteArray> songs; QList<Qt::Key> keys; QList<int> songAfter;
               int volumeAfter; QStringList boxes = {}; int music = 1; QByteArray driver = "dummy"; };

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installMessageBoxes(); qputenv("SDL_AUDIODRIVER", "dummy"); } // silent, on any machine
    void init() { LanguageName.clear(); }
    void cleanup() { FSOUND_Close(); }

    // The name prompt offers the home folder's name; the profile takes the name cut to 20
    // characters, or "User". Every window the game centres, the prompt included, lies in the
    // middle of the primary screen, wherever that screen starts (CTest runs this also on a
    // desktop whose primary screen begins at x = 800).
    void firstStart_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("cancelled") << "<Escape>" << "User";
        QTest::newRow("25 characters") << QString(20, 'a') + "bbbbb" << QString(20, 'a');
    }
    void firstStart()
    {
        QFETCH(QString, answer); QFETCH(QString, stored);
        PlayerFolder folder; ScopedEnvironment home("HOME", (QDir::tempPath() + "/kim").toUtf8());
        Boxes prompt({answer});
        Window window;
        QCOMPARE(prompt.log, QStringList("Creating new profile|Enter your name:|kim | Creating new profile"));
        for (QWidget *centre : QList<QWidget *>{&window, topLevel<SelProfile>(), topLevel<Top10>(), topLevel<AboutW>()})
            QVERIFY2(centred(centre), centre->metaObject()->className());
        window.close();
        QCOMPARE(folder.read("profiles.dat"), profilesFile({stored}, 0));
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 1, 1, 1, 128));
    }

    // Without a valid selection the profiles dialog ends with a choice however it is dismissed.
    // A profile added is selected: the board then plays for it, and its progress and its best
    // results go there. The best results show, on their one page, the ten places however often
    // they are opened.
    void profilesDialog()
    {
        Folder folder({}, profiles({{"Ann", 3, 5}, {"Bob", 1, 1}}, -1)); Boxes boxes({"Cy"});
        Window window;
        auto *dialog = topLevel<SelProfile>(); auto *area = window.findChild<RenderArea *>();
        QVERIFY(dialog->isVisible() && dialog->windowModality() == Qt::ApplicationModal);
        // Opens the dialog unless it is open and picks a row; dismiss closes it from its title bar.
        auto pick = [&](int row) { if (!dialog->isVisible()) run(window, "&Profiles");
                                   dialog->list->setCurrentRow(row); return dialog; };
        auto dismiss = [&](int row) { static_cast<QWidget *>(pick(row))->close(); return CurrentProfile; };
        QCOMPARE(dismiss(-1), 0);
        QCOMPARE(dismiss(1), 0); // a valid selection is kept
        click(pick(0), "&Add New"); QTest::keyClick(dialog, Qt::Key_Escape);
        area->StartPuzzleGame(); // Cy's first stage: no question about Ann's 3-5
        emit area->LevelComplete(1, 2); emit area->ClassicGameComplete(42);
        area->StopGame();
        click(pick(1), "&Delete "); // Bob, before the selected Cy: a choice is needed again
        QCOMPARE(dismiss(1), 1);
        click(pick(0), "&Delete "); click(pick(0), "&Delete "); // Ann, then Cy, the last one, which stays
        QStringList won{"Name    Time", "1. Cy  42 sec."}, rows;
        for (int n = 2; n <= 10; ++n) won << QString("%1. user  %2 sec.").arg(n).arg(n * 10000 - 10000);
        run(window, "&Top 10"); run(window, "&Top 10");
        Top10 *top = topLevel<Top10>();
        for (int i = 0; i < top->classicTab->list->count(); ++i) rows << top->classicTab->list->item(i)->text();
        QVERIFY(rows == won && top->tabs->count() == 1 && !top->isAncestorOf(top->puzzleTab));
        window.close();
        QCOMPARE(boxes.log.size(), 1);
        QCOMPARE(folder.read("profiles.dat"), profiles({{"Cy", 1, 2}}, 0));
        QVERIFY(folder.read("data.dat").startsWith(QByteArray::fromHex("00000004 0043 0079 0000002a"))); // "Cy", 42
    }

    // The seven commands answer their shortcuts also while the toolbar is hidden, and its context
    // menu cannot hide it. The window's size is fixed to the board's, the preview stands beside
    // its frame, level with the client area (the offscreen platform gives windows a frame of 2
    // pixels), and every secondary window shows attached to it, also under the desktop session's
    // watch. None outlives the main window: closing it, here from inside the options dialog,
    // closes them all.
    void commandsSizesAndSecondaryWindows()
    {
        Folder folder; SessionEnd session;
        Window window; window.show();
        auto *toolbar = window.findChild<QToolBar *>(); auto *area = window.findChild<RenderArea *>();
        auto *preview = topLevel<SPicture>(); const int bar = toolbar->height();
        toolbar->toggleViewAction()->trigger(); QVERIFY(toolbar->isVisible());
        toolbar->hide();
        auto fixedAt = [&](QSize size) { return window.minimumSize() == size && window.maximumSize() == size; };
        auto attached = [&](QWidget *w) { return w->isVisible() && w->windowHandle()->transientParent() == window.windowHandle(); };
        QStringList opened; // the modal windows, the options dialog in its own event loop
        const auto press = [&](Qt::Key key) {
            QTimer::singleShot(0, &window, [&] { if (QWidget *modal = QApplication::activeModalWidget()) {
                opened << modal->metaObject()->className() + QString(attached(modal) ? "" : " (loose)"); modal->close(); } });
            QApplication::setActiveWindow(&window); // a closed window may keep the focus offscreen
            QTest::keyClick(&window, key, Qt::ControlModifier);
            QCoreApplication::processEvents();
        };
        for (Qt::Key key : {Qt::Key_P, Qt::Key_U, Qt::Key_T, Qt::Key_A, Qt::Key_O}) press(key);
        QVERIFY(fixedAt({402, 402 + bar}) && !preview->isVisible()); // nothing to preview in the menu
        area->StartClassicGame(); QVERIFY(fixedAt({260, bar + 260 + 70}));
        press(Qt::Key_U); press(Qt::Key_P); // no profiles during a game
        QCOMPARE(opened, QStringList({"SelProfile", "Top10", "AboutW", "ConfigDialog"}));
        QVERIFY(attached(preview) && preview->geometry() == QRect(window.geometry().right() + 3, window.geometry().y(), 80, 80));
        press(Qt::Key_M); QVERIFY(!area->board.active && fixedAt({402, 402 + bar}));
        area->StartPuzzleGame(); // Ann's first level: a 5 × 3 picture
        QCOMPARE(preview->geometry(), QRect(window.geometry().right() + 13, window.geometry().y() + 20, 100, 60));
        run(window, "&Main menu"); run(window, "&Profiles"); run(window, "&About"); run(window, "&Top 10");
        options(window, [&](ConfigDialog *) { window.close(); }, false);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
        window.show(); press(Qt::Key_Q); QVERIFY(!window.isVisible());
    }

    // The game's name and icon on the desktop, and one game per player folder: a lock left by a
    // game that was killed does not count.
    void livesOnTheDesktop()
    {
        setApplicationIdentity();
        QVERIFY(QGuiApplication::desktopFileName() == "tavni" && QApplication::windowIcon().availableSizes().size() == 4);
        PlayerFolder folder; Boxes boxes;
        QLockFile first(playerFolderLockPath()), second(playerFolderLockPath());
        QVERIFY(claimPlayerFolder(first) && !claimPlayerFolder(second));
        QCOMPARE(boxes.log, QStringList("Tavni is already running. [OK] | Tavni"));
        first.unlock();
        if (QLockFile killed(playerFolderLockPath()); fork() == 0) // a game killed while it holds the lock
            killed.lock(), ::kill(::getpid(), SIGKILL);
        ::wait(nullptr);
        QVERIFY(QFile::exists("tavni.lock") && claimPlayerFolder(second));
    }

    // Options apply on Close only: the board redrawn at once, "game.dat" and "patterns.dat"
    // written, the music started and stopped, and the language spoken at the next start.
    void optionsAppliedOnClose()
    {
        DiskAudio output;
        Folder folder({{"game.dat", settingsFile(1, 2, 1, 0, 128)}, {"patterns.dat", "1\n"}, {"languages/notes.txt", "text"},
                       {"data/music/a.mod", squareWaveModule(127)}, {"data/music/b.mod", squareWaveModule(1)}});
        QFile::copy(TAVNI_TEST_QM_DIR "/deutsch.qm", "languages/a_de.qm");
        Window window; window.show();
        QVERIFY(named<QCheckBox>(topLevel<ConfigDialog>(), "Colour patterns")->isChecked());
        auto *area = window.findChild<RenderArea *>();
        area->StartClassicGame();
        auto board = [area] { return area->grab().toImage().copy(0, 0, 258, 188); }; // no HUD
        const QImage patterned = board();
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", false); }, false);
        QVERIFY(board() == patterned && folder.read("game.dat") == settingsFile(1, 2, 1, 0, 128));
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", false); });
        QVERIFY(board() != patterned && !QFile::exists("patterns.dat"));
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Colour patterns", true); });
        QVERIFY(board() == patterned && folder.read("patterns.dat") == "1\n");
        options(window, [](ConfigDialog *dialog) {
            tick(dialog, "Draw Grid", false); tick(dialog, "Sound", false); tick(dialog, "Colour patterns", false);
            dialog->findChildren<QSlider *>().first()->setValue(4); dialog->volumeSlider->setValue(40);
            dialog->findChild<QComboBox *>()->setCurrentText("Deutsch"); });
        QCOMPARE(folder.read("game.dat"), settingsFile(0, 4, 0, 0, 40, "a_de.qm"));
        QTranslator translator; installTranslation(*qApp, translator);
        QCOMPARE(QCoreApplication::translate("Window", "English") + ' ' + LanguageName, "Deutsch Deutsch");
        QCoreApplication::removeTranslator(&translator);

        // Right plays a song with Music off; Music switched on then keeps it and starts the poll.
        // Switched off, the song goes silent; on again, the next poll starts it afresh.
        QTest::keyClick(&window, Qt::Key_Right);
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", true); });
        QVERIFY(window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly).size() == 1 && CurrentSong == 0);
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", false); });
        const qint64 stopped = output.framesWritten() + writeSlack;
        QVERIFY(output.waitForFrames(stopped + framesIn(1.0)));
        options(window, [](ConfigDialog *dialog) { tick(dialog, "Music", true); });
        QMetaObject::invokeMethod(&window, "PlayListTime");
        const qint64 resumed = output.framesWritten() + writeSlack;
        QVERIFY(output.waitForFrames(resumed + framesIn(1.0)));
        FSOUND_Close();
        const QVector<qint16> played = output.samples();
        QVERIFY(energy(played, 0, stopped) > 0 && energy(played, resumed, resumed + framesIn(1.0)) > 0);
        QCOMPARE(energy(played, stopped, stopped + framesIn(1.0)), 0.0);
        QCOMPARE(CurrentSong, 0); // the stopped song again, not the next
    }

    // The playlist, sorted by name whatever the case, wraps both ways; other keys leave it alone.
    void startAndKeys_data()
    {
        QTest::addColumn<Start>("start");
        const Qt::Key right = Qt::Key_Right, left = Qt::Key_Left;
        const QByteArray song = squareWaveModule(1);
        QTest::newRow("playlist wraps") << Start{128, {{"b.XM", song}, {"a.mod", song}, {"C.it", song}},
            {right, Qt::Key_Space, right, Qt::Key_A, right, left, Qt::Key_Return, Qt::Key_Escape, left}, {1, 1, 2, 2, 0, 2, 2, 2, 1}, 128};
        QTest::newRow("one song") << Start{128, {{"only.mod", song}}, {right, left}, {0, 0}, 128};
        QTest::newRow("up at 250") << Start{250, {}, {Qt::Key_Up}, {0}, 255};
        QTest::newRow("down at 10") << Start{10, {}, {Qt::Key_Down}, {0}, 1};
        QTest::newRow("text named x.mod") << Start{128, {{"x.mod", "text"}}, {}, {}, 128, {"Song not loaded! [OK] | Error!"}};
        QTest::newRow("no output device") << Start{128, {}, {}, {}, 128,
                                                   {"Error initializing output device. [OK] | Error!"}, 0, "no-such-driver"};
    }
    void startAndKeys()
    {
        QFETCH(Start, start); ScopedEnvironment output("SDL_AUDIODRIVER", start.driver);
        Folder folder({{"game.dat", settingsFile(1, 1, 1, 1, start.volume)}, {"data/music/notes.txt", "text"},
                       {"data/music/folder.mod/inside", "a folder"}});
        for (auto [name, bytes] : start.songs.asKeyValueRange()) folder.write("data/music/" + name, bytes);
        Boxes boxes;
        Window window;
        QList<int> songs; for (Qt::Key key : start.keys) { QTest::keyClick(&window, key); songs << CurrentSong; }
        QCOMPARE(songs, start.songAfter);
        QCOMPARE(boxes.log, start.boxes);
        window.close();
        QCOMPARE(folder.read("game.dat"), settingsFile(1, 1, 1, start.music, start.volumeAfter));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
