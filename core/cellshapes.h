// The shapes a cell is drawn with, placed by the cell's top-left corner, and how each is painted.
#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

enum class CellShape {
    Square,
    // Chords that the neighbours' circles cut into the square.
    InnerTop,
    InnerRight,
    InnerBottom,
    InnerLeft,
    // Chords of the cell's own circle, lying in the neighbours.
    OuterTop,
    OuterRight,
    OuterBottom,
    OuterLeft,
    // A wall's black bars.
    BarBottom,
    BarLeft,
    BarTop,
    BarRight,
    // The outlines of the four lenses: for each, an arc of the cell's own circle and one of the
    // neighbour's.
    Grid,
};

// Where a cell lies: its top-left corner, its side and the diameter of its circle.
struct CellPlace {
    QPoint corner;
    int size = 60;
    int diag = 84;
};

// The square that the shape lies in, in cells right and down from the cell's own: the outer
// chords lie in the neighbours' squares, everything else in the cell's own.
QPoint shapeSquare(CellShape shape);

// What of a shape to paint: its inside, its outline, or both in one drawing call (the inside
// first). The grid has no inside.
enum class ShapeLayer { Fill, Outline, Whole };

// Paints the layer of the shape in colour with a cosmetic one-pixel pen: squares, chords and bars
// filled and outlined, the grid as outlines only. The painter's pen and brush are left changed.
void paintCellShape(QPainter &painter, CellShape shape, const CellPlace &place,
                    const QColor &colour, ShapeLayer layer = ShapeLayer::Whole);
