#include "spicture.h"

#include "cellpatterns.h"
#include "globals.h"

#include <QPaintEvent>
#include <QPainter>

SPicture::SPicture(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::Dialog);
    setWindowIcon(QIcon(QStringLiteral(":/images/preview.png")));
}

void SPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(event->rect(), QBrush(Qt::white));
    if (!showPicture || rows <= 0)
        return;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QColor &colour = colours[size_t(r * cols + c)];
            painter.setBrush(QBrush(colour));
            painter.setPen(colour);
            painter.drawRect(20 * c, 20 * r, 20, 20);
            if (patterns)
                paintPatternSquare(painter, QPoint(20 * c, 20 * r), 20, colour);
        }
    }
}
