// How cells, walls and lens outlines are painted into the board picture.
#include "board.h"
#include "cellpalette.h"
#include "globals.h"
#include "levelfiles.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawBoard(const Board &board, int width, int height)
{
    QImage image = blankImage(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    board.drawAll(painter);
    return image;
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

struct DrawGridScope {
    explicit DrawGridScope(int on) : saved(DrawGrid) { DrawGrid = on; }
    ~DrawGridScope() { DrawGrid = saved; }
    int saved;
};

} // namespace

class CellDrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void cellSquareAndPiecesHaveTheirShape();
    void wallCellDrawsOnlyItsBars();
    void wallsFrameTheBoard();
    void gridAppearsOnlyWhenSwitchedOn();
    void nothingIsDrawnWithoutAGame();
    void drawBlockTouchesOnlyItsBlock();
};

void CellDrawingTest::cellSquareAndPiecesHaveTheirShape()
{
    Cell cell;
    cell.x = 40;
    cell.y = 40;
    cell.boxColour = Qt::red;
    for (int edge = 0; edge < 4; ++edge) {
        cell.inner[edge] = Qt::green;
        cell.outer[edge] = Qt::blue;
    }
    QImage image = blankImage(160, 160);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        cell.draw(painter);
    }
    // The square fills (40, 40) to (99, 99); its corners are free of pieces.
    QCOMPARE(pixel(image, 45, 45), QColor(Qt::red));
    QCOMPARE(pixel(image, 94, 94), QColor(Qt::red));
    QCOMPARE(pixel(image, 70, 70), QColor(Qt::red));
    // The top inner piece reaches from the edge y = 40 down to y = 52 in the middle.
    QCOMPARE(pixel(image, 70, 42), QColor(Qt::green));
    QCOMPARE(pixel(image, 70, 50), QColor(Qt::green));
    QCOMPARE(pixel(image, 70, 54), QColor(Qt::red));
    // The top outer piece lies above the edge and reaches up to y = 28.
    QCOMPARE(pixel(image, 70, 38), QColor(Qt::blue));
    QCOMPARE(pixel(image, 70, 30), QColor(Qt::blue));
    QCOMPARE(pixel(image, 70, 26), QColor(Qt::white));
    // The same on the other three edges.
    QCOMPARE(pixel(image, 97, 70), QColor(Qt::green));
    QCOMPARE(pixel(image, 102, 70), QColor(Qt::blue));
    QCOMPARE(pixel(image, 70, 110), QColor(Qt::blue));
    QCOMPARE(pixel(image, 70, 114), QColor(Qt::white));
    QCOMPARE(pixel(image, 42, 70), QColor(Qt::green));
    QCOMPARE(pixel(image, 30, 70), QColor(Qt::blue));
    QCOMPARE(pixel(image, 26, 70), QColor(Qt::white));
    // Outside the square's corners nothing is painted.
    QCOMPARE(pixel(image, 36, 36), QColor(Qt::white));
    QCOMPARE(pixel(image, 103, 103), QColor(Qt::white));
}

void CellDrawingTest::wallCellDrawsOnlyItsBars()
{
    // A hole between a playing cell above and one below shows one black rectangle, as tall
    // as the cell, twice as wide, centred on it.
    Board board;
    loadRows(board, {"0", "11", "1"});
    const Cell &hole = board.cells[2 * 3 + 1];
    QVERIFY(hole.isWall && hole.barTop && hole.barBottom && !hole.barLeft && !hole.barRight);
    QCOMPARE(hole.x, 40);
    QCOMPARE(hole.y, 100);

    QImage image = blankImage(200, 200);
    {
        QPainter painter(&image);
        hole.draw(painter);
    }
    for (const QPoint &inside : {QPoint(11, 101), QPoint(128, 101), QPoint(11, 158), QPoint(128, 158),
                                 QPoint(70, 130)})
        QCOMPARE(pixel(image, inside.x(), inside.y()), QColor(Qt::black));
    for (const QPoint &outside : {QPoint(8, 130), QPoint(132, 130), QPoint(70, 98), QPoint(70, 162)})
        QCOMPARE(pixel(image, outside.x(), outside.y()), QColor(Qt::white));
}

