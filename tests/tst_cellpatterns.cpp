// Colour patterns: every colour of a box and of a piece tells itself apart by its pattern alone,
// its ink stands out in every kind of colour vision, and black and holes stay plain.
#include "board.h"
#include "cellpalette.h"
#include "desktop.h"
#include "globals.h"
#include "levelfiles.h"

#include <QFile>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr int Patterned = 9; // the colours 0 to 8
constexpr int Black = 9;

// How a colour is seen: a matrix on linear RGB. The dichromacies are those of Machado, Oliveira
// and Fernandes, "A Physiologically-based Model for Simulation of Color Vision Deficiency",
// IEEE TVCG 15(6), 2009, at severity 1.0; greyscale keeps the colour, whose luminance is all
// the contrast measures.
struct Vision {
    const char *name;
    double matrix[3][3];
};
const Vision visions[] = {
    {"greyscale", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {"protanopia",
     {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},
    {"deuteranopia",
     {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},
    {"tritanopia",
     {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},
};

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance (WCAG) of the colour as the vision sees it.
double luminance(QRgb colour, const Vision &vision)
{
    const double rgb[3] = {linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    double total = 0;
    for (int row = 0; row < 3; ++row) {
        const double seen = vision.matrix[row][0] * rgb[0] + vision.matrix[row][1] * rgb[1]
            + vision.matrix[row][2] * rgb[2];
        total += weights[row] * std::clamp(seen, 0.0, 1.0);
    }
    return total;
}

double contrast(QRgb a, QRgb b, const Vision &vision)
{
    const double first = luminance(a, vision);
    const double second = luminance(b, vision);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The cell size that the tallest or widest board of the catalogue gets on a 1024 x 768 desktop.
int smallestFittedSize()
{
    int smallest = 60;
    for (int level = 1; level <= 5; ++level) {
        for (int sub = 1;; ++sub) {
            const QString path = QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(sub);
            if (!QFile::exists(path))
                break;
            Board board;
            board.load(path);
            board.build();
            smallest = std::min(smallest, fittedCellSize(board.columns, board.rows, 60, 40,
                                                         QSize(1024, 768)));
        }
    }
    return smallest;
}

// A cell at (size, size) as the board lays it out: its box and pieces black but for the one
// coloured shape.
Cell cellAt(int size, int row)
{
    Cell cell;
    cell.x = size;
    cell.y = row * size;
    cell.size = size;
    cell.diag = int(std::sqrt(2.0 * size * size));
    cell.boxColour = cellPalette[Black];
    std::fill_n(cell.inner, 4, cellPalette[Black]);
    std::fill_n(cell.outer, 4, cellPalette[NoPiece]);
    return cell;
}

QImage render(const Cell &cell, int ratio, QImage::Format format, bool patterns)
{
    const int side = 3 * cell.size * ratio;
    QImage image(side, side, format);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    ColourPatterns = patterns ? 1 : 0;
    cell.draw(painter);
    ColourPatterns = 0;
    return image.convertToFormat(QImage::Format_RGB32);
}

// What the patterns do to one shape of one colour: the pixels that are the plain colour without
// the pattern, which of them the pattern inks, and their colours with it.
struct Shape {
    std::vector<QPoint> area;
    std::vector<bool> ink;
    std::vector<QRgb> painted;
};

Shape shapeOf(const Cell &cell, QRgb colour, int ratio, QImage::Format format)
{
    const QImage plain = render(cell, ratio, format, false);
    const QImage patterned = render(cell, ratio, format, true);
    Shape shape;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != colour)
                continue;
            shape.area.push_back({x, y});
            shape.ink.push_back(patterned.pixel(x, y) != colour);
            shape.painted.push_back(patterned.pixel(x, y));
        }
    }
    return shape;
}

// The box of the colour, and its top piece, painted once as the cell's own inner piece and
// once as the outer piece of the cell above.
struct Looks {
    Shape box[Patterned];
    Shape piece[Patterned];
    Shape pieceFromAbove[Patterned];
};

Looks looksAt(int size, int ratio, QImage::Format format)
{
    Looks looks;
    for (int k = 0; k < Patterned; ++k) {
        const QRgb colour = cellPalette[k].rgb();
        Cell box = cellAt(size, 1);
        box.boxColour = cellPalette[k];
        looks.box[k] = shapeOf(box, colour, ratio, format);
        Cell below = cellAt(size, 1);
        below.inner[Cell::Top] = cellPalette[k];
        looks.piece[k] = shapeOf(below, colour, ratio, format);
        Cell above = cellAt(size, 0);
        above.outer[Cell::Bottom] = cellPalette[k];
        looks.pieceFromAbove[k] = shapeOf(above, colour, ratio, format);
    }
    return looks;
}

// The share of the pixels of both areas that one shape inks and the other does not; -1 unless
// nearly all of the smaller area lies in the larger (the pieces drawn after a shape, and its
// antialiased edges, take some of it away).
double difference(const Shape &a, const Shape &b)
{
    std::map<std::pair<int, int>, bool> inkOfA;
    for (size_t i = 0; i < a.area.size(); ++i)
        inkOfA[{a.area[i].x(), a.area[i].y()}] = a.ink[i];
    int common = 0;
    int differing = 0;
    for (size_t i = 0; i < b.area.size(); ++i) {
        const auto found = inkOfA.find({b.area[i].x(), b.area[i].y()});
        if (found == inkOfA.end())
            continue;
        ++common;
        differing += found->second != b.ink[i] ? 1 : 0;
    }
    if (common < 0.95 * double(std::min(a.area.size(), b.area.size())))
        return -1;
    return double(differing) / double(common);
}

double inkShare(const Shape &shape)
{
    return double(std::count(shape.ink.begin(), shape.ink.end(), true))
        / double(shape.area.size());
}

// The colour of the fully inked pixels: the commonest of the inked ones.
QRgb inkOf(const Shape &shape, int &count)
{
    std::map<QRgb, int> tally;
    for (size_t i = 0; i < shape.ink.size(); ++i)
        tally[shape.painted[i]] += shape.ink[i] ? 1 : 0;
    const auto commonest = std::max_element(
        tally.begin(), tally.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    count = commonest == tally.end() ? 0 : commonest->second;
    return commonest == tally.end() ? 0 : commonest->first;
}

} // namespace

class CellPatternsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyColourHasAPatternOfItsOwn_data() { sizes_data(); }
    void everyColourHasAPatternOfItsOwn();
    void inkStandsOutInEveryColourVision_data() { sizes_data(); }
    void inkStandsOutInEveryColourVision();
    void blackWallsAndHolesStayPlain();

private:
    void sizes_data();

    int smallest = 0;
    double worstContrast = 100;
};

void CellPatternsTest::initTestCase()
{
    smallest = smallestFittedSize();
    // The tallest boards of the catalogue are 16 cells high: 768 / 20.
    QCOMPARE(smallest, 38);
}

void CellPatternsTest::sizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("format"); // of the painted picture: RGB32 is pasted, RGB888 drawn
    QTest::newRow("60 px") << 60 << 1 << int(QImage::Format_RGB32);
    QTest::newRow("smallest fitted") << smallest << 1 << int(QImage::Format_RGB32);
    QTest::newRow("60 px at ratio 2") << 60 << 2 << int(QImage::Format_RGB32);
    QTest::newRow("smallest at ratio 2") << smallest << 2 << int(QImage::Format_RGB32);
    QTest::newRow("60 px drawn directly") << 60 << 1 << int(QImage::Format_RGB888);
}

void CellPatternsTest::everyColourHasAPatternOfItsOwn()
{
    QFETCH(int, size);
    QFETCH(int, ratio);
    QFETCH(int, format);
    const Looks looks = looksAt(size, ratio, QImage::Format(format));
    for (int k = 0; k < Patterned; ++k) {
        const QByteArray name = "colour " + QByteArray::number(k);
        // The piece shows enough of its pattern to read, and leaves its colour seen.
        for (const Shape *shape : {&looks.box[k], &looks.piece[k]}) {
            QVERIFY2(shape->area.size() > size_t(60 * ratio * ratio), name);
            QVERIFY2(inkShare(*shape) > 0.2 && inkShare(*shape) < 0.6, name);
        }
        // The two cells that paint a piece paint the same pattern.
        QCOMPARE(difference(looks.pieceFromAbove[k], looks.piece[k]), 0.0);
        for (int j = 0; j < k; ++j) {
            const QByteArray pair = name + " and " + QByteArray::number(j);
            QVERIFY2(difference(looks.box[k], looks.box[j]) > 0.2, pair + ", boxes");
            QVERIFY2(difference(looks.piece[k], looks.piece[j]) > 0.2, pair + ", pieces");
        }
    }
}

void CellPatternsTest::inkStandsOutInEveryColourVision()
{
    QFETCH(int, size);
    QFETCH(int, ratio);
    QFETCH(int, format);
    const Looks looks = looksAt(size, ratio, QImage::Format(format));
    for (int k = 0; k < Patterned; ++k) {
        for (const Shape *shape : {&looks.box[k], &looks.piece[k]}) {
            // Most of the ink is at full strength: the patterns are not smoothed.
            int count = 0;
            const QRgb ink = inkOf(*shape, count);
            const double inked = double(std::count(shape->ink.begin(), shape->ink.end(), true));
            QVERIFY2(count > 0.9 * inked, QByteArray::number(k));
            for (const Vision &vision : visions) {
                const double ratioSeen = contrast(ink, cellPalette[k].rgb(), vision);
                worstContrast = std::min(worstContrast, ratioSeen);
                QVERIFY2(ratioSeen >= 3.0, QByteArray("colour ") + QByteArray::number(k) + ", "
                                               + vision.name + ": "
                                               + QByteArray::number(ratioSeen, 'f', 2));
            }
        }
    }
    qInfo("worst contrast so far: %.2f", worstContrast);
}

void CellPatternsTest::blackWallsAndHolesStayPlain()
{
    // Black cells of both values, holes, the walls around them and the black wall pieces.
    Board board;
    loadRows(board, {"9,11,10", "10,9,11"});
    board.mode = 2;
    QImage plain(300, 240, QImage::Format_RGB32), patterned = plain;
    for (int patterns : {0, 1}) {
        QImage &image = patterns ? patterned : plain;
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ColourPatterns = patterns;
        board.drawAll(painter);
    }
    ColourPatterns = 0;
    QCOMPARE(plain.pixelColor(70, 70), QColor(Qt::black));
    QCOMPARE(patterned, plain);
}

QTEST_MAIN(CellPatternsTest)
#include "tst_cellpatterns.moc"
