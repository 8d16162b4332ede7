// The board widget as the window and the player see it: level sizes and backgrounds, presses on
// the board and their sound, the menu screen, the information bar, the game flow and its boxes.
#include "desktop.h"
#include "diskaudio.h"
#include "fmodlayer.h"
#include "gamestage.h"
#include "random.h"

#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTimer>

class RenderAreaTest : public QObject
{
    Q_OBJECT

private slots:
    // Every scrambling turn is then the same turn of cell (1, 1).
    void initTestCase() { setRandomSource([] { return 0; }); }
    void cleanup() { FSOUND_Close(); } // after a failed row too

    void levelsFitTheDesktopAndTakeTurnsOfBackgrounds()
    {
        // Cells keep their 60 pixels where the board fits the desktop, exactly fitting included.
        QCOMPARE(fittedCellSize(18, 13, 60, 40, QSize(1280, 1024)), 60);
        QCOMPARE(fittedCellSize(18, 13, 60, 40, QSize(1024, 768)), 51);
        QCOMPARE(fittedCellSize(18, 13, 60, 40, QSize(1160, 860)), 60);
        GameStage stage;
        for (int tile : {1, 2, 3, 4, 5, 6, 7, 8, 1}) {
            stage.area.StartClassicGame();
            const QImage background = rgb(QImage(QString(":/images/fon/f%1.png").arg(tile)));
            QCOMPARE(shot(stage.area).copy(5, 5, 5, 5), background);
        }
    }

