// The patterns that tell the cell colours apart without colour vision: one for each of the
// colours 0 to 8, drawn over the colour in an ink that contrasts with it.
#pragma once

#include <QColor>

class QImage;
class QPainter;
class QPoint;

enum class CellPattern {
    None,
    RisingStripes,  // colour 0: "/" stripes
    Rows,           // colour 1: horizontal stripes
    Grid,           // colour 2: a square grid
    Dots,           // colour 3: staggered dots
    FallingStripes, // colour 4: "\" stripes
    Columns,        // colour 5: vertical stripes
    Checks,         // colour 6: a checkerboard
    Lattice,        // colour 7: crossing diagonals
    Waves,          // colour 8: horizontal waves
};

// The pattern of a palette colour; None for black, holes and any colour not in the palette.
CellPattern patternOf(const QColor &colour);

// Black or white, whichever contrasts more with the colour in the worst of normal vision and
// the three dichromacies (the table in cellpatterns.cpp gives the figures).
QColor patternInk(const QColor &colour);

// The pattern's unit in device pixels for a cell of the given side: a twelfth of the side, and
// never less than 3, so that a piece only a few pixels deep still holds two repeats.
int patternUnit(int cellSize, int ratio);

// Whether the device pixel (x, y), counted from the top-left corner of the square the pattern
// lies in, is ink. Patterns are pixel-exact, neither antialiased nor smoothed, so that the
// thinnest lines keep the full contrast of their ink.
bool isPatternInk(CellPattern pattern, int x, int y, int unit);

// Paints the pattern of colour in its ink over the image's pixels, each weighted by the
// pixel's own alpha: the image is a premultiplied picture of a shape in that colour, whose
// device pixel (0, 0) lies at origin from the corner of the square the shape lies in. Leaves
// the image transparent where the shape is and the pattern is not.
void inkPattern(QImage &image, const QColor &colour, const QPoint &origin, int unit);

// Paints the pattern of colour in its ink over a square of the given logical side whose
// top-left corner is corner, at the painter's device pixel ratio: the preview's squares.
void paintPatternSquare(QPainter &painter, const QPoint &corner, int side, const QColor &colour);
