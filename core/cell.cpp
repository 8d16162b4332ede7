#include "cell.h"

#include <QPainter>
#include <QRectF>

namespace {

// Chord start angles in degrees: each slice spans 90 degrees of the square's circle.
constexpr int TopChord = 45;
constexpr int LeftChord = 135;
constexpr int BottomChord = 225;
constexpr int RightChord = 315;
constexpr int QuarterTurn = 90 * 16;

QPen solidPen(const QColor &colour)
{
    QPen pen(colour);
    pen.setCosmetic(true);
    return pen;
}

// The circle through the corners of the square whose top-left corner is (sx, sy).
QRectF circleOf(int sx, int sy, int size, int diag)
{
    const int overhang = (diag - size) / 2;
    return QRectF(sx - overhang, sy - overhang, diag, diag);
}

void fillChord(QPainter &painter, const QRectF &circle, int startAngle, const QColor &colour)
{
    painter.setPen(solidPen(colour));
    painter.setBrush(colour);
    painter.drawChord(circle, startAngle * 16, QuarterTurn);
}

} // namespace

void Cell::draw(QPainter &painter) const
{
    const int half = size / 2;
    if (isWall) {
        painter.setPen(solidPen(Qt::black));
        painter.setBrush(Qt::black);
        if (barBottom)
            painter.drawRect(x - half, y + half, 2 * size, half);
        if (barLeft)
            painter.drawRect(x, y - half, half, 2 * size);
        if (barTop)
            painter.drawRect(x - half, y, 2 * size, half);
        if (barRight)
            painter.drawRect(x + half, y - half, half, 2 * size);
        return;
    }

    painter.setPen(solidPen(boxColour));
    painter.setBrush(boxColour);
    painter.drawRect(x, y, size, size);

    // Each inner piece is the chord that the neighbour's circle cuts into this square.
    fillChord(painter, circleOf(x, y - size, size, diag), BottomChord, inner[Top]);
    fillChord(painter, circleOf(x + size, y, size, diag), LeftChord, inner[Right]);
    fillChord(painter, circleOf(x, y + size, size, diag), TopChord, inner[Bottom]);
    fillChord(painter, circleOf(x - size, y, size, diag), RightChord, inner[Left]);

    // Each outer piece is a chord of this square's own circle, lying in the neighbour.
    const QRectF own = circleOf(x, y, size, diag);
    fillChord(painter, own, TopChord, outer[Top]);
    fillChord(painter, own, RightChord, outer[Right]);
    fillChord(painter, own, BottomChord, outer[Bottom]);
    fillChord(painter, own, LeftChord, outer[Left]);
}

void Cell::drawGrid(QPainter &painter) const
{
    painter.setPen(solidPen(QColor(100, 100, 100, 90)));
    painter.setBrush(Qt::NoBrush);

    const QRectF own = circleOf(x, y, size, diag);
    const struct {
        int ownStart;
        int neighbourX;
        int neighbourY;
        int neighbourStart;
    } lenses[] = {
        {TopChord, x, y - size, BottomChord},
        {RightChord, x + size, y, LeftChord},
        {BottomChord, x, y + size, TopChord},
        {LeftChord, x - size, y, RightChord},
    };
    for (const auto &lens : lenses) {
        painter.drawArc(own, lens.ownStart * 16, QuarterTurn);
        painter.drawArc(circleOf(lens.neighbourX, lens.neighbourY, size, diag),
                        lens.neighbourStart * 16, QuarterTurn);
    }
}
