// The desktop that levels are fitted to and windows are centred on.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// The geometry of the primary screen.
QRect desktopGeometry();

// Moves a top-level window so that its client area is centred on the primary screen.
void centerOnDesktop(QWidget *window);

// The cell size that lets a board of the given columns and rows (border ring included) fit the
// desktop: cellSize itself when it fits (equality fits), else the smaller of
// desktop.width / (columns + 2) and desktop.height / (rows + 2). A level is never enlarged.
int fittedCellSize(int columns, int rows, int cellSize, int margin, const QSize &desktop);
