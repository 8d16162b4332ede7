// The board widget's geometry, mouse input and game flow, as the window and the player see them.
#include "boxanswerer.h"
#include "desktop.h"
#include "gamestage.h"
#include "random.h"

#include <QMouseEvent>
#include <QTest>

namespace {

// Every raw random value is 0: each scrambling turn of the classic game is then a clockwise
// turn of cell (1, 1).
int zero()
{
    return 0;
}

struct ZeroRandom {
    ZeroRandom() { setRandomSource(&zero); }
    ~ZeroRandom() { setRandomSource(nullptr); }
};

void press(RenderArea &area, const QPoint &at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(&area, button, Qt::NoModifier, at);
}

// The board's size in playing cells, as the level file gives it.
QSize levelSize(const Board &board)
{
    return QSize(board.columns - 2, board.rows - 2);
}

QSize catalogueSize(int level, int subLevel)
{
    Board board;
    board.load(QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(subLevel));
    return QSize(board.columns - 2, board.rows - 2);
}

} // namespace

class RenderAreaTest : public QObject
{
    Q_OBJECT

private slots:
    void sizeHints();
    void fitsBoardsToTheDesktop_data();
    void fitsBoardsToTheDesktop();
    void classicBoardReportsItsSize();
    void pressTurnsTheCellUnderThePointer_data();
    void pressTurnsTheCellUnderThePointer();
    void leftThenRightRestoresTheBoard();
    void pressCompletesAnAlreadySolvedBoard();
    void classicGameEndsAtTheMenu();
    void savedPositionAsksToContinue_data();
    void savedPositionAsksToContinue();
    void freshProfileStartsWithoutQuestion();
    void lastSubLevelOfALevelShowsTheStageBox();
    void lastSubLevelOfTheSeriesEndsTheGame();
    void finishedSeriesAsksToPlayAgain_data();
    void finishedSeriesAsksToPlayAgain();
    void stopGameKeepsThePosition();
    void menuClickFollowsTheLastHover();
};

void RenderAreaTest::sizeHints()
{
    RenderArea area;
    QCOMPARE(area.sizeHint(), QSize(230, 230));
    QCOMPARE(area.minimumSizeHint(), QSize(50, 50));
    QCOMPARE(area.hudHeight, 70);
    QCOMPARE(area.board.mode, 0);
    QVERIFY(!area.board.active);
}

void RenderAreaTest::fitsBoardsToTheDesktop_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<int>("cellSize");
    QTest::newRow("16 x 11 on 1280 x 1024") << 18 << 13 << QSize(1280, 1024) << 60;
    QTest::newRow("16 x 11 on 1024 x 768") << 18 << 13 << QSize(1024, 768) << 51;
    QTest::newRow("exactly as wide") << 18 << 13 << QSize(1160, 860) << 60;
    QTest::newRow("one pixel short") << 18 << 13 << QSize(1159, 860) << 57;
    QTest::newRow("classic") << 5 << 5 << QSize(800, 600) << 60;
}

void RenderAreaTest::fitsBoardsToTheDesktop()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSize, desktop);
    QFETCH(int, cellSize);
    QCOMPARE(fittedCellSize(columns, rows, 60, 40, desktop), cellSize);
}

void RenderAreaTest::classicBoardReportsItsSize()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.StartClassicGame();
    QCOMPARE(stage.signalLog, QStringList{"LevelLoaded(260,260)"});
    QCOMPARE(stage.area.size(), QSize(258, 328));
    QVERIFY(stage.area.board.active);
    QCOMPARE(stage.area.board.mode, 1);

    // The largest boards do not fit the 800 x 800 test screen with 60-pixel cells.
    const QSize desktop = desktopGeometry().size();
    stage.area.SetPlayer(QStringLiteral("p"), 5, 1);
    BoxAnswerer answers({"Continue saved game"});
    stage.area.StartPuzzleGame();
    const Board &board = stage.area.board;
    const int cell = fittedCellSize(board.columns, board.rows, 60, 40, desktop);
    QVERIFY(cell < 60);
    QCOMPARE(board.cellSize, cell);
    QCOMPARE(board.margin, cell / 2 + 10);
    QCOMPARE(stage.signalLog.last(), QStringLiteral("LevelLoaded(%1,%2)")
                                         .arg((board.columns - 2) * cell + 2 * board.margin)
                                         .arg((board.rows - 2) * cell + 2 * board.margin));
}

