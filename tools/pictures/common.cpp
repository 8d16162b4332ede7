// The shared drawing tools: fonts, colour mixing, canvases, blurred halos, jewels and lens fields.
#include "common.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace pictures {

QFont font(const QString &family, int pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (QFontInfo(f).family() != family) {
        std::fprintf(stderr, "font family \"%s\" is not installed\n", qPrintable(family));
        std::exit(1);
    }
    return f;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QImage canvas(int w, int h, int scale)
{
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void begin(QPainter &p, QImage &image, int scale)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (scale != 1)
        p.scale(scale, scale);
}

QImage blurred(const QImage &source, int radius)
{
    QImage a = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = a.width();
    const int h = a.height();
    std::vector<int> line(std::max(w, h) * 4);
    auto pass = [&](bool horizontal) {
        const int length = horizontal ? w : h;
        const int count = horizontal ? h : w;
        for (int i = 0; i < count; ++i) {
            auto at = [&](int k) -> QRgb & {
                return horizontal ? reinterpret_cast<QRgb *>(a.scanLine(i))[k]
                                  : reinterpret_cast<QRgb *>(a.scanLine(k))[i];
            };
            for (int k = 0; k < length; ++k) {
                const QRgb v = at(k);
                line[4 * k] = qRed(v);
                line[4 * k + 1] = qGreen(v);
                line[4 * k + 2] = qBlue(v);
                line[4 * k + 3] = qAlpha(v);
            }
            for (int k = 0; k < length; ++k) {
                int sum[4] = {0, 0, 0, 0};
                for (int d = -radius; d <= radius; ++d) {
                    const int j = k + d;
                    if (j < 0 || j >= length)
                        continue;
                    for (int c = 0; c < 4; ++c)
                        sum[c] += line[4 * j + c];
                }
                const int n = 2 * radius + 1;
                at(k) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    return a;
}

// The halo is blurred in device pixels, so its shape and every length are taken there first:
// at double resolution the blur reaches twice as many pixels and the halo keeps its logical size.
QRect drawHalo(QPainter &p, const QPainterPath &path, const QColor &colour, qreal spread, int radius,
               QPointF offset)
{
    const QTransform toDevice = p.worldTransform(); // a plain scale: pictures are never turned
    const qreal scale = toDevice.m11();
    const QPainterPath shape = toDevice.map(path);
    spread *= scale;
    radius = int(std::lround(radius * scale));
    offset *= scale;

    const int margin = int(std::ceil(spread)) + 3 * radius + 2;
    const QRect box = shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage layer = canvas(box.width(), box.height());
    QPainter lp;
    begin(lp, layer);
    lp.translate(-box.topLeft());
    if (spread > 0)
        lp.setPen(QPen(colour, 2 * spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        lp.setPen(Qt::NoPen);
    lp.setBrush(colour);
    lp.drawPath(shape);
    lp.end();
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(box.topLeft()) + offset, blurred(layer, radius));
    p.restore();
    return box.translated(offset.toPoint());
}

QPainterPath textPath(const QString &text, const QFont &f, QPointF centre, qreal spacing)
{
    QPainterPath path;
    qreal x = 0;
    if (spacing == 0) {
        path.addText(0, 0, f, text);
    } else {
        for (const QChar ch : text) {
            QPainterPath glyph;
            glyph.addText(0, 0, f, QString(ch));
            path.addPath(glyph.translated(x, 0));
            x += glyph.boundingRect().right() + spacing;
        }
    }
    const QRectF box = path.boundingRect();
    return path.translated(std::round(centre.x() - box.center().x()),
                           std::round(centre.y() - box.center().y()));
}

void drawJewel(QPainter &p, const QPainterPath &path, const QColor &base, qreal outline,
               int glossAlpha)
{
    const QRectF box = path.boundingRect();
    p.save();
    p.setPen(QPen(Ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);

    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, mix(base, Qt::white, 0.35));
    fill.setColorAt(0.55, base);
    fill.setColorAt(1.0, mix(base, Qt::black, 0.30));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);

    p.setClipPath(path);
    QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.top() + box.height() * 0.55));
    gloss.setColorAt(0.0, QColor(255, 255, 255, glossAlpha));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(box.left() - box.width() * 0.15, box.top() - box.height() * 0.55,
                         box.width() * 1.3, box.height() * 1.0));
    p.restore();
}

namespace {

// The chord that a square's circle (the one through its corners) cuts beyond one of its edges.
QPainterPath chord(QPointF cellCentre, qreal size, int startDegrees)
{
    const qreal r = size * M_SQRT1_2;
    const QRectF circle(cellCentre.x() - r, cellCentre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(circle, startDegrees);
    path.arcTo(circle, startDegrees, 90);
    path.closeSubpath();
    return path;
}

} // namespace

// Each half of a lens takes the colour of the square it reaches out from, so the lenses
// interlock the neighbouring squares.
void drawLensField(QPainter &p, const QRect &area, qreal size,
                   const std::function<QColor(int, int)> &colourOf, int outlineAlpha, bool gloss)
{
    const int cols = int(std::ceil(area.width() / size)) + 2;
    const int rows = int(std::ceil(area.height() / size)) + 2;
    p.save();
    p.setClipRect(area);
    auto centreOf = [&](int c, int r) {
        return QPointF(area.left() + (c + 0.5) * size, area.top() + (r + 0.5) * size);
    };
    for (int r = -1; r < rows; ++r) {
        for (int c = -1; c < cols; ++c) {
            const QColor own = colourOf(c, r);
            const QPointF centre = centreOf(c, r);
            QRadialGradient sheen(centre - QPointF(size * 0.3, size * 0.3), size);
            sheen.setColorAt(0, mix(own, Qt::white, gloss ? 0.12 : 0.0));
            sheen.setColorAt(1, mix(own, Qt::black, gloss ? 0.12 : 0.0));
            p.fillRect(QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size), sheen);
        }
    }
    // Right and bottom lenses of every square, both halves.
    for (int r = -1; r < rows; ++r) {
        for (int c = -1; c < cols; ++c) {
            const QPointF centre = centreOf(c, r);
            const struct {
                int dc, dr, ownStart, otherStart;
            } edges[] = {{1, 0, 315, 135}, {0, 1, 225, 45}};
            for (const auto &e : edges) {
                const QColor a = colourOf(c, r);
                const QColor b = colourOf(c + e.dc, e.dr + r);
                const QPointF other = centreOf(c + e.dc, r + e.dr);
                const QPainterPath intoB = chord(centre, size, e.ownStart);
                const QPainterPath intoA = chord(other, size, e.otherStart);
                for (const auto &[piece, colour] : {std::pair{intoB, a}, std::pair{intoA, b}}) {
                    const QRectF box = piece.boundingRect();
                    QLinearGradient g(box.topLeft(), box.bottomRight());
                    g.setColorAt(0, mix(colour, Qt::white, gloss ? 0.22 : 0.0));
                    g.setColorAt(1, mix(colour, Qt::black, gloss ? 0.10 : 0.0));
                    p.setPen(Qt::NoPen);
                    p.setBrush(g);
                    p.drawPath(piece);
                }
                if (outlineAlpha > 0) {
                    p.setBrush(Qt::NoBrush);
                    p.setPen(QPen(withAlpha(Ink, outlineAlpha), 1.0));
                    p.drawPath(intoB);
                    p.drawPath(intoA);
                }
            }
        }
    }
    p.restore();
}

bool save(const QImage &image, const QDir &dir, const QString &name, bool opaque)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    const QImage out = image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-20s %3d x %3d\n", qPrintable(name), out.width(), out.height());
    return true;
}

} // namespace pictures
