// The puzzle core: the shipped levels, reading level files, turning and scrambling the board,
// and painting it, the colour patterns included.
#include "alertrecorder.h"
#include "board.h"
#include "cellpalette.h"
#include "globals.h"
#include "levelfiles.h"
#include "playerfolder.h"
#include "random.h"
#include "series.h"

#include <QFile>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

const QStringList classicRows = {"0,1,2", "3,4,5", "6,7,8"};
const QStringList holedRows = {"11,1,1,11", "2,3,3,2", "2,11,4,2", "1,5,5,11"};
const QString pieceChars = "0123456789#."; // a piece value as art: 10 a wall piece, 11 none

int draws = 0; // made by countedRand, the random source of the scrambling test
int countedRand() { ++draws; return std::rand(); }

// Paints on a white picture, side pixels square, antialiased: RGB32 is the format that cells
// paste their shapes onto, others they draw on directly. Returned as RGB32.
QImage paint(const std::function<void(QPainter &)> &draw, int side = 260, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(side, side, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// Reads count pixels of a painting from `from` on in steps of `step`, one character each: the
// colour's value, '.' for white, '?' for any other.
QString painted(const std::function<void(QPainter &)> &draw, QPoint from, QPoint step, int count)
{
    const QImage image = paint(draw);
    QString text;
    for (QPoint p = from; text.size() < count; p += step)
        text += image.pixelColor(p) == Qt::white ? '.' : "0123456789?"[std::find(cellPalette, cellPalette + 10, image.pixelColor(p)) - cellPalette];
    return text;
}

constexpr int Side = 36; // a cell whose patterns have their smallest unit, 3 pixels

// A cell at (Side, row * Side), its inner pieces the colour of its box but for the top one, and
// no outer piece but the bottom one, drawn with its patterns.
QImage drawn(int row, const QColor &box, const QColor &innerTop, const QColor &outerBottom, QImage::Format format)
{
    Cell cell;
    cell.x = Side;
    cell.y = row * Side;
    cell.size = Side;
    cell.diag = int(std::sqrt(2.0) * Side);
    cell.boxColour = box;
    std::fill_n(cell.inner, 4, box);
    cell.inner[Cell::Top] = innerTop;
    std::fill_n(cell.outer, 4, cellPalette[NoPiece]);
    cell.outer[Cell::Bottom] = outerBottom;
    return paint([&](QPainter &painter) { cell.draw(painter, true); }, 3 * Side, format);
}

// A pixel of a patterned shape: '.' its plain colour, '#' black ink, 'o' white ink, '?' any other.
char ink(QRgb pixel, const QColor &colour)
{
    return pixel == colour.rgb() ? '.' : pixel == qRgb(0, 0, 0) ? '#' : pixel == qRgb(255, 255, 255) ? 'o' : '?';
}

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

private slots:
    // The levels compiled into the game: as many boards as the series plays, none repeating
    // another. That each is a fair puzzle, tst_regression checks of the level files.
    void catalogueHoldsTheSeries()
    {
        const QString path = QStringLiteral(":/levels/levels%1/%2.map");
        std::set<std::pair<int, std::vector<int>>> pictures;
        for (int level = 1; level <= SeriesLevels + 1; ++level) {
            int boards = 0;
            for (Board board; QFile::exists(path.arg(level).arg(boards + 1)); ++boards) {
                board.load(path.arg(level).arg(boards + 1));
                QVERIFY2(pictures.insert({board.columns, board.pieceMap}).second, qPrintable(path.arg(level).arg(boards + 1) + " repeats"));
            }
            // Level 5 holds one board more than the series plays.
            QCOMPARE(boards, subLevelCount(level) + (level == SeriesLevels ? 1 : 0));
        }
        QFile classic(QStringLiteral(":/levels/classic.map"));
        QVERIFY(classic.open(QIODevice::ReadOnly) && classic.readAll() == "1\r\n1\r\n3,3\r\n0,1,2,3,4,5,6,7,8");
    }

    // What the replay of damaged files (tst_regression) does not see: which box a file that
    // is not read raises, that it leaves the previous level as it was, and what the reader
    // skips in a file it reads.
    void readsLevelFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("complaint"); // none for a file read as the level 1,2,11 / 4,5,6
        QTest::newRow("extras") << QByteArray("7\r\n4\r\n3,2,9\r\n1,2,11,4,5,6,7,x,\r\n11\r\n") << "";
        QTest::newRow("width 0") << QByteArray("1\r\n1\r\n0,1\r\n1,") << "is damaged";
        QTest::newRow("value short") << QByteArray("1\r\n1\r\n2,2\r\n1,2,3,") << "is damaged";
        QTest::newRow("missing") << QByteArray() << "not exists";
    }

    void readsLevelFile()
    {
        QFETCH(QByteArray, text); QFETCH(QString, complaint);
        PlayerFolder folder;
        AlertRecorder alerts;
        Board board, expected;
        loadRows(board, {"1,2", "3,4"});
        loadRows(expected, complaint.isEmpty() ? QStringList{"1,2,11", "4,5,6"} : QStringList{"1,2", "3,4"});
        if (!text.isNull())
            folder.write("level.map", text);
        board.load("level.map");
        board.build();
        QStringList boxes;
        for (const RecordedAlert &alert : alerts.alerts())
            boxes << alert.title + ':' + alert.text;
        QCOMPARE(boxes, complaint.isEmpty() ? QStringList() : QStringList("Tavni: file level.map\n\n " + complaint));
        QVERIFY(board.columns == expected.columns && board.pieceCount == expected.pieceCount && board.pieceMap == expected.pieceMap);
    }

    void turnMovesTheLensesAround()
    {
        // Rows 2 to 6 and columns 2 to 9 of a 2 x 2 level's piece map, around cell (1, 1): its inner
        // pieces 1 (top), 2, 4, 6, and the outer pieces facing them 0 (top), 3, 5, 7. Each lens
        // moves whole to the next edge.
        const QStringList art[5] = {
            // start    after a left turn  after a right turn
            {"..0..#..", "..3..#..", "..7..#.."},
            {"..1..2..", "..2..2..", "..6..2.."},
            {"7682322#", "0184522#", "5481022#"},
            {"..4..2..", "..6..2..", "..2..2.."},
            {"..5..4..", "..7..4..", "..3..4.."},
        };
        for (int turn : {1, 2}) {
            Board board;
            loadRows(board, {"1,2", "3,4"});
            const auto at = [&](int r, int c) -> int & { return board.pieceMap[(r + 2) * board.mapColumns + c + 2]; };
            for (int i = 0; i < 40; ++i)
                at(i / 8, i % 8) = pieceChars.indexOf(art[i / 8][0][i % 8]);
            turn == 1 ? board.rotateLeft(1, 1) : board.rotateRight(1, 1);
            for (int i = 0; i < 40; ++i)
                QVERIFY2(pieceChars[at(i / 8, i % 8)] == art[i / 8][turn][i % 8], qPrintable(QString::number(i)));
            // The cell shows the pieces: its own edge middles inside, the neighbours' outside.
            const Cell &cell = board.cells[board.columns + 1];
            const QPoint edges[] = {{1, 2}, {2, 3}, {3, 2}, {2, 1}, {0, 2}, {2, 4}, {4, 2}, {2, 0}};
            for (int e = 0; e < 8; ++e)
                QCOMPARE(e < 4 ? cell.inner[e] : cell.outer[e - 4], cellPalette[at(edges[e].x(), edges[e].y())]);
        }
    }

    void turnsSpareHolesAndWalls()
    {
        // Turns on the ring, on holes and off the board change nothing.
        Board board;
        loadRows(board, holedRows);
        const std::vector<int> solved = board.pieceMap;
        for (const QPoint &p : {QPoint(0, 0), QPoint(5, 2), QPoint(2, 5), QPoint(1, 1), QPoint(3, 2), QPoint(-1, 3), QPoint(3, 99)})
            board.rotateLeft(p.x(), p.y());
        QCOMPARE(board.pieceMap, solved);

        // Black wall pieces (10) pushed into black cells (9) leave them complete.
        Board grey;
        loadRows(board, {"9,0,9"});
        loadRows(grey, {"8,0,8"});
        board.rotateLeft(1, 2);
        grey.rotateLeft(1, 2);
        QVERIFY(board.isSolved() && !grey.isSolved());
        // The target picture: every cell's box colour, row by row.
        std::vector<QColor> colours;
        int width = 0, height = 0;
        loadRows(board, classicRows);
        board.boxColours(colours, width, height);
        QVERIFY(width == 3 && height == 3 && colours == std::vector<QColor>(cellPalette, cellPalette + 9));
    }

    void scramblingShufflesByGameLevel()
    {
        // No game, the classic and the puzzle game, with and without holes, and holes only.
        const struct { QStringList level; GameMode mode; } games[] = {{classicRows, NoGame}, {classicRows, ClassicGame},
            {{"8,0,7,0,8", "7,8,0,8,7"}, PuzzleGame}, {holedRows, PuzzleGame}, {{"11,11", "11,4"}, PuzzleGame}};
        setRandomSource(&countedRand);
        for (const auto &game : games) {
            int drawsAtLevel1 = 0;
            for (GameLevel = 1; GameLevel <= 5; ++GameLevel) {
                Board board;
                loadRows(board, game.level);
                board.mode = game.mode;
                const Board solved = board;
                draws = 0;
                board.shuffle();
                drawsAtLevel1 = GameLevel == 1 ? draws : drawsAtLevel1;
                const bool turned = game.mode != NoGame && solved.pieceCount > 1;
                QVERIFY(std::is_permutation(solved.pieceMap.begin(), solved.pieceMap.end(), board.pieceMap.begin()));
                QCOMPARE(board.isSolved(), !turned);
                // On a board without holes every turn takes as many draws: the game level
                // multiplies the turns.
                if (!game.level.join(',').contains("11"))
                    QVERIFY(draws == GameLevel * drawsAtLevel1 && (draws > 0) == turned);
            }
        }
        setRandomSource(nullptr);
        GameLevel = 0;
    }

    void painting()
    {
        // A 60-pixel cell at (40, 40), down its middle: the outer piece from y = 28, the edge at 40,
        // the inner piece to 52, the square; along its diagonal the corners hold no piece.
        Cell cell;
        cell.x = cell.y = 40;
        cell.boxColour = cellPalette[0];
        std::fill_n(cell.inner, 4, cellPalette[1]);
        std::fill_n(cell.outer, 4, cellPalette[5]);
        const auto square = [&](QPainter &painter) { cell.draw(painter); };
        QCOMPARE(painted(square, {70, 26}, {0, 4}, 23) + painted(square, {26, 70}, {4, 0}, 23) + painted(square, {24, 24}, {7, 7}, 12),
                 ".555111000000000111555..555111000000000111555....00000000.");
        // Its grid: each lens outlined by two arcs, 12 px either side of the edge.
        const auto grid = [&](QPainter &painter) { cell.drawGrid(painter); };
        const QString lenses = "....??" + QString(22, '.') + "??" + QString(34, '.') + "??" + QString(22, '.') + "??";
        QCOMPARE(painted(grid, {70, 23}, {0, 1}, 90) + painted(grid, {23, 70}, {1, 0}, 90), lenses + lenses);

        // Around a board the walls make a frame 30 px thick, 10 px inside the edges (a turn and its
        // undo bring the black wall pieces onto the bars).
        Board board;
        loadRows(board, classicRows);
        board.mode = ClassicGame;
        board.rotateLeft(1, 1);
        board.rotateRight(1, 1);
        const auto all = [&](QPainter &painter) { board.drawAll(painter); };
        QCOMPARE(painted(all, {1, 130}, {6, 0}, 44) + painted(all, {130, 1}, {0, 6}, 44),
                 "..9999933333333334444444444555555555599999.." "..9999911111111114444444444777777777799999..");

        // block around (1, 1) draws cells (1..2, 1..2) with their outer pieces, and no others.
        const auto block = [&](QPainter &painter) { board.drawBlock(painter, 1, 1, 3, 3); };
        QCOMPARE(painted(block, {1, 70}, {6, 0}, 35) + painted(block, {70, 1}, {0, 6}, 35),
                 ".....990000000000111111111122......" ".....990000000000333333333366......");

        // Lens outlines only with DrawGrid on: the top lens of (1, 1) reaches 12 px into the cell.
        DrawGrid = 1;
        QCOMPARE(painted(all, {70, 52}, {}, 1) + painted(block, {70, 52}, {}, 1), "??");
        DrawGrid = 0;
        QCOMPARE(painted(all, {70, 52}, {}, 1), "0");

        // Nothing without a game.
        board.mode = NoGame;
        const auto both = [&](QPainter &painter) { all(painter); block(painter); };
        QCOMPARE(painted(both, {1, 1}, {6, 6}, 43) + painted(both, {1, 130}, {6, 0}, 43), QString(86, '.'));
    }

    // Colour patterns: each colour of a box and of a piece shows its own pattern, pixel for
    // pixel, in its own ink, whichever cell draws it; black stays plain. 12 x 6 pixels inside
    // the box of each colour, 0 to 4 above 5 to 9, inked "#" black or "o" white: a square grid,
    // staggered dots, rows, columns, crossing diagonals, waves, "/" and "\" stripes, checks, and
    // nothing on black.
    void everyColourHasItsPattern()
    {
        const QStringList expected = {
            "############ .#.....#.... ############ #..#..#..#.. ##.##....##.",
            "#.....#..... ###...###... ............ #..#..#..#.. .###......##",
            "#.....#..... .#.....#.... ............ #..#..#..#.. .###......##",
            "#.....#..... ....#.....#. ############ #..#..#..#.. ##.##....##.",
            "#.....#..... ...###...### ............ #..#..#..#.. #...##..##..",
            "#.....#..... ....#.....#. ............ #..#..#..#.. .....####...",
            "oo.........o .##...##...# ##...##...## ......###### ............",
            "oooo.....ooo ##...##...## .##...##...# ......###### ............",
            "..oooo.oooo. #...##...##. ..##...##... ......###### ............",
            "....ooooo... ...##...##.. ...##...##.. ......###### ............",
            "......o..... ..##...##... #...##...##. ......###### ............",
            "............ .##...##...# ##...##...## ......###### ............",
        };
        // On the picture formats that cells paste their shapes onto (RGB32) and draw on (RGB888).
        for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
            QStringList seen(12);
            for (int k = 0; k < 10; ++k) {
                const QImage image = drawn(1, cellPalette[k], cellPalette[k], cellPalette[NoPiece], format);
                for (int i = 0; i < 12 * 6; ++i) // row by row
                    seen[k / 5 * 6 + i / 12] += QString(k % 5 && i % 12 == 0 ? " " : "") + ink(image.pixel(Side + 12 + i % 12, Side + 12 + i / 12), cellPalette[k]);
                // A piece shows the same pattern whether the cell it belongs to or the cell above
                // draws it.
                const QImage below = drawn(1, Qt::black, cellPalette[k], cellPalette[NoPiece], format);
                const QImage above = drawn(0, Qt::black, Qt::black, cellPalette[k], format);
                int shared = 0;
                for (int i = 0; i < Side * Side / 8 && k < 9; ++i) { // the piece's middle, off its edge
                    const QPoint p(Side * 5 / 4 + i % (Side / 2), Side + 1 + i / (Side / 2));
                    const bool plain = below.pixel(p) == cellPalette[k].rgb();
                    QVERIFY2(plain == (above.pixel(p) == cellPalette[k].rgb()), qPrintable(QString::number(k)));
                    shared += plain;
                }
                QVERIFY(k == 9 || shared > 20);
            }
            QCOMPARE(seen, expected); // every two colours told apart
        }
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
