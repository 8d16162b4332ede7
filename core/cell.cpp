#include "cell.h"

#include "cellstamps.h"
#include "globals.h"

void Cell::draw(QPainter &painter, bool patterned) const
{
    CellShapePainter shapes(painter);
    const CellPlace place{QPoint(x, y), size, diag};
    if (isWall) {
        const struct {
            bool shown;
            CellShape shape;
        } bars[] = {
            {barBottom, CellShape::BarBottom},
            {barLeft, CellShape::BarLeft},
            {barTop, CellShape::BarTop},
            {barRight, CellShape::BarRight},
        };
        for (const auto &bar : bars) {
            if (bar.shown)
                shapes.draw(bar.shape, place, Qt::black);
        }
        return;
    }

    shapes.draw(CellShape::Square, place, boxColour, patterned);
    // Each inner piece is the chord that the neighbour's circle cuts into this square.
    shapes.draw(CellShape::InnerTop, place, inner[Top], patterned);
    shapes.draw(CellShape::InnerRight, place, inner[Right], patterned);
    shapes.draw(CellShape::InnerBottom, place, inner[Bottom], patterned);
    shapes.draw(CellShape::InnerLeft, place, inner[Left], patterned);
    // Each outer piece is a chord of this square's own circle, lying in the neighbour.
    shapes.draw(CellShape::OuterTop, place, outer[Top], patterned);
    shapes.draw(CellShape::OuterRight, place, outer[Right], patterned);
    shapes.draw(CellShape::OuterBottom, place, outer[Bottom], patterned);
    shapes.draw(CellShape::OuterLeft, place, outer[Left], patterned);
}

void Cell::drawGrid(QPainter &painter) const
{
    CellShapePainter shapes(painter);
    const CellPlace place{QPoint(x, y), size, diag};
    shapes.draw(CellShape::Grid, place, QColor(100, 100, 100, 90));
}
