// The board model: building, turning, the solved test, scrambling and geometry.
#include "board.h"
#include "cellpalette.h"
#include "globals.h"
#include "levelfiles.h"
#include "random.h"

#include <QTest>
#include <array>
#include <random>

namespace {

// A scripted source of raw random values, replayed in a loop, counting the draws.
std::vector<int> script;
size_t draws = 0;

int scriptedValue()
{
    return script.empty() ? 0 : script[draws++ % script.size()];
}

struct ScriptedRandom {
    explicit ScriptedRandom(std::vector<int> values)
    {
        script = std::move(values);
        draws = 0;
        setRandomSource(&scriptedValue);
    }
    ~ScriptedRandom() { setRandomSource(nullptr); }
};

struct GameLevelScope {
    explicit GameLevelScope(int level) : saved(GameLevel) { GameLevel = level; }
    ~GameLevelScope() { GameLevel = saved; }
    int saved;
};

int entry(const Board &board, int mapRow, int mapCol)
{
    return board.pieceMap[mapRow * board.mapColumns + mapCol];
}

std::array<int, 12> pieceCounts(const Board &board)
{
    std::array<int, 12> counts{};
    for (int value : board.pieceMap)
        ++counts[value];
    return counts;
}

// Every interior cell's colours agree with the map: inner with its own edge middles, outer
// with the neighbours' facing middles, so outer mirrors the neighbour's inner.
void verifyColoursFollowMap(const Board &board)
{
    for (int r = 1; r < board.rows - 1; ++r) {
        for (int c = 1; c < board.columns - 1; ++c) {
            const Cell &cell = board.cells[r * board.columns + c];
            const int cr = 3 * r + 1;
            const int cc = 3 * c + 1;
            QCOMPARE(cell.inner[Cell::Top], cellPalette[entry(board, cr - 1, cc)]);
            QCOMPARE(cell.inner[Cell::Right], cellPalette[entry(board, cr, cc + 1)]);
            QCOMPARE(cell.inner[Cell::Bottom], cellPalette[entry(board, cr + 1, cc)]);
            QCOMPARE(cell.inner[Cell::Left], cellPalette[entry(board, cr, cc - 1)]);
            QCOMPARE(cell.outer[Cell::Top], board.cells[(r - 1) * board.columns + c].inner[Cell::Bottom]);
            QCOMPARE(cell.outer[Cell::Right], board.cells[r * board.columns + c + 1].inner[Cell::Left]);
            QCOMPARE(cell.outer[Cell::Bottom], board.cells[(r + 1) * board.columns + c].inner[Cell::Top]);
            QCOMPARE(cell.outer[Cell::Left], board.cells[r * board.columns + c - 1].inner[Cell::Right]);
        }
    }
}

const QStringList holedLevel = {"11,1,1,11", "2,3,3,2", "2,11,4,2", "1,5,5,11"};

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

private slots:
    void buildMarksWallsAndStartsSolved();
    void turnsUndoEachOther_data();
    void turnsUndoEachOther();
    void randomTurnsConservePiecesAndKeepColoursInStep();
    void turnNextToWallMovesWallPieces();
    void blackNinesAndTensCountAlike();
    void turnsOutsideThePlayingCellsDoNothing();
    void shuffleMakesTheRightNumberOfTurns_data();
    void shuffleMakesTheRightNumberOfTurns();
    void shuffleDrawsDirectionAndCellInOrder();
    void shuffleRedrawsCellsThatAreHoles();
    void oneCellLevelStartsSolved();
    void cellSizeAndLayout();
    void boxColoursGiveTheTargetPicture();
};

void BoardTest::buildMarksWallsAndStartsSolved()
{
    Board board;
    loadRows(board, holedLevel);
    QCOMPARE(board.cellSize, 60);
    QCOMPARE(board.margin, 40);
    QCOMPARE(board.cells.size(), size_t(6 * 6));
    QVERIFY(board.isSolved());

    // The hole at (3, 2) has playing cells on all four sides.
    const Cell &hole = board.cells[3 * 6 + 2];
    QVERIFY(hole.isWall && hole.barTop && hole.barBottom && hole.barLeft && hole.barRight);
    QCOMPARE(hole.boxColour, cellPalette[11]);
    // The corner hole (1, 1) borders (1, 2) and (2, 1) only.
    const Cell &corner = board.cells[1 * 6 + 1];
    QVERIFY(corner.isWall && corner.barRight && corner.barBottom);
    QVERIFY(!corner.barTop && !corner.barLeft);
    // A ring cell beside no playing cell is no wall.
    QVERIFY(!board.cells[0].isWall);

    // Wall pieces lie in the facing edge middles: above (1, 2) and left of (2, 1).
    QCOMPARE(entry(board, 2, 7), 10);
    QCOMPARE(entry(board, 7, 2), 10);
    // The first cell's outer colours were read before the wall pieces were put down.
    QCOMPARE(board.cells[1 * 6 + 2].outer[Cell::Top], cellPalette[11]);
    QCOMPARE(board.cells[1 * 6 + 2].x, 100);
    QCOMPARE(board.cells[1 * 6 + 2].y, 40);
    QCOMPARE(board.cells[0].x, -20);
}

