// The twelve colours of cells and pieces, indexed by their value in a level file.
#pragma once

#include <QColor>

// Values 9 and 10 are both black; 11 stands for a hole, a ring cell or no piece.
constexpr int PaletteSize = 12;
constexpr int NoPiece = 11;
constexpr int WallPiece = 10;

extern const QColor cellPalette[PaletteSize];