void CellDrawingTest::wallsFrameTheBoard()
{
    // On a board without holes the bars form a black frame 30 pixels thick, 10 pixels inside
    // each edge of the 260 x 260 picture.
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    board.mode = 1;
    DrawGridScope grid(0);
    const QImage image = drawBoard(board, 260, 260);

    for (int along : {12, 130, 247}) {
        for (int across : {11, 25}) {
            QCOMPARE(pixel(image, along, across), QColor(Qt::black));
            QCOMPARE(pixel(image, along, 259 - across), QColor(Qt::black));
            QCOMPARE(pixel(image, across, along), QColor(Qt::black));
            QCOMPARE(pixel(image, 259 - across, along), QColor(Qt::black));
        }
        QCOMPARE(pixel(image, along, 5), QColor(Qt::white));
        QCOMPARE(pixel(image, 5, along), QColor(Qt::white));
        QCOMPARE(pixel(image, along, 254), QColor(Qt::white));
        QCOMPARE(pixel(image, 254, along), QColor(Qt::white));
    }
    // The cells lie inside the frame, each in its own colour.
    QCOMPARE(pixel(image, 70, 70), cellPalette[0]);
    QCOMPARE(pixel(image, 190, 190), cellPalette[8]);
    // Cells of value 9 and 10 look the same.
    Board black;
    loadRows(black, {"9,10"});
    black.mode = 2;
    const QImage blackImage = drawBoard(black, 200, 140);
    QCOMPARE(pixel(blackImage, 70, 70), pixel(blackImage, 130, 70));
}

void CellDrawingTest::gridAppearsOnlyWhenSwitchedOn()
{
    Board board;
    loadResource(board, QStringLiteral(":/levels/levels1/1.map"));
    board.mode = 2;
    QImage plain;
    QImage gridded;
    {
        DrawGridScope grid(0);
        plain = drawBoard(board, 380, 260);
    }
    {
        DrawGridScope grid(1);
        gridded = drawBoard(board, 380, 260);
    }
    QVERIFY(plain != gridded);
    // The grey arc of the top lens of cell (1, 1) crosses its middle column 12 pixels into
    // the cell; without the grid that pixel has the cell's colour.
    QCOMPARE(pixel(plain, 70, 52), cellPalette[8]);
    const QColor arc = pixel(gridded, 70, 52);
    QVERIFY(arc != cellPalette[8]);
    QVERIFY(qAbs(arc.red() - arc.green()) < 40);
}

void CellDrawingTest::nothingIsDrawnWithoutAGame()
{
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    board.mode = 0;
    const QImage image = drawBoard(board, 260, 260);
    QImage blank = blankImage(260, 260);
    QCOMPARE(image, blank);
    QImage block = blankImage(260, 260);
    {
        QPainter painter(&block);
        board.drawBlock(painter, 2, 2, 3, 3);
    }
    QCOMPARE(block, blank);
}

void CellDrawingTest::drawBlockTouchesOnlyItsBlock()
{
    Board board;
    loadResource(board, QStringLiteral(":/levels/levels1/1.map"));
    board.mode = 2;
    DrawGridScope grid(1);
    const QImage before = drawBoard(board, 380, 260);

    board.rotateLeft(2, 3);
    QImage partial = before;
    {
        QPainter painter(&partial);
        painter.setRenderHint(QPainter::Antialiasing);
        board.drawBlock(painter, 2, 3, 3, 3);
    }
    const QImage full = drawBoard(board, 380, 260);

    // Cells (1..3, 2..4) span x 100..280 and y 40..220; their outer pieces reach 12 pixels
    // beyond.
    const QRect reach(100 - 13, 40 - 13, 180 + 26, 180 + 26);
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (partial.pixel(x, y) == before.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(reach.contains(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    QVERIFY(changed > 0);
    // Inside the turned cell the partial redraw shows what a full redraw shows.
    for (int y = 105; y < 155; y += 5) {
        for (int x = 165; x < 215; x += 5)
            QCOMPARE(partial.pixelColor(x, y), full.pixelColor(x, y));
    }
}

QTEST_MAIN(CellDrawingTest)
#include "tst_celldrawing.moc"
