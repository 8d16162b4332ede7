// The icons: toolbar and dialog buttons, the star of a solved level and the players' sign.
#include "common.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace pictures {

// 64 logical pixels; also drawn at double resolution.
QImage star(int scale)
{
    QImage image = canvas(64, 64, scale);
    QPainter p;
    begin(p, image, scale);
    QPainterPath shape;
    const QPointF c(32, 34);
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = (i % 2 == 0) ? 28.5 : 12.5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? shape.moveTo(pt) : shape.lineTo(pt);
    }
    shape.closeSubpath();
    drawHalo(p, shape, QColor(0, 0, 20, 110), 1, 2, QPointF(0, 2));
    p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.setPen(QPen(Gold, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    QRadialGradient fill(c - QPointF(6, 8), 30);
    fill.setColorAt(0, QColor(255, 250, 210));
    fill.setColorAt(0.45, QColor(255, 210, 70));
    fill.setColorAt(1, QColor(214, 128, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    // The facets: lines from the centre to the points, light on one side.
    p.setClipPath(shape);
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
        QPainterPath facet;
        facet.moveTo(c);
        facet.lineTo(c.x() + 30 * std::cos(a), c.y() + 30 * std::sin(a));
        facet.lineTo(c.x() + 14 * std::cos(a + M_PI / 5), c.y() + 14 * std::sin(a + M_PI / 5));
        facet.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPath(facet);
    }
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(24, 24), 3.0, 2.2);
    p.end();
    return image;
}

QImage house()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    QPainterPath chimney;
    chimney.addRect(QRectF(42, 10, 7, 14));
    drawJewel(p, chimney, Ruby, 3);
    QPainterPath body; // the walls with the gable
    body.moveTo(14, 56);
    body.lineTo(14, 30);
    body.lineTo(32, 14);
    body.lineTo(50, 30);
    body.lineTo(50, 56);
    body.closeSubpath();
    drawJewel(p, body, Teal, 3);
    QPainterPath roof;
    roof.moveTo(5, 32);
    roof.lineTo(32, 7);
    roof.lineTo(59, 32);
    roof.lineTo(52, 32);
    roof.lineTo(32, 15);
    roof.lineTo(12, 32);
    roof.closeSubpath();
    drawJewel(p, roof, Ruby, 3);
    QPainterPath door;
    door.addRoundedRect(QRectF(26.5, 38, 11, 18), 4, 4);
    drawJewel(p, door, Amber, 2);
    QPainterPath window;
    window.addEllipse(QPointF(32, 26), 3.5, 3.5);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Cream);
    p.drawPath(window);
    p.end();
    return image;
}

QImage gear()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    const QPointF c(32, 32);
    QPainterPath wheel;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, root, in quarter steps around the circle.
        const qreal a = (i - 0.5) * 2 * M_PI / (teeth * 4);
        const bool outer = (i % 4 == 1) || (i % 4 == 2);
        const qreal r = outer ? 28.5 : 21.5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? wheel.moveTo(pt) : wheel.lineTo(pt);
    }
    wheel.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 9, 9);
    wheel = wheel.subtracted(hole);
    drawJewel(p, wheel, QColor(96, 120, 168), 3);
    // A small lens in the hub, the game's own shape.
    QPainterPath a, b;
    a.addEllipse(QPointF(c.x() - 4, c.y()), 7, 7);
    b.addEllipse(QPointF(c.x() + 4, c.y()), 7, 7);
    QPainterPath lens = a.intersected(b);
    drawJewel(p, lens, Amber, 1.5);
    p.end();
    return image;
}

// A frame around a little board: six cells with the lenses between them.
QImage framedPicture()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    const QRect window(10, 17, 44, 30);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(window).adjusted(-6, -7, 6, 7), 6, 6);
    QPainterPath hole;
    hole.addRect(window);
    drawJewel(p, frame.subtracted(hole), Amber, 3);
    const QColor cells[2][3] = {{Ruby, Citrine, Teal}, {Emerald, Magenta, Ruby}};
    auto colourOf = [&](int c, int r) {
        return cells[std::clamp(r, 0, 1)][std::clamp(c, 0, 2)];
    };
    drawLensField(p, window, window.width() / 3.0, colourOf, 110, false);
    QLinearGradient gloss(window.topLeft(), window.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 100));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(window, gloss);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.end();
    return image;
}

