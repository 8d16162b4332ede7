// Drawing the Board into the game view's off-screen picture.
#include "board.h"

#include "cellpalette.h"
#include "globals.h"

#include <QPainter>
#include <algorithm>

void Board::drawAll(QPainter &painter) const
{
    if (mode == NoGame || !hasCells())
        return;
    for (const Cell &cell : cells) {
        if (cell.boxColour == cellPalette[NoPiece] && cell.isWall)
            cell.draw(painter, colourPatterns);
    }
    // Cells after walls, so that the outer pieces of the playing cells lie on the black bands.
    drawCells(painter, 0, rows - 1, 0, columns - 1);
}

void Board::drawBlock(QPainter &painter, int row, int col, int blockColumns, int blockRows) const
{
    if (mode == NoGame || !hasCells())
        return;
    drawCells(painter, std::max(row - 1, 0), std::min(row + blockRows - 2, rows - 1),
              std::max(col - 1, 0), std::min(col + blockColumns - 2, columns - 1));
}

QRect Board::blockBounds(int row, int col, int blockColumns, int blockRows) const
{
    if (!hasCells())
        return QRect();
    const Cell &first = cellAt(std::max(row - 1, 0), std::max(col - 1, 0));
    const Cell &last = cellAt(std::min(row + blockRows - 2, rows - 1),
                              std::min(col + blockColumns - 2, columns - 1));
    // Outer pieces reach the overhang of the cell's circle beyond the square; the outlines
    // and their antialiasing a pixel or two more.
    const int reach = (first.diag - first.size) / 2 + 2;
    return QRect(QPoint(first.x, first.y), QPoint(last.x + last.size, last.y + last.size))
        .adjusted(-reach, -reach, reach, reach);
}

void Board::drawCells(QPainter &painter, int firstRow, int lastRow, int firstCol, int lastCol) const
{
    auto isDrawnCell = [](const Cell &cell) {
        return cell.boxColour != cellPalette[NoPiece] && !cell.isWall;
    };
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            const Cell &cell = cellAt(r, c);
            if (isDrawnCell(cell))
                cell.draw(painter, colourPatterns);
        }
    }
    if (DrawGrid == 0)
        return;
    for (int r = std::max(firstRow, 1); r <= std::min(lastRow, rows - 2); ++r) {
        for (int c = std::max(firstCol, 1); c <= std::min(lastCol, columns - 2); ++c) {
            const Cell &cell = cellAt(r, c);
            if (isDrawnCell(cell))
                cell.drawGrid(painter);
        }
    }
}
