// Draws Tavni's application icon as dist/icons/hicolor/scalable/apps/tavni.svg and 48-256 px PNGs.
// Usage: tavni_appicon <hicolor folder>   (run with QT_QPA_PLATFORM=offscreen when headless)
//
// The icon is four cells of the board on the navy of the game's menu, every edge carrying a lens
// of two coloured halves. Each shape is recorded once and then written out twice: as SVG text and
// painted with QPainter for the PNGs, so the scalable and the pixel icons are the same drawing.
#include "common.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRegularExpression>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace pictures;

namespace {

constexpr qreal Size = 256; // the drawing's own units; the SVG's view box

QString number(qreal value)
{
    return QString::number(std::round(value * 100) / 100, 'f', 2)
        .remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// A path built at once as a QPainterPath and as SVG path data.
struct Outline {
    QPainterPath path;
    QString data;

    void moveTo(QPointF p)
    {
        path.moveTo(p);
        data += QStringLiteral("M%1 %2").arg(number(p.x()), number(p.y()));
    }
    void lineTo(QPointF p)
    {
        path.lineTo(p);
        data += QStringLiteral("L%1 %2").arg(number(p.x()), number(p.y()));
    }
    // An arc of the circle around c, from angle `from` to `to` in degrees, clockwise on screen
    // for a growing angle; the path must already stand at the arc's start.
    void arc(QPointF c, qreal r, qreal from, qreal to)
    {
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -from, -(to - from));
        const qreal a = qDegreesToRadians(to);
        data += QStringLiteral("A%1 %1 0 %2 %3 %4 %5")
                    .arg(number(r))
                    .arg(std::abs(to - from) > 180 ? 1 : 0)
                    .arg(to > from ? 1 : 0)
                    .arg(number(c.x() + r * std::cos(a)), number(c.y() + r * std::sin(a)));
    }
    void close()
    {
        path.closeSubpath();
        data += QLatin1Char('Z');
    }
};

// A top-to-bottom gradient between two heights, or a plain colour when both stops are the same.
struct Fill {
    qreal top, bottom;
    QColor from, to;
};

struct Shape {
    Outline outline;
    Fill fill;
    QColor stroke = Qt::transparent;
    qreal strokeWidth = 0;
};

QPointF polar(QPointF c, qreal r, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

Outline roundedSquare(qreal left, qreal top, qreal side, qreal radius)
{
    const qreal right = left + side, bottom = top + side;
    Outline o;
    o.moveTo({left + radius, top});
    o.lineTo({right - radius, top});
    o.arc({right - radius, top + radius}, radius, -90, 0);
    o.lineTo({right, bottom - radius});
    o.arc({right - radius, bottom - radius}, radius, 0, 90);
    o.lineTo({left + radius, bottom});
    o.arc({left + radius, bottom - radius}, radius, 90, 180);
    o.lineTo({left, top + radius});
    o.arc({left + radius, top + radius}, radius, 180, 270);
    o.close();
    return o;
}

// A top-lit jewel fill for a shape between two heights, as the game's pictures have.
Fill jewel(const QColor &base, qreal top, qreal bottom)
{
    return {top, bottom, mix(base, Qt::white, 0.15), mix(base, Qt::black, 0.30)};
}

std::vector<Shape> drawing()
{
    std::vector<Shape> shapes;
    const qreal tileEdge = 12, tileSide = Size - 2 * tileEdge;
    shapes.push_back({roundedSquare(tileEdge, tileEdge, tileSide, 44),
                      {tileEdge, Size - tileEdge, QColor(44, 62, 150), QColor(8, 14, 58)}, Ink, 6});

    // Four cells of side s; a lens half is the part of a cell's circle (the one through its
    // corners) that reaches beyond one of its edges, and it keeps the colour of its cell.
    const qreal s = 88, left = (Size - 2 * s) / 2, r = s * M_SQRT1_2;
    const QColor cells[2][2] = {{Ruby, Citrine}, {Teal, Emerald}};
    const qreal rim = 7; // the gold rim around the cells, like the one around the menu's title
    shapes.push_back({roundedSquare(left - rim, left - rim, 2 * (s + rim), 10),
                      {left - rim, left + 2 * s + rim, Ink, Ink}, Gold, 4});
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            const qreal x = left + col * s, y = left + row * s;
            Outline square;
            square.moveTo({x, y});
            square.lineTo({x + s, y});
            square.lineTo({x + s, y + s});
            square.lineTo({x, y + s});
            square.close();
            shapes.push_back({square, jewel(mix(cells[row][col], Qt::black, 0.1), y, y + s), Ink, 4});
        }
    }
    // The lenses on the four inner edges, each half reaching into the neighbouring cell.
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            const QPointF centre(left + (col + 0.5) * s, left + (row + 0.5) * s);
            const qreal towardsMiddle[2] = {col == 0 ? 0.0 : 180.0, row == 0 ? 90.0 : 270.0};
            for (qreal middle : towardsMiddle) {
                Outline half;
                half.moveTo(polar(centre, r, middle - 45));
                half.arc(centre, r, middle - 45, middle + 45);
                half.close();
                const QRectF box = half.path.boundingRect();
                shapes.push_back({half, jewel(mix(cells[row][col], Qt::white, 0.2), box.top(),
                                              box.bottom()), Ink, 3});
            }
        }
    }

    // The gloss over the upper part of the tile, ending in a shallow curve.
    const qreal inset = tileEdge + 6, radius = 38, glossBottom = 112;
    Outline gloss;
    gloss.moveTo({inset, glossBottom});
    gloss.lineTo({inset, inset + radius});
    gloss.arc({inset + radius, inset + radius}, radius, 180, 270);
    gloss.lineTo({Size - inset - radius, inset});
    gloss.arc({Size - inset - radius, inset + radius}, radius, 270, 360);
    gloss.lineTo({Size - inset, glossBottom});
    const qreal bow = 520; // the radius of the curve along the bottom
    const qreal half = (Size - 2 * inset) / 2, sag = bow - std::sqrt(bow * bow - half * half);
    const QPointF bowCentre(Size / 2, glossBottom + sag - bow);
    const qreal sweep = qRadiansToDegrees(std::asin(half / bow));
    gloss.arc(bowCentre, bow, 90 - sweep, 90 + sweep);
    gloss.close();
    shapes.push_back({gloss, {inset, glossBottom + sag, QColor(255, 255, 255, 70),
                              QColor(255, 255, 255, 0)}});
    return shapes;
}

