// Cell shapes pasted from pictures made once per shape, colour, cell size and painter setting.
//
// Drawing a cell's chords with antialiased outlines costs far more than copying pixels, and
// every cell of a board is made of the same few shapes in a dozen colours. So the fill and the
// outline of each shape are each drawn once onto a transparent picture, a stamp, and from then
// on pasted, the fill first. The raster engine blends a solid colour into a pixel at coverage c
// exactly as it blends the premultiplied pixel (colour x c) that the same drawing leaves on a
// transparent picture, so a paste leaves the pixels that drawing leaves - except where a drawing
// blends one pixel twice (the outline's segments overlapping at the antialiased edge, the grid's
// arcs crossing): there the two may differ by a few steps of 255. Painters for which pasting
// would not match drawing (another paint engine, composition mode, pixel format or opacity;
// rotated, sheared, fractionally placed pixels) draw the shapes directly. A colour's pattern is
// made of whole device pixels and so is pasted in every case. The stamps are kept for
// the whole program, which draws cells from one thread only.
#pragma once

#include "cellshapes.h"

class QPainter;

class CellShapePainter
{
public:
    explicit CellShapePainter(QPainter &painter);

    // Draws the shape as paintCellShape would; the painter's pen and brush may be left
    // changed. Patterned, a shape of a colour that has a pattern (cellpatterns.h) gets the
    // pattern's ink over its fill and outline, always pasted from a stamp.
    void draw(CellShape shape, const CellPlace &place, const QColor &colour,
              bool patterned = false);

private:
    QPainter &painter;
    int ratio;        // the device pixel ratio of the stamps; 0 to draw directly
    int patternRatio; // the device pixel ratio of the pattern stamps
    bool antialiased;
};
