// Renders the target picture of every catalogue board into one labelled PNG, for review.
// Usage: tavni_contactsheet [--patterns] [output.png]   (QT_QPA_PLATFORM=offscreen when headless)
// --patterns draws each colour's pattern over its squares, as the game does with Colour patterns.
#include "board.h"
#include "cellpalette.h"
#include "cellpatterns.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int TileWidth = 168;
constexpr int TileHeight = 168;
constexpr int LabelHeight = 18;
constexpr int TilesPerRow = 12;
constexpr int LevelCount = 5;

struct Entry {
    QString label;
    QString path;
};

QList<Entry> catalogue()
{
    QList<Entry> entries;
    for (int level = 1; level <= LevelCount; ++level) {
        for (int sub = 1;; ++sub) {
            const QString path = QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(sub);
            if (!QFile::exists(path))
                break;
            entries.append({QStringLiteral("%1-%2").arg(level).arg(sub), path});
        }
    }
    entries.append({QStringLiteral("classic"), QStringLiteral(":/levels/classic.map")});
    return entries;
}

void drawTile(QPainter &painter, const QRect &tile, const Entry &entry, bool patterns)
{
    Board board;
    board.load(entry.path);
    board.build();
    std::vector<QColor> colours;
    int width = 0;
    int height = 0;
    board.boxColours(colours, width, height);

    const QRect area = tile.adjusted(6, LabelHeight, -6, -6);
    const int cell = std::max(1, std::min(area.width() / std::max(width, 1),
                                          area.height() / std::max(height, 1)));
    const QPoint origin(area.left() + (area.width() - cell * width) / 2,
                        area.top() + (area.height() - cell * height) / 2);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const QPoint corner(origin.x() + c * cell, origin.y() + r * cell);
            const QColor &colour = colours[r * width + c];
            painter.fillRect(QRect(corner, QSize(cell - 1, cell - 1)), colour);
            if (patterns)
                paintPatternSquare(painter, corner, cell - 1, colour);
        }
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(tile.left(), tile.top(), tile.width(), LabelHeight), Qt::AlignCenter,
                     QStringLiteral("%1  (%2x%3)").arg(entry.label).arg(width).arg(height));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool patterns = arguments.removeAll(QStringLiteral("--patterns")) > 0;
    const QString output = arguments.value(0, QStringLiteral("catalogue.png"));
    const QList<Entry> entries = catalogue();
    const int tileRows = (int(entries.size()) + TilesPerRow - 1) / TilesPerRow;

    QImage sheet(TilesPerRow * TileWidth, tileRows * TileHeight, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 230));
    QPainter painter(&sheet);
    for (int i = 0; i < entries.size(); ++i) {
        const QRect tile((i % TilesPerRow) * TileWidth, (i / TilesPerRow) * TileHeight, TileWidth,
                         TileHeight);
        drawTile(painter, tile, entries[i], patterns);
    }
    painter.end();
    if (!sheet.save(output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%d boards written to %s\n", int(entries.size()), qPrintable(output));
    return 0;
}