void RenderAreaTest::pressTurnsTheCellUnderThePointer_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("cell"); // (row, column); (0, 0) for none
    QTest::newRow("first pixel of (1, 1)") << QPoint(41, 41) << QPoint(1, 1);
    QTest::newRow("left edge of the cells") << QPoint(40, 100) << QPoint(0, 0);
    QTest::newRow("top edge of the cells") << QPoint(100, 40) << QPoint(0, 0);
    QTest::newRow("(1, 2)") << QPoint(100, 99) << QPoint(1, 2);
    QTest::newRow("(2, 1)") << QPoint(99, 100) << QPoint(2, 1);
    QTest::newRow("last pixel of (3, 3)") << QPoint(219, 219) << QPoint(3, 3);
    QTest::newRow("right of the cells") << QPoint(220, 100) << QPoint(0, 0);
    QTest::newRow("in the border") << QPoint(5, 5) << QPoint(0, 0);
}

void RenderAreaTest::pressTurnsTheCellUnderThePointer()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, cell);
    GameLevelScope level(1);
    ZeroRandom random;
    GameStage stage;
    stage.area.StartClassicGame();
    Board expected = stage.area.board;
    QVERIFY(!expected.isSolved());
    if (cell != QPoint(0, 0))
        expected.rotateLeft(cell.x(), cell.y());

    press(stage.area, at);
    QCOMPARE(stage.area.board.pieceMap, expected.pieceMap);
    QVERIFY(stage.area.board.active);
}

void RenderAreaTest::leftThenRightRestoresTheBoard()
{
    GameLevelScope level(1);
    ZeroRandom random;
    GameStage stage;
    stage.area.StartClassicGame();
    const std::vector<int> start = stage.area.board.pieceMap;
    press(stage.area, QPoint(150, 150), Qt::RightButton);
    QVERIFY(stage.area.board.pieceMap != start);
    press(stage.area, QPoint(150, 150), Qt::LeftButton);
    QCOMPARE(stage.area.board.pieceMap, start);
    press(stage.area, QPoint(150, 150), Qt::MiddleButton);
    QCOMPARE(stage.area.board.pieceMap, start);
}

void RenderAreaTest::pressCompletesAnAlreadySolvedBoard()
{
    GameLevelScope level(0);
    GameStage stage;
    BoxAnswerer answers({"OK"});
    stage.area.StartClassicGame();
    QVERIFY(stage.area.board.isSolved());
    press(stage.area, QPoint(3, 3), Qt::MiddleButton);
    QCOMPARE(answers.seen().size(), 1);
    QVERIFY(!stage.area.board.active);
}

void RenderAreaTest::classicGameEndsAtTheMenu()
{
    GameLevelScope level(0);
    GameStage stage;
    BoxAnswerer answers({"<Enter>"});
    stage.area.StartClassicGame();
    press(stage.area, QPoint(3, 3));

    QCOMPARE(answers.seen().size(), 1);
    const SeenBox &box = answers.seen().first();
    QCOMPARE(box.title, QStringLiteral("Tavni"));
    QCOMPARE(box.text, QStringLiteral("Congratulations! You have finished classic game for 0 sec."
                                      "\n\nNow you may try other type game: Puzzle."));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(box.hasPicture);
    QCOMPARE(stage.signalLog, (QStringList{"LevelLoaded(260,260)", "MainMenuWin()",
                                           "ClassicGameComplete(0)"}));
    QVERIFY(!stage.area.board.active);
    QCOMPARE(stage.area.board.mode, 1);
    QCOMPARE(stage.area.size(), QSize(400, 400));
}

void RenderAreaTest::savedPositionAsksToContinue_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("resumes");
    QTest::newRow("Enter") << "<Enter>" << true;
    QTest::newRow("continue button") << "Continue saved game" << true;
    QTest::newRow("Escape") << "<Escape>" << false;
    QTest::newRow("closed") << "<Close>" << false;
    QTest::newRow("start new button") << "Start new game" << false;
}

void RenderAreaTest::savedPositionAsksToContinue()
{
    QFETCH(QString, answer);
    QFETCH(bool, resumes);
    GameLevelScope level(1);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 3, 10);
    BoxAnswerer answers({answer});
    stage.area.StartPuzzleGame();

    QCOMPARE(answers.seen().size(), 1);
    const SeenBox &box = answers.seen().first();
    QCOMPARE(box.text, QStringLiteral("Would you like to continue from your last saved game?\n\n"
                                      "Stage: 3-10"));
    QCOMPARE(box.buttons, (QStringList{"Continue saved game", "Start new game"}));
    QCOMPARE(box.defaultButton, QStringLiteral("Continue saved game"));
    QCOMPARE(box.escapeButton, QStringLiteral("Start new game"));
    QVERIFY(stage.area.board.active);
    QCOMPARE(stage.area.board.mode, 2);
    QCOMPARE(levelSize(stage.area.board), resumes ? catalogueSize(3, 10) : catalogueSize(1, 1));
    QCOMPARE(stage.signalLog.contains("LevelComplete(1,1)"), !resumes);
}

