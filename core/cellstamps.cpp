#include "cellstamps.h"

#include "cellpatterns.h"

#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

// Enough stamps for every shape in every colour at a few cell sizes; a cache that outgrows it
// starts afresh.
constexpr int MaxStamps = 4096;

// The fill and outline of a shape, as paintCellShape draws them, and the ink of its colour's
// pattern over the fill.
enum class StampLayer { Fill, Outline, Pattern };

struct StampKey {
    QRgba64 colour;
    CellShape shape;
    StampLayer layer;
    int size;
    int diag;
    int ratio;
    bool antialiased;

    bool operator==(const StampKey &other) const
    {
        return colour == other.colour && shape == other.shape && layer == other.layer
            && size == other.size && diag == other.diag && ratio == other.ratio
            && antialiased == other.antialiased;
    }
};

size_t qHash(const StampKey &key, size_t seed = 0)
{
    return qHashMulti(seed, quint64(key.colour), int(key.shape), int(key.layer), key.size,
                      key.diag, key.ratio, key.antialiased);
}

// The painted pixels of a layer, and where they lie from the cell's top-left corner, in device
// pixels.
struct Stamp {
    QImage image;
    QPoint offset;
};

QHash<StampKey, Stamp> &stampCache()
{
    static QHash<StampKey, Stamp> cache;
    return cache;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect paintedBounds(const QImage &image)
{
    const int width = image.width();
    const std::vector<QRgb> clear(size_t(width), 0);
    const auto painted = [](QRgb pixel) { return pixel != 0; };
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::memcmp(line, clear.data(), clear.size() * sizeof(QRgb)) == 0)
            continue;
        const int first = int(std::find_if(line, line + width, painted) - line);
        const auto lastFromEnd = std::find_if(std::make_reverse_iterator(line + width),
                                              std::make_reverse_iterator(line), painted);
        const int last = int(lastFromEnd.base() - line) - 1;
        bounds |= QRect(first, y, last - first + 1, 1);
    }
    return bounds;
}

// Drawn with the cell's corner at (size, size) of a picture 3 * size + 2 pixels wide, which
// holds every shape with its outline: the bars reach half a cell beyond the square, the outer
// chords less.
Stamp makeStamp(const StampKey &key, const QColor &colour)
{
    const int side = (3 * key.size + 2) * key.ratio;
    QImage canvas(side, side, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(key.ratio);
    canvas.fill(Qt::transparent);
    const CellPlace reference{QPoint(key.size, key.size), key.size, key.diag};
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, key.antialiased);
        paintCellShape(painter, key.shape, reference, colour,
                       key.layer == StampLayer::Fill ? ShapeLayer::Fill : ShapeLayer::Outline);
    }
    const QRect used = paintedBounds(canvas);
    if (used.isEmpty())
        return Stamp();
    QImage image = canvas.copy(used);
    image.setDevicePixelRatio(key.ratio);
    return Stamp{image, used.topLeft() - reference.corner * key.ratio};
}

Stamp stampFor(const StampKey &key, const QColor &colour);