    void pressTurnsTheCellUnderThePointer_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("cell"); // (row, column) of the classic board; (0, 0) for none
        QTest::addColumn<int>("sound");   // the Sound setting
        const QList<std::tuple<QPoint, QPoint, int>> presses = {{{41, 41}, {1, 1}, 1},
            {{40, 100}, {}, 1}, {{100, 40}, {}, 1}, {{100, 99}, {1, 2}, 1}, {{99, 100}, {2, 1}, 1},
            {{219, 219}, {3, 3}, 1}, {{220, 100}, {}, 1}, {{150, 150}, {2, 2}, 0}};
        for (const auto &[at, cell, sound] : presses)
            QTest::addRow("(%d, %d), sound %d", at.x(), at.y(), sound) << at << cell << sound;
    }

    // A left press turns the cell anticlockwise, redraws just its 3 x 3 block, whose outer pieces
    // reach 12 pixels beyond, and with Sound on plays the turn sound; a right press turns it back.
    void pressTurnsTheCellUnderThePointer()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, cell);
        QFETCH(int, sound);
        QVERIFY(QDir::setCurrent(TAVNI_SOURCE_DATA_DIR "/..")); // where data/sound/rotate.wav is
        SoundOn = sound;
        DiskAudio output;
        QVERIFY(FSOUND_Init(44100, 32, 1));
        GameStage stage;
        stage.area.StartClassicGame();
        const Board start = stage.area.board;
        Board turned = start;
        turned.rotateLeft(cell.x(), cell.y()); // cell (0, 0) of the ring does not turn
        QImage before = shot(stage.area);
        QTest::mouseClick(&stage.area, Qt::LeftButton, {}, at);
        QCOMPARE(stage.area.board.pieceMap, turned.pieceMap);

        // Pasting the block's reach from after onto before gives after, the bar below aside.
        const QImage after = shot(stage.area);
        const QRect reach(60 * cell.y() - 93, 60 * cell.x() - 93, 206, 206);
        QCOMPARE(after.copy(reach) != before.copy(reach), !cell.isNull());
        QPainter(&before).drawImage(reach.topLeft(), after.copy(reach));
        QCOMPARE(before.copy(0, 0, 258, 258), after.copy(0, 0, 258, 258));
        QTest::mouseClick(&stage.area, Qt::RightButton, {}, at);
        QCOMPARE(stage.area.board.pieceMap, start.pieceMap);
        QVERIFY(output.waitForFrames(output.framesWritten() + framesIn(0.5)));
        FSOUND_Close();
        QCOMPARE(soundSpans(output.samples()).isEmpty(), cell.isNull() || !sound);
    }

    // What the partial repaints leave on screen (the window's backing store, not a fresh
    // render) is the whole picture: after presses, after the clock's tick, after a stop.
    void screenFollowsTheGame()
    {
        GameStage stage(0);
        stage.area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.area));
        const auto onScreen = [&](const QRect &part) {
            QCoreApplication::processEvents();
            const QPixmap store = stage.area.screen()->grabWindow(stage.area.winId());
            return rgb(store.toImage()).copy(part);
        };
        stage.area.SetPlayer(QStringLiteral("Ada"), 1, 1);
        stage.area.StartPuzzleGame();
        const QRect board(0, 0, stage.area.width(), stage.area.height() - stage.area.hudHeight);
        for (const QPoint at : {QPoint(70, 70), QPoint(130, 190), QPoint(250, 130)}) {
            for (const auto button : {Qt::LeftButton, Qt::RightButton, Qt::LeftButton}) {
                QTest::mouseClick(&stage.area, button, {}, at);
                QCOMPARE(onScreen(board), shot(stage.area).copy(board));
            }
        }
        // A new position shows with the next tick, the seconds aside.
        stage.area.SetPlayer(QStringLiteral("Ada"), 3, 7);
        QVERIFY(QMetaObject::invokeMethod(stage.area.findChild<QTimer *>(), "timeout"));
        const QRect level = stage.area.HudLayout().levelBounds;
        QCOMPARE(onScreen(level), shot(stage.area).copy(level));
        stage.area.StopGame();
        QCOMPARE(onScreen(stage.area.rect()), shot(stage.area));
    }

    // The menu from its double-size picture and the board drawn afresh at every device pixel;
    // CTest runs this again on a screen of pixel ratio 2.
    void paintsAtDevicePixels()
    {
        GameStage stage;
        const qreal ratio = stage.area.devicePixelRatioF();
        const QImage menu = rgb(QImage(ratio > 1 ? ":/images/1@2x.png" : ":/images/1.png"));
        const QRect below(0, 130, 400, 270); // below the greeting
        const QRect part(below.topLeft() * ratio, below.size() * ratio);
        QCOMPARE(shot(stage.area).copy(part), menu.copy(part));

        stage.area.StartClassicGame();
        QImage board(QSize(260, 260) * ratio, QImage::Format_RGB32);
        board.setDevicePixelRatio(ratio);
        board.fill(Qt::white);
        QPainter painter(&board);
        painter.setRenderHint(QPainter::Antialiasing);
        stage.area.board.drawAll(painter);
        painter.end();
        // Inside the black frame everything is the board's own drawing.
        const QRect inside(QPoint(12, 12) * ratio, QSize(236, 236) * ratio);
        QCOMPARE(shot(stage.area).copy(inside), board.copy(inside));
    }

    void menuFollowsThePointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // where it goes from the classic button
        QTest::addColumn<int>("button");     // highlighted: 0 none, 1 classic game, 2 puzzle game
        const QList<QPair<QPoint, int>> hovers = {{{20, 20}, 1}, {{159, 94}, 1}, {{160, 50}, 0},
                                                  {{19, 20}, 0}, {{394, 344}, 2}, {{395, 344}, 0}};
        for (const auto &[pointer, button] : hovers)
            QTest::addRow("(%d, %d)", pointer.x(), pointer.y()) << pointer << button;
    }

    void menuFollowsThePointer()
    {
        QFETCH(QPoint, pointer);
        QFETCH(int, button);
        GameStage stage;
        stage.area.show(); // pointer moves reach only a widget on screen
        QVERIFY(QTest::qWaitForWindowExposed(&stage.area));
        QTest::mouseMove(&stage.area, QPoint(80, 50));
        QTest::mouseMove(&stage.area, pointer);
        const QImage screen = shot(stage.area);
        QCOMPARE(screen.copy(20, 20, 140, 80) == rgb(QImage(":/images/cls.png")), button == 1);
        QCOMPARE(screen.copy(170, 300, 225, 45) == rgb(QImage(":/images/pzl.png")), button == 2);
        // A player without a name is greeted with just "Hello", written from (200, 50).
        const QImage menu = rgb(QImage(":/images/1.png"));
        QVERIFY(screen.copy(200, 30, 50, 24) != menu.copy(200, 30, 50, 24));
        QCOMPARE(screen.copy(250, 30, 150, 24), menu.copy(250, 30, 150, 24));
        // A press anywhere, with any button, starts the game of the button last hovered.
        QTest::mouseClick(&stage.area, Qt::MiddleButton, {}, QPoint(300, 200));
        QCOMPARE(stage.area.board.mode, button);
    }

    void gameFlow_data()
    {
        QTest::addColumn<QPoint>("position"); // the player's puzzle position; (0, 0) plays classic
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("then"); // "press": middle button; "restart": after StopGame
        QTest::addColumn<QStringList>("log"); // the signals and boxes in turn, then the bar
        const auto row = [](const char *tag, QPoint at, QStringList answers, QString then,
                            QStringList out) { QTest::newRow(tag) << at << answers << then << out; };
        const QString ask = "Would you like to continue from your last saved game?\n\nStage: %1 "
                            "[Continue saved game, Start new game] | menu";
        const QString again =
            "Would you like play from the beginning of game? [Start new game, Cancel] | menu";
        const QString done =
            "Level %1 complete!\n\nYou have passed the level for 0 sec. [OK] * | bar: no texts";
        const QString stage = "Stage %1 complete! [OK] * | bar: no texts";
        const QString first = "LevelLoaded(380,260)", bar = "bar: time level";
        row("classic", {}, {}, "press", {"LevelLoaded(260,260)",
            "Congratulations! You have finished classic game for 0 sec.\n\nNow you may try other "
            "type game: Puzzle. [OK] * | bar: time",
            "MainMenuWin()", "ClassicGameComplete(0)", "menu"});
        // A stopped game keeps its position: the question comes again, and is escaped then.
        for (const char *answer : {"<Enter>", "Continue saved game"})
            row(answer, {3, 10}, {answer}, "restart", {ask.arg("3-10"), "LevelLoaded(560,500)",
                ask.arg("3-10"), "LevelComplete(1,1)", first, bar});
        for (const char *answer : {"<Escape>", "<Close>", "Start new game"})
            row(answer, {3, 10}, {answer}, "", {ask.arg("3-10"), "LevelComplete(1,1)", first, bar});
        row("1-74", {1, 74}, {"<Enter>"}, "press", {ask.arg("1-74"), "LevelLoaded(320,320)",
            done.arg("1-74"), stage.arg(1), "LevelComplete(2,1)", "LevelLoaded(560,320)", bar});
        row("4-24", {4, 24}, {"<Enter>"}, "press", {ask.arg("4-24"), "LevelLoaded(520,670)",
            done.arg("4-24"), stage.arg(4), "LevelComplete(5,1)", "LevelLoaded(700,500)", bar});
        row("5-26", {5, 26}, {"<Enter>"}, "press", {ask.arg("5-26"), "LevelLoaded(692,566)",
            done.arg("5-26"), stage.arg(5), "MainMenuWin()", "LevelComplete(6,1)", "menu"});
        row("all played, Cancel", {6, 1}, {"Cancel"}, "", {again, "menu"});
        row("all played, Start new", {6, 1}, {"Start new game"}, "",
            {again, "LevelComplete(1,1)", first, bar});
    }

    void gameFlow()
    {
        QFETCH(QPoint, position);
        QFETCH(QStringList, answers);
        QFETCH(QString, then);
        GameStage stage(0);
        stage.answers = answers;
        stage.area.SetPlayer(QStringLiteral("Ada"), position.x(), position.y());
        position.isNull() ? stage.area.StartClassicGame() : stage.area.StartPuzzleGame();
        if (then == "press")
            QTest::mouseClick(&stage.area, Qt::MiddleButton, {}, QPoint(150, 150));
        if (then == "restart") {
            stage.area.StopGame();
            stage.area.StartPuzzleGame();
        }
        stage.log += stage.look();
        QTEST(stage.log, "log");
    }
};

QTEST_MAIN(RenderAreaTest)
#include "tst_renderarea.moc"
