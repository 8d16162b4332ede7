// The puzzle: a grid of cells with a border ring, and the map of pieces that the turns move.
#pragma once

#include "cell.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

// What the board is played for, in Board::mode.
enum GameMode : int { NoGame = 0, ClassicGame = 1, PuzzleGame = 2 };

// Every cell (r, c), the border ring included, owns the 3 x 3 block of pieceMap entries at map
// rows 3r..3r+2 and columns 3c..3c+2: its value in the centre, its four pieces at the edge
// middles, and 11 in the corners.
class Board
{
public:
    int columns = 0;    // level width + 2
    int rows = 0;       // level height + 2
    int mapColumns = 0; // 3 * columns
    int mapRows = 0;    // 3 * rows
    bool active = false; // a game is in progress; only the game view sets it
    int mode = NoGame;   // a GameMode
    // Draw each colour's pattern over the cells and pieces of the colours 0 to 8: the player's
    // Colour patterns option, which the game view sets.
    bool colourPatterns = false;
    int margin = 40;     // offset of playing cell (1, 1) in the board picture: cellSize / 2 + 10
    int pieceCount = 0;  // level cells that are not holes
    int cellSize = 60;
    std::vector<Cell> cells;   // columns * rows, row-major
    std::vector<int> pieceMap; // mapColumns * mapRows, row-major

    // Reads a level file (a resource path or a path relative to the working directory) into
    // the sizes and pieceMap, every piece at home. A missing or damaged file is reported in a
    // critical box and leaves the previous level in place; one that cannot be opened is skipped.
    void load(const QString &path);
    // Makes the cells of the loaded level, marks the walls and puts the wall pieces around
    // the playing area. The board is solved afterwards.
    void build();
    // Scrambles the board by random turns: 6 * GameLevel in the classic game,
    // trunc(3 * pieceCount / 4) * GameLevel in the puzzle game, none without a game.
    void shuffle();

    // A quarter turn of the four lenses around a playing cell, anticlockwise as seen on
    // screen; the ring, holes and cells outside the board are left alone.
    void rotateLeft(int row, int col);
    // The same, clockwise.
    void rotateRight(int row, int col);
    bool isHole(int row, int col) const;
    // True when every playing cell holds four pieces of its own colour (9 and 10 alike).
    bool isSolved() const;

    void setCellSize(int size);
    // Places the cells for the current cell size; the ring lies partly outside the picture.
    void layout();
    // The level's target picture: the box colour of every interior cell, row by row.
    void boxColours(std::vector<QColor> &colours, int &width, int &height) const;
    // Brings every cell's inner and outer colours in line with pieceMap.
    void refreshColours();

    // Draws walls, cells and, with DrawGrid on, the lens outlines; nothing while mode is NoGame.
    void drawAll(QPainter &painter) const;
    // Redraws the cells (not the walls) of rows row-1 .. row+blockRows-2 and columns
    // col-1 .. col+blockColumns-2; (row, col, 3, 3) is the 3 x 3 block around a turned cell.
    void drawBlock(QPainter &painter, int row, int col, int blockColumns, int blockRows) const;
    // A rectangle of the picture holding all that drawBlock with the same arguments paints: the
    // cells with their outer pieces and outlines.
    QRect blockBounds(int row, int col, int blockColumns, int blockRows) const;

private:
    enum class Turn { Anticlockwise, Clockwise };

    bool isPlayingCell(int row, int col) const;
    int &piece(int mapRow, int mapCol) { return pieceMap[mapRow * mapColumns + mapCol]; }
    int piece(int mapRow, int mapCol) const { return pieceMap[mapRow * mapColumns + mapCol]; }
    const QColor &paletteAt(int mapRow, int mapCol) const;
    Cell &cellAt(int row, int col) { return cells[row * columns + col]; }
    const Cell &cellAt(int row, int col) const { return cells[row * columns + col]; }
    bool hasCells() const;

    void turn(int row, int col, Turn direction);
    void readOuterColours(int row, int col);
    void markWalls(int row, int col);
    void shuffleClassic(int turns);
    void shufflePuzzle(int turns);
    void drawCells(QPainter &painter, int firstRow, int lastRow, int firstCol, int lastCol) const;
};
