#include "cellpalette.h"

const QColor cellPalette[PaletteSize] = {
    QColor(255, 0, 0),     QColor(0, 255, 0),     QColor(192, 220, 192), QColor(255, 183, 111),
    QColor(255, 255, 0),   QColor(17, 122, 168),  QColor(14, 145, 11),   QColor(214, 27, 200),
    QColor(125, 125, 125), QColor(0, 0, 0),       QColor(0, 0, 0),       QColor(1, 11, 111),
};