QString svgColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

bool writeSvg(const std::vector<Shape> &shapes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Size << "\" height=\"" << Size
        << "\" viewBox=\"0 0 " << Size << ' ' << Size << "\">\n<defs>\n";
    for (size_t i = 0; i < shapes.size(); ++i) {
        const Fill &f = shapes[i].fill;
        out << "<linearGradient id=\"g" << i << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\""
            << number(f.top) << "\" x2=\"0\" y2=\"" << number(f.bottom) << "\">";
        for (const auto &[offset, colour] : {std::pair{0, f.from}, std::pair{1, f.to}}) {
            out << "<stop offset=\"" << offset << "\" stop-color=\"" << svgColour(colour) << '"';
            if (colour.alpha() != 255)
                out << " stop-opacity=\"" << number(colour.alphaF()) << '"';
            out << "/>";
        }
        out << "</linearGradient>\n";
    }
    out << "</defs>\n";
    // As the PNGs are painted: the outline under the fill, so half of its width shows.
    for (size_t i = 0; i < shapes.size(); ++i) {
        const Shape &shape = shapes[i];
        if (shape.strokeWidth > 0) {
            out << "<path d=\"" << shape.outline.data << "\" fill=\"none\" stroke=\""
                << svgColour(shape.stroke) << "\" stroke-width=\"" << number(shape.strokeWidth)
                << "\" stroke-linejoin=\"round\"/>\n";
        }
        out << "<path d=\"" << shape.outline.data << "\" fill=\"url(#g" << i << ")\"/>\n";
    }
    out << "</svg>\n";
    out.flush();
    if (out.status() != QTextStream::Ok || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-20s scalable\n", qPrintable(QFileInfo(path).fileName()));
    return true;
}

QImage paint(const std::vector<Shape> &shapes, int pixels)
{
    QImage image = canvas(pixels, pixels);
    QPainter p;
    begin(p, image);
    p.scale(pixels / Size, pixels / Size);
    for (const Shape &shape : shapes) {
        if (shape.strokeWidth > 0) {
            p.setPen(QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape.outline.path);
        }
        QLinearGradient gradient(0, shape.fill.top, 0, shape.fill.bottom);
        gradient.setColorAt(0, shape.fill.from);
        gradient.setColorAt(1, shape.fill.to);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawPath(shape.outline.path);
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavni_appicon <hicolor folder>\n");
        return 2;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[1]));
    const std::vector<Shape> shapes = drawing();
    hicolor.mkpath(QStringLiteral("scalable/apps"));
    bool ok = writeSvg(shapes, hicolor.filePath(QStringLiteral("scalable/apps/tavni.svg")));
    for (int pixels : {48, 64, 128, 256}) {
        ok = ok && save(paint(shapes, pixels), hicolor,
                        QStringLiteral("%1x%1/apps/tavni.png").arg(pixels));
    }
    return ok ? 0 : 1;
}
