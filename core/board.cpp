#include "board.h"

#include "cellpalette.h"
#include "globals.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool Board::hasCells() const
{
    return columns > 0 && rows > 0
        && cells.size() == static_cast<size_t>(columns) * static_cast<size_t>(rows)
        && pieceMap.size() == static_cast<size_t>(mapColumns) * static_cast<size_t>(mapRows);
}

const QColor &Board::paletteAt(int mapRow, int mapCol) const
{
    const int value = piece(mapRow, mapCol);
    return cellPalette[value >= 0 && value < PaletteSize ? value : NoPiece];
}

void Board::build()
{
    cells.assign(static_cast<size_t>(std::max(columns, 0)) * static_cast<size_t>(std::max(rows, 0)),
                 Cell());
    cellSize = Cell().size;
    layout();
    if (!hasCells())
        return;

    for (Cell &cell : cells) {
        cell.boxColour = cellPalette[NoPiece];
        for (QColor &colour : cell.inner)
            colour = cellPalette[NoPiece];
    }
    for (int r = 1; r < rows - 1; ++r) {
        for (int c = 1; c < columns - 1; ++c) {
            Cell &cell = cellAt(r, c);
            cell.boxColour = paletteAt(3 * r + 1, 3 * c + 1);
            for (QColor &colour : cell.inner)
                colour = cell.boxColour;
            readOuterColours(r, c);
        }
    }
    // The outer colours above were read before the wall pieces exist; the first turn
    // refreshes them.
    for (int r = 1; r < rows - 1; ++r) {
        for (int c = 1; c < columns - 1; ++c) {
            if (isPlayingCell(r, c))
                markWalls(r, c);
        }
    }
}

void Board::readOuterColours(int row, int col)
{
    Cell &cell = cellAt(row, col);
    cell.outer[Cell::Top] = paletteAt(3 * row - 1, 3 * col + 1);
    cell.outer[Cell::Right] = paletteAt(3 * row + 1, 3 * col + 3);
    cell.outer[Cell::Bottom] = paletteAt(3 * row + 3, 3 * col + 1);
    cell.outer[Cell::Left] = paletteAt(3 * row + 1, 3 * col - 1);
}

// Every hole or ring cell next to a playing cell becomes a wall: it shows a black bar on the
// side facing the playing cell and holds a black wall piece in the facing edge middle.
void Board::markWalls(int row, int col)
{
    struct Neighbour {
        int row, col;
        bool Cell::*bar;
        int mapRow, mapCol;
    };
    const Neighbour neighbours[] = {
        {row - 1, col, &Cell::barBottom, 3 * row - 1, 3 * col + 1},
        {row, col + 1, &Cell::barLeft, 3 * row + 1, 3 * col + 3},
        {row + 1, col, &Cell::barTop, 3 * row + 3, 3 * col + 1},
        {row, col - 1, &Cell::barRight, 3 * row + 1, 3 * col - 1},
    };
    for (const Neighbour &n : neighbours) {
        if (piece(3 * n.row + 1, 3 * n.col + 1) != NoPiece)
            continue;
        Cell &wall = cellAt(n.row, n.col);
        wall.isWall = true;
        wall.*n.bar = true;
        piece(n.mapRow, n.mapCol) = WallPiece;
    }
}

bool Board::isPlayingCell(int row, int col) const
{
    return row >= 1 && row <= rows - 2 && col >= 1 && col <= columns - 2
        && pieceMap.size() == static_cast<size_t>(mapColumns) * static_cast<size_t>(mapRows)
        && piece(3 * row + 1, 3 * col + 1) != NoPiece;
}

bool Board::isHole(int row, int col) const
{
    if (row < 0 || row >= rows || col < 0 || col >= columns
        || pieceMap.size() != static_cast<size_t>(mapColumns) * static_cast<size_t>(mapRows))
        return true;
    return piece(3 * row + 1, 3 * col + 1) == NoPiece;
}

void Board::rotateLeft(int row, int col)
{
    turn(row, col, Turn::Anticlockwise);
}

void Board::rotateRight(int row, int col)
{
    turn(row, col, Turn::Clockwise);
}

