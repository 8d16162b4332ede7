// The patterns that tell the cell colours apart without colour vision: one for each of the
// colours 0 to 8, drawn over the colour in an ink that contrasts with it.
#pragma once

#include <QColor>

class QImage;
class QPainter;
class QPoint;

enum class CellPattern {
    None,
    Grid,           // colour 0: a square grid
    Dots,           // colour 1: staggered dots
    Rows,           // colour 2: horizontal stripes
    Columns,        // colour 3: vertical stripes
    Lattice,        // colour 4: crossing diagonals
    Waves,          // colour 5: horizontal waves
    RisingStripes,  // colour 6: "/" stripes
    FallingStripes, // colour 7: "\" stripes
    Checks,         // colour 8: a checkerboard
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

// Turns a premultiplied picture of a shape into the pattern of colour over it: each pixel the
// pattern inks becomes the ink at the pixel's alpha, every other pixel transparent. The
// picture's device pixel (0, 0) lies at origin from the corner of the square the shape lies in.
void inkPattern(QImage &image, const QColor &colour, const QPoint &origin, int unit);

// Paints the pattern of colour in its ink over a square of the given logical side whose
// top-left corner is corner, at the painter's device pixel ratio: the preview's squares.
void paintPatternSquare(QPainter &painter, const QPoint &corner, int side, const QColor &colour);
