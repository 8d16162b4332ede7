#include "desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect desktopGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void centerOnDesktop(QWidget *window)
{
    const QRect desktop = desktopGeometry();
    // The screen's own origin counts: the primary screen need not start at the desktop's corner.
    window->move(desktop.x() + (desktop.width() - window->width()) / 2,
                 desktop.y() + (desktop.height() - window->height()) / 2);
}

int fittedCellSize(int columns, int rows, int cellSize, int margin, const QSize &desktop)
{
    const bool fits = columns * cellSize + 2 * margin <= desktop.width()
        && rows * cellSize + 2 * margin <= desktop.height();
    if (fits)
        return cellSize;
    return std::min(desktop.width() / (columns + 2), desktop.height() / (rows + 2));
}
