// The puzzle core: reading level files, turning and scrambling the board, and painting it.
#include "alertrecorder.h"
#include "board.h"
#include "cellpalette.h"
#include "globals.h"
#include "levelfiles.h"
#include "random.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <random>

namespace {

const QStringList classicRows = {"0,1,2", "3,4,5", "6,7,8"};
const QStringList holedRows = {"11,1,1,11", "2,3,3,2", "2,11,4,2", "1,5,5,11"}; // 12 cells

QList<int> script; // raw random values, replayed in a loop
int draws = 0;
int scriptedValue()
{
    return script[draws++ % script.size()];
}

// The sizes, piece count and piece map of a board.
QList<int> contents(const Board &b)
{
    return QList<int>{b.columns, b.rows, b.mapColumns, b.mapRows, b.pieceCount}
        + QList<int>(b.pieceMap.begin(), b.pieceMap.end());
}

// Paints on a white 260 x 260 picture and reads count pixels from `from` on in steps of `step`,
// one character each: the colour's value, '.' for white, '?' for any other.
QString painted(const std::function<void(QPainter &)> &draw, QPoint from, QPoint step, int count)
{
    QImage image(260, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    QString text;
    for (QPoint p = from; text.size() < count; p += step) {
        const QColor colour = image.pixelColor(p);
        const auto value = std::find(cellPalette, cellPalette + 10, colour) - cellPalette;
        text += colour == Qt::white ? '.' : "0123456789?"[value];
    }
    return text;
}

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

private slots:
    void readsLevelFile_data();
    void readsLevelFile();
    void turns();
    void shuffleTurns();
    void painting();
};

void BoardTest::readsLevelFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("expected"); // contents() after reading; none for a bad file
    QTest::addColumn<QString>("complaint");
    // A 3 x 2 level: each value sits in its cell's centre and four edge middles, 11 elsewhere.
    QList<int> small = {5, 4, 15, 12, 5}, map(15 * 12, 11);
    const int values[] = {1, 2, 11, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        for (int offset : {0, -15, 15, -1, 1})
            map[(3 * (i / 3) + 4) * 15 + 3 * (i % 3) + 4 + offset] = values[i];
    }
    const auto row = [](const char *name, const QByteArray &text, const QList<int> &expected,
                        const char *complaint = "is damaged") {
        QTest::newRow(name) << text << expected << QString::fromLatin1(complaint);
    };
    row("LF", "1\n1\n3,2\n1,2,11,4,5,6\n", small + map, "");
    row("CR LF, trailing comma", "1\r\n1\r\n3,2\r\n1,2,11,4,5,6,", small + map, "");
    row("extras", "7\r\n4\r\n3,2,9\r\n1,2,11,4,5,6,7,x,\r\n11\r\n", small + map, "");
    row("hollow", "1\r\n1\r\n1,2\r\n11,11,", QList<int>{3, 4, 9, 12, 0} + QList<int>(108, 11), "");
    row("empty", "", {});
    row("binary", QByteArray("\x00\xff\x01\r\n\x80", 6), {});
    row("three lines", "1\r\n1\r\n2,1\r\n", {});
    row("one size field", "1\r\n1\r\n2\r\n1,2", {});
    row("width 0", "1\r\n1\r\n0,1\r\n1,", {});
    row("height 65", "1\r\n1\r\n1,65\r\n" + QByteArray("1,").repeated(65), {});
    row("value short", "1\r\n1\r\n2,2\r\n1,2,3,", {});
    row("value 12", "1\r\n1\r\n2,1\r\n1,12", {});
    row("value -1", "1\r\n1\r\n2,1\r\n-1,1", {});
    row("missing", "", {}, "not exists");
}

void BoardTest::readsLevelFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, expected);
    QFETCH(QString, complaint);
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    loadRows(board, {"1,2", "3,4"});
    const QList<int> before = contents(board);
    const QString path = dir.filePath(QStringLiteral("level.map"));
    if (complaint != QLatin1String("not exists"))
        writeFile(dir, QStringLiteral("level.map"), text);
    board.load(path);
    QStringList boxes;
    for (const RecordedAlert &alert : alerts.alerts())
        boxes << alert.title + ':' + alert.text;
    QCOMPARE(boxes.join(QLatin1Char('|')),
             complaint.isEmpty() ? QString() : "Tavni: file " + path + "\n\n " + complaint);
    // A file that is not read leaves the previous level as it was.
    QCOMPARE(contents(board), complaint.isEmpty() ? expected : before);
}