void BoardTest::turnsUndoEachOther_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("classic") << QStringList{"0,1,2", "3,4,5", "6,7,8"};
    QTest::newRow("holes") << holedLevel;
    QTest::newRow("strip") << QStringList{"1,2,3,4,5"};
}

void BoardTest::turnsUndoEachOther()
{
    QFETCH(QStringList, rows);
    Board board;
    loadRows(board, rows);
    board.rotateRight(1, 2); // start from an unsolved board
    const std::vector<int> start = board.pieceMap;
    for (int r = 1; r < board.rows - 1; ++r) {
        for (int c = 1; c < board.columns - 1; ++c) {
            if (board.isHole(r, c))
                continue;
            board.rotateLeft(r, c);
            QVERIFY(board.pieceMap != start);
            board.rotateRight(r, c);
            QCOMPARE(board.pieceMap, start);
            board.rotateRight(r, c);
            board.rotateLeft(r, c);
            QCOMPARE(board.pieceMap, start);
            for (int i = 0; i < 4; ++i)
                board.rotateLeft(r, c);
            QCOMPARE(board.pieceMap, start);
        }
    }
}

void BoardTest::randomTurnsConservePiecesAndKeepColoursInStep()
{
    Board board;
    loadRows(board, holedLevel);
    board.rotateLeft(2, 1);
    const std::array<int, 12> counts = pieceCounts(board);
    std::vector<int> centres;
    for (int r = 0; r < board.rows; ++r) {
        for (int c = 0; c < board.columns; ++c)
            centres.push_back(entry(board, 3 * r + 1, 3 * c + 1));
    }

    std::mt19937 generator(20261206);
    for (int i = 0; i < 2000; ++i) {
        const int r = 1 + int(generator() % 4);
        const int c = 1 + int(generator() % 4);
        if (generator() % 2)
            board.rotateLeft(r, c);
        else
            board.rotateRight(r, c);
    }
    QCOMPARE(pieceCounts(board), counts);
    for (int r = 0, i = 0; r < board.rows; ++r) {
        for (int c = 0; c < board.columns; ++c)
            QCOMPARE(entry(board, 3 * r + 1, 3 * c + 1), centres[i++]);
    }
    verifyColoursFollowMap(board);
}

void BoardTest::turnNextToWallMovesWallPieces()
{
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    board.rotateLeft(1, 1);

    // The wall piece above (1, 1) moved left of it; the one on its left moved below it,
    // into the top of (2, 1); the lens on the right edge moved to the top edge.
    QCOMPARE(entry(board, 4, 2), 10);
    QCOMPARE(entry(board, 6, 4), 10);
    QCOMPARE(entry(board, 2, 4), 1);
    QCOMPARE(entry(board, 4, 6), 3);
    QCOMPARE(board.cells[2 * 5 + 1].inner[Cell::Top], cellPalette[10]);
    QCOMPARE(board.cells[1 * 5 + 1].inner[Cell::Top], cellPalette[0]);
    QCOMPARE(board.cells[1 * 5 + 1].outer[Cell::Top], cellPalette[1]);
    QVERIFY(!board.isSolved());
    verifyColoursFollowMap(board);
}

void BoardTest::blackNinesAndTensCountAlike()
{
    // Turning the middle cell pushes the black wall pieces from above and below it into the
    // two black cells (value 9), which are then still complete.
    Board board;
    loadRows(board, {"9,0,9"});
    const std::vector<int> start = board.pieceMap;
    board.rotateLeft(1, 2);
    QVERIFY(board.pieceMap != start);
    QCOMPARE(entry(board, 4, 5), 10);
    QCOMPARE(entry(board, 4, 9), 10);
    QVERIFY(board.isSolved());

    Board grey;
    loadRows(grey, {"8,0,8"});
    grey.rotateLeft(1, 2);
    QVERIFY(!grey.isSolved());
}

void BoardTest::turnsOutsideThePlayingCellsDoNothing()
{
    Board empty;
    empty.rotateLeft(1, 1);
    empty.rotateRight(0, 0);
    QVERIFY(empty.isHole(1, 1));
    QVERIFY(empty.isSolved());

    Board board;
    loadRows(board, holedLevel);
    const std::vector<int> start = board.pieceMap;
    const QList<QPoint> outside = {{0, 0}, {0, 2}, {5, 2}, {2, 5}, {-1, 3},
                                   {3, 99}, {1, 1}, {3, 2}, {-100000, 7}};
    for (const QPoint &cell : outside) {
        board.rotateLeft(cell.x(), cell.y());
        board.rotateRight(cell.x(), cell.y());
        QVERIFY(board.isHole(cell.x(), cell.y()));
    }
    QCOMPARE(board.pieceMap, start);
}