void RenderAreaTest::freshProfileStartsWithoutQuestion()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("New"), 1, 1);
    BoxAnswerer answers;
    stage.area.StartPuzzleGame();
    QVERIFY(answers.seen().isEmpty());
    QCOMPARE(levelSize(stage.area.board), catalogueSize(1, 1));
    QCOMPARE(stage.signalLog.size(), 1);
}

void RenderAreaTest::lastSubLevelOfALevelShowsTheStageBox()
{
    GameLevelScope level(0);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 1, 74);
    BoxAnswerer answers({"<Enter>", "OK", "OK"});
    stage.area.StartPuzzleGame();
    stage.signalLog.clear();
    press(stage.area, QPoint(3, 3));

    QCOMPARE(answers.texts().mid(1), (QStringList{
        "Level 1-74 complete!\n\nYou have passed the level for 0 sec.", "Stage 1 complete!"}));
    QVERIFY(answers.seen()[1].hasPicture && answers.seen()[2].hasPicture);
    const QSize next = catalogueSize(2, 1);
    QCOMPARE(stage.signalLog.first(), QStringLiteral("LevelComplete(2,1)"));
    QCOMPARE(stage.signalLog.size(), 2);
    QVERIFY(stage.signalLog.last().startsWith("LevelLoaded"));
    QVERIFY(stage.area.board.active);
    QCOMPARE(levelSize(stage.area.board), next);
}

void RenderAreaTest::lastSubLevelOfTheSeriesEndsTheGame()
{
    GameLevelScope level(0);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 5, 26);
    BoxAnswerer answers({"<Enter>", "OK", "OK"});
    stage.area.StartPuzzleGame();
    stage.signalLog.clear();
    press(stage.area, QPoint(3, 3));

    QCOMPARE(answers.texts().mid(1), (QStringList{
        "Level 5-26 complete!\n\nYou have passed the level for 0 sec.", "Stage 5 complete!"}));
    QCOMPARE(stage.signalLog, (QStringList{"MainMenuWin()", "LevelComplete(6,1)"}));
    QVERIFY(!stage.area.board.active);
}

void RenderAreaTest::finishedSeriesAsksToPlayAgain_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("starts");
    QTest::newRow("Cancel") << "Cancel" << false;
    QTest::newRow("Escape") << "<Escape>" << false;
    QTest::newRow("Enter") << "<Enter>" << true;
}

void RenderAreaTest::finishedSeriesAsksToPlayAgain()
{
    QFETCH(QString, answer);
    QFETCH(bool, starts);
    GameLevelScope level(1);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 6, 1);
    BoxAnswerer answers({answer});
    stage.area.StartPuzzleGame();

    QCOMPARE(answers.texts(), QStringList{"Would you like play from the beginning of game?"});
    QCOMPARE(answers.seen().first().buttons, (QStringList{"Start new game", "Cancel"}));
    QCOMPARE(answers.seen().first().escapeButton, QStringLiteral("Cancel"));
    QCOMPARE(stage.area.board.active, starts);
    if (starts) {
        QCOMPARE(stage.signalLog.first(), QStringLiteral("LevelComplete(1,1)"));
        QCOMPARE(levelSize(stage.area.board), catalogueSize(1, 1));
    } else {
        QVERIFY(stage.signalLog.isEmpty());
        QCOMPARE(stage.area.board.mode, 0);
        QCOMPARE(stage.area.size(), QSize(400, 400));
    }
}

void RenderAreaTest::stopGameKeepsThePosition()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 2, 5);
    BoxAnswerer answers({"<Enter>", "<Escape>"});
    stage.area.StartPuzzleGame();
    stage.area.StopGame();
    QVERIFY(!stage.area.board.active);
    QCOMPARE(stage.area.board.mode, 0);

    stage.area.StartPuzzleGame();
    QCOMPARE(answers.texts().value(1),
             QStringLiteral("Would you like to continue from your last saved game?\n\nStage: 2-5"));
}

void RenderAreaTest::menuClickFollowsTheLastHover()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 1, 1);
    QTest::mouseMove(&stage.area, QPoint(300, 200));
    press(stage.area, QPoint(300, 200));
    QVERIFY(!stage.area.board.active);

    QTest::mouseMove(&stage.area, QPoint(80, 50));
    press(stage.area, QPoint(300, 200), Qt::RightButton);
    QVERIFY(stage.area.board.active);
    QCOMPARE(stage.area.board.mode, 1);
    QCOMPARE(stage.area.cursor().shape(), Qt::ArrowCursor);

    stage.area.StopGame();
    QTest::mouseMove(&stage.area, QPoint(394, 344));
    QCOMPARE(stage.area.cursor().shape(), Qt::PointingHandCursor);
    press(stage.area, QPoint(0, 0));
    QCOMPARE(stage.area.board.mode, 2);
}

QTEST_MAIN(RenderAreaTest)
#include "tst_renderarea.moc"
