#include "cellpatterns.h"

#include "cellpalette.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int PatternedColours = 9;

// Pattern and ink of the colours 0 to 8. The colours that dichromats confuse (0 and 1, 1 and 6,
// 3 and 4, 2 and 8, and under the simulations also 1 and 4, 5 and 6, 5 and 7, 5 and 8, 0 and 6,
// 1 and 3, 2 and 4, 7 and 8) get patterns of different kinds: grids, dots, stripes, waves,
// checks. Only 2 and 3, which a tritanope may confuse, both have stripes, at right angles. The
// worst luminance contrast of the ink over normal vision, protanopia, deuteranopia and
// tritanopia is in the comment; the other ink's is in brackets.
struct Look {
    CellPattern pattern;
    QRgb ink;
};
constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;
const Look looks[PatternedColours] = {
    {CellPattern::Grid, Black},           // 3.29 (3.20)
    {CellPattern::Dots, Black},           // 14.3 (1.27)
    {CellPattern::Rows, Black},           // 14.1 (1.45)
    {CellPattern::Columns, Black},        // 11.0 (1.61)
    {CellPattern::Lattice, Black},        // 18.1 (1.07)
    {CellPattern::Waves, White},          // 4.31 (4.06)
    {CellPattern::RisingStripes, Black},  // 4.81 (3.84)
    {CellPattern::FallingStripes, Black}, // 3.92 (3.81)
    {CellPattern::Checks, Black},         // 5.10 (4.12)
};

int paletteIndex(const QColor &colour)
{
    return int(std::find(cellPalette, cellPalette + PatternedColours, colour) - cellPalette);
}

// a modulo p, never negative.
int wrap(int a, int p)
{
    return (a % p + p) % p;
}

// Staggered dots: rows one unit apart, dots two units apart along a row, every other row
// shifted by a unit.
bool isDot(int x, int y, int unit)
{
    const int row = y >= 0 ? y / unit : (y - unit + 1) / unit;
    const int shift = wrap(row, 2) * unit;
    const double centre = (unit - 1) / 2.0;
    const double dx = wrap(x - shift, 2 * unit) - centre;
    const double dy = wrap(y, unit) - centre;
    const double radius = 0.4 * unit;
    return dx * dx + dy * dy <= radius * radius;
}

// Waves that rise and fall by a unit over four, rows two units apart.
bool isWave(int x, int y, int unit, int width)
{
    const int phase = wrap(x, 4 * unit);
    const int height = (phase < 2 * unit ? phase : 4 * unit - phase) / 2;
    return wrap(y - height, 2 * unit) < width;
}

} // namespace

CellPattern patternOf(const QColor &colour)
{
    const int index = paletteIndex(colour);
    return index < PatternedColours ? looks[index].pattern : CellPattern::None;
}

QColor patternInk(const QColor &colour)
{
    const int index = paletteIndex(colour);
    return index < PatternedColours ? QColor(looks[index].ink) : QColor();
}

int patternUnit(int cellSize, int ratio)
{
    return std::max(3, int(std::lround(cellSize * ratio / 12.0)));
}

bool isPatternInk(CellPattern pattern, int x, int y, int unit)
{
    const int line = std::max(1, int(std::lround(0.4 * unit)));   // straight lines, across
    const int slant = std::max(2, int(std::lround(0.6 * unit)));  // slanted lines, along a row
    const int stripes = std::lround(1.5 * unit);                  // slanted stripes' period
    switch (pattern) {
    case CellPattern::None: return false;
    case CellPattern::RisingStripes: return wrap(x + y, stripes) < slant;
    case CellPattern::Rows: return wrap(y, unit) < line;
    case CellPattern::Grid: return wrap(x, 2 * unit) < line || wrap(y, 2 * unit) < line;
    case CellPattern::Dots: return isDot(x, y, unit);
    case CellPattern::FallingStripes: return wrap(x - y, stripes) < slant;
    case CellPattern::Columns: return wrap(x, unit) < line;
    case CellPattern::Checks: return (wrap(x, 4 * unit) < 2 * unit) != (wrap(y, 4 * unit) < 2 * unit);
    case CellPattern::Lattice: return wrap(x + y, 3 * unit) < slant || wrap(x - y, 3 * unit) < slant;
    case CellPattern::Waves: return isWave(x, y, unit, std::max(2, int(std::lround(0.5 * unit))));
    }
    return false;
}

void inkPattern(QImage &image, const QColor &colour, const QPoint &origin, int unit)
{
    const CellPattern pattern = patternOf(colour);
    const QRgb ink = patternInk(colour).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const bool inked = isPatternInk(pattern, origin.x() + x, origin.y() + y, unit);
            line[x] = inked ? qPremultiply(qRgba(qRed(ink), qGreen(ink), qBlue(ink),
                                                 qAlpha(line[x])))
                            : 0;
        }
    }
}

void paintPatternSquare(QPainter &painter, const QPoint &corner, int side, const QColor &colour)
{
    if (patternOf(colour) == CellPattern::None)
        return;
    const int ratio = std::max(1, int(std::ceil(painter.device()->devicePixelRatio())));
    QImage square(side * ratio, side * ratio, QImage::Format_ARGB32_Premultiplied);
    square.fill(colour);
    inkPattern(square, colour, QPoint(0, 0), patternUnit(side, ratio));
    square.setDevicePixelRatio(ratio);
    painter.drawImage(corner, square);
}