QImage trophy()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    const QColor gold(240, 180, 40);
    // Handles first, so the bowl covers their inner ends.
    QPainterPath handles;
    handles.addEllipse(QPointF(14, 20), 8, 9);
    handles.addEllipse(QPointF(50, 20), 8, 9);
    QPainterPath holes;
    holes.addEllipse(QPointF(14, 20), 4, 5);
    holes.addEllipse(QPointF(50, 20), 4, 5);
    drawJewel(p, handles.subtracted(holes), gold, 3);
    QPainterPath bowl;
    bowl.moveTo(14, 7);
    bowl.lineTo(50, 7);
    bowl.cubicTo(50, 28, 44, 38, 32, 40);
    bowl.cubicTo(20, 38, 14, 28, 14, 7);
    bowl.closeSubpath();
    QPainterPath stem;
    stem.addRect(QRectF(28, 38, 8, 9));
    drawJewel(p, stem, gold, 3);
    drawJewel(p, bowl, gold, 3);
    QPainterPath base;
    base.addRoundedRect(QRectF(16, 46, 32, 12), 3, 3);
    drawJewel(p, base, Sapphire, 3);
    // A star on the cup.
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = (i % 2 == 0) ? 8 : 3.5;
        const QPointF pt(32 + r * std::cos(a), 21 + r * std::sin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    p.setPen(QPen(withAlpha(QColor(150, 90, 10), 200), 1));
    p.setBrush(Cream);
    p.drawPath(s);
    p.end();
    return image;
}

QImage info()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    QPainterPath disc;
    disc.addEllipse(QPointF(32, 32), 27, 27);
    drawJewel(p, disc, Teal, 3);
    QPainterPath letter;
    letter.addEllipse(QPointF(32, 18), 4.5, 4.5);
    letter.addRoundedRect(QRectF(27.5, 26, 9, 25), 3, 3);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Cream);
    p.drawPath(letter);
    p.end();
    return image;
}

QImage power()
{
    QImage image = canvas(64, 64);
    QPainter p;
    begin(p, image);
    QPainterPath disc;
    disc.addEllipse(QPointF(32, 32), 27, 27);
    drawJewel(p, disc, Ruby, 3);
    QPainterPath arc;
    const QRectF ring(18, 19, 28, 28);
    arc.arcMoveTo(ring, 120);
    arc.arcTo(ring, 120, 300);
    QPainterPath bar;
    bar.moveTo(32, 12);
    bar.lineTo(32, 32);
    for (const QPainterPath &stroke : {arc, bar}) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stroke);
    }
    for (const QPainterPath &stroke : {arc, bar}) {
        p.setPen(QPen(Cream, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stroke);
    }
    p.end();
    return image;
}

// Two people, head and shoulders, drawn for 32 logical pixels; also drawn at double resolution.
QImage users(int scale)
{
    QImage image = canvas(32, 32, scale);
    QPainter p;
    begin(p, image, scale);
    auto person = [&](QPointF head, qreal size, const QColor &colour) {
        QPainterPath body;
        const qreal w = 10 * size;
        const QRectF shoulders(head.x() - w, head.y() + 6 * size, 2 * w, 16 * size);
        body.moveTo(shoulders.left(), shoulders.top() + 8 * size);
        body.arcTo(QRectF(shoulders.left(), shoulders.top(), 2 * w, 16 * size), 180, -180);
        body.lineTo(shoulders.right(), head.y() + 16 * size);
        body.lineTo(shoulders.left(), head.y() + 16 * size);
        body.closeSubpath();
        QPainterPath h;
        h.addEllipse(head, 5.2 * size, 5.2 * size);
        drawJewel(p, body, colour, 1.6);
        drawJewel(p, h, colour, 1.6);
    };
    person(QPointF(20.5, 8.5), 0.92, Amethyst);
    person(QPointF(12, 12.5), 1.0, Teal);
    p.end();
    return image;
}

QImage plus()
{
    QImage image = canvas(32, 32);
    QPainter p;
    begin(p, image);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(12.5, 4, 7, 24), 2, 2);
    QPainterPath across;
    across.addRoundedRect(QRectF(4, 12.5, 24, 7), 2, 2);
    drawJewel(p, shape.united(across), Teal, 2);
    p.end();
    return image;
}

QImage cross()
{
    QImage image = canvas(32, 32);
    QPainter p;
    begin(p, image);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-3.5, -12.5, 7, 25), 2, 2);
    QTransform a, b;
    a.translate(16, 16);
    a.rotate(45);
    b.translate(16, 16);
    b.rotate(-45);
    QPainterPath shape = a.map(bar).united(b.map(bar));
    drawJewel(p, shape, Ruby, 2);
    p.end();
    return image;
}

QImage check()
{
    QImage image = canvas(32, 32);
    QPainter p;
    begin(p, image);
    QPainterPath stroke;
    stroke.moveTo(6, 16.5);
    stroke.lineTo(13, 23.5);
    stroke.lineTo(26, 8.5);
    QPainterPathStroker stroker;
    stroker.setWidth(6.5);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    drawJewel(p, stroker.createStroke(stroke).simplified(), Emerald, 2);
    p.end();
    return image;
}

} // namespace pictures
