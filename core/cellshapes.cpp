#include "cellshapes.h"

#include <QPainter>
#include <QRectF>

namespace {

// Chord start angles in degrees: each slice spans 90 degrees of the square's circle.
constexpr int TopChord = 45;
constexpr int LeftChord = 135;
constexpr int BottomChord = 225;
constexpr int RightChord = 315;
constexpr int QuarterTurn = 90 * 16;

// A quarter of the circle of the cell (dx, dy) cells away, from startAngle on.
struct Slice {
    int dx;
    int dy;
    int startAngle;
};

Slice chordOf(CellShape shape)
{
    switch (shape) {
    case CellShape::InnerTop: return {0, -1, BottomChord};
    case CellShape::InnerRight: return {1, 0, LeftChord};
    case CellShape::InnerBottom: return {0, 1, TopChord};
    case CellShape::InnerLeft: return {-1, 0, RightChord};
    case CellShape::OuterTop: return {0, 0, TopChord};
    case CellShape::OuterRight: return {0, 0, RightChord};
    case CellShape::OuterBottom: return {0, 0, BottomChord};
    default: return {0, 0, LeftChord};
    }
}

// The circle through the corners of the square whose top-left corner is (sx, sy).
QRectF circleOf(int sx, int sy, int size, int diag)
{
    const int overhang = (diag - size) / 2;
    return QRectF(sx - overhang, sy - overhang, diag, diag);
}

QRectF sliceCircle(const Slice &slice, const CellPlace &place)
{
    return circleOf(place.corner.x() + slice.dx * place.size,
                    place.corner.y() + slice.dy * place.size, place.size, place.diag);
}

QRect barOf(CellShape shape, const CellPlace &place)
{
    const int x = place.corner.x();
    const int y = place.corner.y();
    const int size = place.size;
    const int half = size / 2;
    switch (shape) {
    case CellShape::BarBottom: return QRect(x - half, y + half, 2 * size, half);
    case CellShape::BarLeft: return QRect(x, y - half, half, 2 * size);
    case CellShape::BarTop: return QRect(x - half, y, 2 * size, half);
    default: return QRect(x + half, y - half, half, 2 * size);
    }
}

QPen solidPen(const QColor &colour)
{
    QPen pen(colour);
    pen.setCosmetic(true);
    return pen;
}

// Each lens is outlined by the arc of the cell's own circle and the facing arc of the
// neighbour's circle.
void paintGrid(QPainter &painter, const CellPlace &place, const QColor &colour)
{
    painter.setPen(solidPen(colour));
    painter.setBrush(Qt::NoBrush);
    const Slice lenses[][2] = {
        {{0, 0, TopChord}, {0, -1, BottomChord}},
        {{0, 0, RightChord}, {1, 0, LeftChord}},
        {{0, 0, BottomChord}, {0, 1, TopChord}},
        {{0, 0, LeftChord}, {-1, 0, RightChord}},
    };
    for (const auto &lens : lenses) {
        for (const Slice &arc : lens)
            painter.drawArc(sliceCircle(arc, place), arc.startAngle * 16, QuarterTurn);
    }
}

} // namespace

QPoint shapeSquare(CellShape shape)
{
    switch (shape) {
    case CellShape::OuterTop: return QPoint(0, -1);
    case CellShape::OuterRight: return QPoint(1, 0);
    case CellShape::OuterBottom: return QPoint(0, 1);
    case CellShape::OuterLeft: return QPoint(-1, 0);
    default: return QPoint(0, 0);
    }
}

void paintCellShape(QPainter &painter, CellShape shape, const CellPlace &place,
                    const QColor &colour, ShapeLayer layer)
{
    if (shape == CellShape::Grid) {
        if (layer != ShapeLayer::Fill)
            paintGrid(painter, place, colour);
        return;
    }
    if (layer == ShapeLayer::Fill)
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(solidPen(colour));
    if (layer == ShapeLayer::Outline)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(colour);
    if (shape == CellShape::Square) {
        painter.drawRect(place.corner.x(), place.corner.y(), place.size, place.size);
    } else if (shape >= CellShape::BarBottom) {
        painter.drawRect(barOf(shape, place));
    } else {
        const Slice chord = chordOf(shape);
        painter.drawChord(sliceCircle(chord, place), chord.startAngle * 16, QuarterTurn);
    }
}