void BoardTest::shuffleMakesTheRightNumberOfTurns_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("gameLevel");
    QTest::addColumn<int>("expectedTurns");
    // Each turn draws three values when no hole is hit; the example board has 15 cells.
    QTest::newRow("classic, easy") << 1 << 1 << 6;
    QTest::newRow("classic, hard") << 1 << 5 << 30;
    QTest::newRow("puzzle, easy") << 2 << 1 << 11;
    QTest::newRow("puzzle, level 3") << 2 << 3 << 33;
    QTest::newRow("puzzle, hard") << 2 << 5 << 55;
    QTest::newRow("no game") << 0 << 5 << 0;
    QTest::newRow("level unset") << 2 << 0 << 0;
}

void BoardTest::shuffleMakesTheRightNumberOfTurns()
{
    QFETCH(int, mode);
    QFETCH(int, gameLevel);
    QFETCH(int, expectedTurns);
    Board board;
    loadResource(board, mode == 1 ? QStringLiteral(":/levels/classic.map")
                                  : QStringLiteral(":/levels/levels1/1.map"));
    board.mode = mode;
    GameLevelScope level(gameLevel);
    ScriptedRandom random({0});
    board.shuffle();
    QCOMPARE(int(draws), 3 * expectedTurns);
}

void BoardTest::shuffleDrawsDirectionAndCellInOrder()
{
    GameLevelScope level(1);
    Board classic;
    loadResource(classic, QStringLiteral(":/levels/classic.map"));
    classic.mode = 1;
    Board expected = classic;
    {
        // Direction first (1: clockwise), then row and column: six turns of (1, 3).
        ScriptedRandom random({0, 0, 2});
        classic.shuffle();
    }
    for (int i = 0; i < 6; ++i)
        expected.rotateRight(1, 3);
    QCOMPARE(classic.pieceMap, expected.pieceMap);

    Board puzzle;
    loadResource(puzzle, QStringLiteral(":/levels/levels1/1.map"));
    puzzle.mode = 2;
    Board expectedPuzzle = puzzle;
    {
        // Row, then column, then direction (2: anticlockwise): eleven turns of (3, 2).
        ScriptedRandom random({2, 1, 1});
        puzzle.shuffle();
    }
    for (int i = 0; i < 11; ++i)
        expectedPuzzle.rotateLeft(3, 2);
    QCOMPARE(puzzle.pieceMap, expectedPuzzle.pieceMap);
}

void BoardTest::shuffleRedrawsCellsThatAreHoles()
{
    GameLevelScope level(1);
    Board board;
    loadRows(board, holedLevel);
    board.mode = 2;
    QCOMPARE(board.pieceCount, 12);
    Board expected = board;
    {
        // (1, 1) is a hole, so the row and column are drawn again: (2, 3), clockwise.
        ScriptedRandom random({0, 0, 1, 2, 0});
        board.shuffle();
        QCOMPARE(int(draws), 9 * 5);
    }
    for (int i = 0; i < 9; ++i)
        expected.rotateRight(2, 3);
    QCOMPARE(board.pieceMap, expected.pieceMap);
}

void BoardTest::oneCellLevelStartsSolved()
{
    GameLevelScope level(5);
    Board board;
    loadRows(board, {"11,11,11", "11,4,11"});
    board.mode = 2;
    ScriptedRandom random({0});
    board.shuffle();
    QCOMPARE(int(draws), 0);
    QVERIFY(board.isSolved());
}

void BoardTest::cellSizeAndLayout()
{
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    board.setCellSize(46);
    board.layout();
    QCOMPARE(board.cellSize, 46);
    QCOMPARE(board.margin, 33);
    for (const Cell &cell : board.cells) {
        QCOMPARE(cell.size, 46);
        QCOMPARE(cell.diag, 65);
    }
    QCOMPARE(board.cells[1 * 5 + 1].x, 33);
    QCOMPARE(board.cells[1 * 5 + 1].y, 33);
    QCOMPARE(board.cells[2 * 5 + 3].x, 33 + 2 * 46);
    QCOMPARE(board.cells[2 * 5 + 3].y, 33 + 46);
    QCOMPARE(board.cells[0].x, 33 - 46);

    board.setCellSize(51);
    board.layout();
    QCOMPARE(board.margin, 35);
    QCOMPARE(board.cells[0].diag, 72);

    // A new level starts again with 60-pixel cells.
    board.build();
    QCOMPARE(board.cellSize, 60);
    QCOMPARE(board.margin, 40);
    QCOMPARE(board.cells[0].diag, 84);
}

void BoardTest::boxColoursGiveTheTargetPicture()
{
    GameLevelScope level(5);
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    board.mode = 1;
    board.shuffle();
    std::vector<QColor> colours;
    int width = -1;
    int height = -1;
    board.boxColours(colours, width, height);
    QCOMPARE(width, 3);
    QCOMPARE(height, 3);
    QCOMPARE(colours.size(), size_t(9));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(colours[i], cellPalette[i]);

    loadRows(board, holedLevel);
    board.boxColours(colours, width, height);
    QCOMPARE(width, 4);
    QCOMPARE(colours.size(), size_t(16));
    QCOMPARE(colours[0], cellPalette[11]);
    QCOMPARE(colours[1], cellPalette[1]);
    QCOMPARE(colours[9], cellPalette[11]);
}

QTEST_GUILESS_MAIN(BoardTest)
#include "tst_board.moc"