void BoardTest::turns()
{
    Board board;
    loadRows(board, holedRows);
    board.rotateLeft(2, 1);
    board.rotateRight(2, 1);
    QVERIFY(board.isSolved()); // a holed board is won again once its turns are undone
    const std::vector<int> pieces = board.pieceMap;
    std::mt19937 random(2024);
    for (int i = 0; i < 300; ++i) {
        const int r = 1 + int(random() % 4), c = 1 + int(random() % 4);
        const std::vector<int> start = board.pieceMap;
        // A left turn undone by a right one, then four left turns: all back in place.
        board.rotateLeft(r, c);
        board.rotateRight(r, c);
        for (int k = 0; k < 4; ++k)
            board.rotateLeft(r, c);
        QCOMPARE(board.pieceMap, start);
        random() % 2 ? board.rotateLeft(r, c) : board.rotateRight(r, c);
    }
    QVERIFY(std::is_permutation(pieces.begin(), pieces.end(), board.pieceMap.begin()));
    QVERIFY(!board.isSolved());
    // Inner colours show the cell's own edge middles, outer ones the neighbours' facing middles.
    const int dr[] = {-1, 0, 1, 0}, dc[] = {0, 1, 0, -1}; // top, right, bottom, left
    for (int i = 0; i < 4 * 16; ++i) { // each edge of each cell of the 4 x 4 level
        const int r = 1 + i / 16, c = 1 + i / 4 % 4, e = i % 4;
        const int edgeMiddle = (3 * r + 1 + dr[e]) * board.mapColumns + 3 * c + 1 + dc[e];
        const Cell &cell = board.cells[r * 6 + c], &next = board.cells[(r + dr[e]) * 6 + c + dc[e]];
        QCOMPARE(cell.inner[e], cellPalette[board.pieceMap[edgeMiddle]]);
        QCOMPARE(cell.outer[e], next.inner[(e + 2) % 4]);
    }
    // Turns on the ring, on holes and off the board change nothing.
    const std::vector<int> scrambled = board.pieceMap;
    for (const QPoint &p : {QPoint(0, 0), QPoint(5, 2), QPoint(2, 5), QPoint(1, 1), QPoint(3, 2),
                            QPoint(-1, 3), QPoint(3, 99)})
        board.rotateLeft(p.x(), p.y());
    QCOMPARE(board.pieceMap, scrambled);

    // On the classic board the wall piece above (1, 1) goes to its left, the one on its left
    // down into (2, 1), and the lens on its right edge up to the top edge.
    loadRows(board, classicRows);
    board.rotateLeft(1, 1);
    const auto at = [&](int r, int c) { return board.pieceMap[r * board.mapColumns + c]; };
    QCOMPARE((QList<int>{at(4, 2), at(6, 4), at(2, 4), at(4, 6)}), (QList<int>{10, 10, 1, 3}));
    QVERIFY(!board.isSolved());
    std::vector<QColor> colours;
    int width = 0, height = 0;
    board.boxColours(colours, width, height);
    QCOMPARE(QSize(width, height), QSize(3, 3));
    QCOMPARE(colours, std::vector<QColor>(cellPalette, cellPalette + 9));
    board.setCellSize(46);
    board.layout();
    const Cell &cell = board.cells[6];
    QCOMPARE((QList<int>{board.margin, cell.x, cell.y, cell.diag}), (QList<int>{33, 33, 33, 65}));

    // Black wall pieces (10) pushed into black cells (9) leave them complete.
    Board grey;
    loadRows(board, {"9,0,9"});
    loadRows(grey, {"8,0,8"});
    board.rotateLeft(1, 2);
    grey.rotateLeft(1, 2);
    QVERIFY(board.isSolved() && !grey.isSolved());
}