// Both rings of four edge middles around the cell move together, so every lens keeps its
// two halves and its inner half stays inside the turned cell.
void Board::turn(int row, int col, Turn direction)
{
    if (!isPlayingCell(row, col))
        return;

    const int cr = 3 * row + 1;
    const int cc = 3 * col + 1;
    for (int distance = 1; distance <= 2; ++distance) {
        int &top = piece(cr - distance, cc);
        int &right = piece(cr, cc + distance);
        int &bottom = piece(cr + distance, cc);
        int &left = piece(cr, cc - distance);
        const int oldTop = top;
        if (direction == Turn::Anticlockwise) {
            top = right;
            right = bottom;
            bottom = left;
            left = oldTop;
        } else {
            top = left;
            left = bottom;
            bottom = right;
            right = oldTop;
        }
    }
    refreshColours();
}

void Board::refreshColours()
{
    if (!hasCells())
        return;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            Cell &cell = cellAt(r, c);
            cell.inner[Cell::Top] = paletteAt(3 * r, 3 * c + 1);
            cell.inner[Cell::Right] = paletteAt(3 * r + 1, 3 * c + 2);
            cell.inner[Cell::Bottom] = paletteAt(3 * r + 2, 3 * c + 1);
            cell.inner[Cell::Left] = paletteAt(3 * r + 1, 3 * c);
        }
    }
    for (int r = 1; r < rows - 1; ++r) {
        for (int c = 1; c < columns - 1; ++c)
            readOuterColours(r, c);
    }
}

bool Board::isSolved() const
{
    if (!hasCells())
        return true;
    for (int r = 1; r < rows - 1; ++r) {
        for (int c = 1; c < columns - 1; ++c) {
            const Cell &cell = cellAt(r, c);
            if (cell.boxColour == cellPalette[NoPiece])
                continue;
            for (const QColor &colour : cell.inner) {
                if (colour != cell.boxColour)
                    return false;
            }
        }
    }
    return true;
}

void Board::shuffle()
{
    const int level = GameLevel;
    if (level <= 0)
        return;
    if (mode == ClassicGame)
        shuffleClassic(6 * level);
    else if (mode == PuzzleGame)
        shufflePuzzle(3 * pieceCount / 4 * level);
}

// The classic board is always the 3 x 3 level, so the cells are drawn from it directly.
void Board::shuffleClassic(int turns)
{
    for (int i = 0; i < turns; ++i) {
        const int direction = randomInt(2);
        const int row = randomInt(3);
        const int col = randomInt(3);
        if (direction == 1)
            rotateRight(row, col);
        else
            rotateLeft(row, col);
    }
}

void Board::shufflePuzzle(int turns)
{
    if (turns <= 0 || !hasCells() || pieceCount < 1)
        return;
    for (int i = 0; i < turns; ++i) {
        int row = 0;
        int col = 0;
        do {
            row = randomInt(rows - 2);
            col = randomInt(columns - 2);
        } while (isHole(row, col));
        if (randomInt(2) == 1)
            rotateRight(row, col);
        else
            rotateLeft(row, col);
    }
}

void Board::setCellSize(int size)
{
    if (size < 1)
        return;
    cellSize = size;
    const int diag = static_cast<int>(std::sqrt(2.0 * size * size));
    for (Cell &cell : cells) {
        cell.size = size;
        cell.diag = diag;
    }
}

void Board::layout()
{
    if (!cells.empty())
        cellSize = cells.front().size;
    margin = cellSize / 2 + 10;
    if (!hasCells())
        return;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            Cell &cell = cellAt(r, c);
            cell.x = (c - 1) * cell.size + margin;
            cell.y = (r - 1) * cell.size + margin;
        }
    }
}

void Board::boxColours(std::vector<QColor> &colours, int &width, int &height) const
{
    width = std::max(columns - 2, 0);
    height = std::max(rows - 2, 0);
    colours.assign(static_cast<size_t>(width) * static_cast<size_t>(height), cellPalette[NoPiece]);
    if (!hasCells())
        return;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c)
            colours[(r - 1) * width + (c - 1)] = cellAt(r, c).boxColour;
    }
}