// How much of each pixel the fill and the outline together cover, as the alpha of a picture
// in the outline's place, which holds the fill's.
Stamp coverage(const Stamp &outline, const Stamp &fill)
{
    Stamp covered{QImage(outline.image.size(), QImage::Format_ARGB32_Premultiplied),
                  outline.offset};
    covered.image.setDevicePixelRatio(outline.image.devicePixelRatio());
    const QPoint shift = outline.offset - fill.offset;
    const QRect fillArea = fill.image.rect();
    for (int y = 0; y < covered.image.height(); ++y) {
        const auto *drawn = reinterpret_cast<const QRgb *>(outline.image.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(covered.image.scanLine(y));
        for (int x = 0; x < covered.image.width(); ++x) {
            const QPoint inFill = QPoint(x, y) + shift;
            const int filled = fillArea.contains(inFill) ? qAlpha(fill.image.pixel(inFill)) : 0;
            const int clear = (255 - qAlpha(drawn[x])) * (255 - filled) / 255;
            line[x] = qRgba(0, 0, 0, 255 - clear);
        }
    }
    return covered;
}

// The pattern's ink over what the shape's fill and outline cover, so that it stays inside the
// shape and no seam of plain colour runs along the outline of a piece on a square of its own
// colour. It is placed from the corner of the square the shape lies in, so that the two cells
// that paint a piece paint the same pattern, and a piece of the cell's own colour continues its
// square's.
Stamp makePatternStamp(StampKey key, const QColor &colour)
{
    key.layer = StampLayer::Outline;
    const Stamp outline = stampFor(key, colour);
    key.layer = StampLayer::Fill;
    const Stamp fill = stampFor(key, colour);
    if (outline.image.isNull())
        return outline;
    Stamp stamp = coverage(outline, fill);
    const QPoint square = shapeSquare(key.shape) * key.size * key.ratio;
    inkPattern(stamp.image, colour, stamp.offset - square, patternUnit(key.size, key.ratio));
    return stamp;
}

// By value: making one stamp can make another first, which may start the cache afresh.
Stamp stampFor(const StampKey &key, const QColor &colour)
{
    QHash<StampKey, Stamp> &cache = stampCache();
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const Stamp stamp =
        key.layer == StampLayer::Pattern ? makePatternStamp(key, colour) : makeStamp(key, colour);
    if (cache.size() >= MaxStamps)
        cache.clear();
    cache.insert(key, stamp);
    return stamp;
}

// Premultiplied 32-bit pixels, which the raster engine blends as the stamps were made.
bool hasStampablePixels(const QPaintDevice *device)
{
    if (device->devType() == QInternal::Image) {
        const QImage::Format format = static_cast<const QImage *>(device)->format();
        return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
    }
    return device->devType() == QInternal::Pixmap && device->depth() == 32;
}

bool isWhole(qreal value)
{
    return value == std::floor(value);
}

// The pixel ratio of the painter's device when its logical pixels map onto whole device
// pixels, else 0.
int wholePixelRatio(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    const QTransform transform = painter.deviceTransform();
    const qreal ratio = device ? device->devicePixelRatio() : 0;
    const bool aligned = transform.type() <= QTransform::TxScale && transform.m11() == ratio
        && transform.m22() == ratio && isWhole(transform.dx()) && isWhole(transform.dy());
    return aligned && ratio >= 1 && isWhole(ratio) ? int(ratio) : 0;
}

// The ratio for stamps when pasting them reproduces this painter's drawing, else 0.
int stampRatio(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    const bool blendsAsStamped = engine && engine->type() == QPaintEngine::Raster
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.opacity() == 1.0 && hasStampablePixels(painter.device());
    return blendsAsStamped ? wholePixelRatio(painter) : 0;
}

// The patterns of a painter that draws directly are pasted all the same, at its device's pixel
// density or finer.
int roundedUpRatio(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return std::max(1, device ? int(std::ceil(device->devicePixelRatio())) : 1);
}

} // namespace

CellShapePainter::CellShapePainter(QPainter &painter)
    : painter(painter)
    , ratio(stampRatio(painter))
    , patternRatio(ratio != 0 ? ratio : roundedUpRatio(painter))
    , antialiased(painter.testRenderHint(QPainter::Antialiasing))
{
}

void CellShapePainter::draw(CellShape shape, const CellPlace &place, const QColor &colour,
                            bool patterned)
{
    patterned = patterned && patternOf(colour) != CellPattern::None;
    if (ratio == 0 && !patterned) {
        paintCellShape(painter, shape, place, colour);
        return;
    }
    for (StampLayer layer : {StampLayer::Fill, StampLayer::Outline, StampLayer::Pattern}) {
        if (layer == StampLayer::Pattern && !patterned)
            continue;
        if (ratio == 0 && layer != StampLayer::Pattern) {
            paintCellShape(painter, shape, place, colour,
                           layer == StampLayer::Fill ? ShapeLayer::Fill : ShapeLayer::Outline);
            continue;
        }
        const StampKey key{colour.rgba64(), shape, layer, place.size, place.diag,
                           ratio == 0 ? patternRatio : ratio, antialiased};
        const Stamp stamp = stampFor(key, colour);
        if (!stamp.image.isNull())
            painter.drawImage(QPointF(place.corner) + QPointF(stamp.offset) / key.ratio,
                              stamp.image);
    }
}

