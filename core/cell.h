// One square of the board: where it lies, its colour, and the colours of the pieces on its edges.
#pragma once

#include <QColor>

class QPainter;

class Cell
{
public:
    // Edge indices of inner and outer: the pieces along the top, right, bottom and left edge.
    enum Edge { Top = 0, Right = 1, Bottom = 2, Left = 3 };

    int x = 0;
    int y = 0;
    int diag = 84; // trunc(sqrt(2) * size): the circle through the square's corners
    int size = 60;
    bool isWall = false;
    bool barTop = false;
    bool barLeft = false;
    bool barBottom = false;
    bool barRight = false;
    QColor boxColour;
    QColor inner[4];
    QColor outer[4];

    // A wall cell draws its black bars; any other cell its square, inner and outer pieces, with
    // their colours' patterns when patterned is set.
    void draw(QPainter &painter, bool patterned = false) const;
    // Outlines the four lenses of the cell with translucent grey arcs.
    void drawGrid(QPainter &painter) const;
};