void BoardTest::shuffleTurns()
{
    // Classic: direction (1 clockwise), row, column. Puzzle: row and column, again while they
    // name a hole, then direction. Turns: +rc clockwise, -rc anticlockwise, in a loop.
    const QStringList striped = {"8,0,7,0,8", "7,8,0,8,7", "8,0,7,0,8"}; // 15 cells: 11 turns
    const struct {
        QStringList level;
        int mode, gameLevel;
        QList<int> values, turns;
        int turnCount, drawCount;
    } games[] = {{classicRows, 1, 3, {0, 1, 2, 1, 2, 0}, {23, -31}, 18, 54},
                 {striped, 2, 5, {2, 1, 1, 0, 2, 0}, {-32, 13}, 55, 165},
                 {holedRows, 2, 1, {0, 0, 1, 2, 0}, {23}, 9, 45},
                 {classicRows, 0, 5, {0}, {}, 0, 0},
                 {{"11,11", "11,4"}, 2, 5, {0}, {}, 0, 0}};
    for (const auto &game : games) {
        Board board;
        loadRows(board, game.level);
        board.mode = game.mode;
        Board expected = board;
        for (int i = 0; i < game.turnCount; ++i) {
            const int turn = game.turns[i % game.turns.size()];
            if (turn > 0)
                expected.rotateRight(turn / 10, turn % 10);
            else
                expected.rotateLeft(-turn / 10, -turn % 10);
        }
        GameLevel = game.gameLevel;
        script = game.values;
        draws = 0;
        setRandomSource(&scriptedValue);
        board.shuffle();
        setRandomSource(nullptr);
        QCOMPARE(draws, game.drawCount);
        QCOMPARE(board.pieceMap, expected.pieceMap);
        QCOMPARE(board.isSolved(), game.turnCount == 0);
    }
    GameLevel = 0;
}

void BoardTest::painting()
{
    // A 60-pixel cell at (40, 40), down its middle: the outer piece from y = 28, the edge at 40,
    // the inner piece to 52, the square; along its diagonal the corners hold no piece.
    Cell cell;
    cell.x = cell.y = 40;
    cell.boxColour = cellPalette[0];
    std::fill_n(cell.inner, 4, cellPalette[1]);
    std::fill_n(cell.outer, 4, cellPalette[5]);
    const auto square = [&](QPainter &painter) { cell.draw(painter); };
    QCOMPARE(painted(square, {70, 26}, {0, 4}, 23), QStringLiteral(".555111000000000111555."));
    QCOMPARE(painted(square, {26, 70}, {4, 0}, 23), QStringLiteral(".555111000000000111555."));
    QCOMPARE(painted(square, {24, 24}, {7, 7}, 12), QStringLiteral("...00000000."));

    // A hole between two playing cells shows one bar, 120 x 60 at (10, 100).
    Board board;
    loadRows(board, {"0", "11", "1"});
    const auto hole = [&](QPainter &painter) { board.cells[7].draw(painter); };
    QCOMPARE(painted(hole, {2, 130}, {5, 0}, 28), ".." + QString(24, '9') + "..");
    QCOMPARE(painted(hole, {70, 92}, {0, 5}, 16), ".." + QString(12, '9') + "..");

    // Around a board without holes the walls make a frame 30 px thick, 10 px inside the edges
    // (a turn and its undo bring the black wall pieces onto the bars).
    loadRows(board, classicRows);
    board.mode = 1;
    board.rotateLeft(1, 1);
    board.rotateRight(1, 1);
    const auto all = [&](QPainter &painter) { board.drawAll(painter); };
    QCOMPARE(painted(all, {1, 130}, {6, 0}, 44), "..99999333333333344444444445555555555999" "99..");
    QCOMPARE(painted(all, {130, 1}, {0, 6}, 44), "..99999111111111144444444447777777777999" "99..");

    // block around (1, 1) draws cells (1..2, 1..2) with their outer pieces, and no others.
    const auto block = [&](QPainter &painter) { board.drawBlock(painter, 1, 1, 3, 3); };
    QCOMPARE(painted(block, {1, 70}, {6, 0}, 35), ".....990000000000111111111122......");
    QCOMPARE(painted(block, {70, 1}, {0, 6}, 35), ".....990000000000333333333366......");

    // Lens outlines only with DrawGrid on: the top lens of (1, 1) reaches 12 px into the cell.
    DrawGrid = 1;
    QCOMPARE(painted(all, {70, 52}, {}, 1) + painted(block, {70, 52}, {}, 1), "??");
    DrawGrid = 0;
    QCOMPARE(painted(all, {70, 52}, {}, 1), "0");

    // Nothing without a game.
    board.mode = 0;
    const auto both = [&](QPainter &painter) { all(painter); block(painter); };
    QCOMPARE(painted(both, {1, 1}, {6, 6}, 43) + painted(both, {1, 130}, {6, 0}, 43),
             QString(86, '.'));
}

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
