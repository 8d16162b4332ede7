// The board's background tiles (fon/f1..f9.png) and the dialogs' papers (p_user.png, top10_fon.png).
#include "common.h"

#include <iterator>

namespace pictures {
namespace {

// 5 x 5 tiles: a base colour and a quiet pattern of lighter (+) and darker (-) pixels.
struct Tile {
    QColor base;
    const char *pattern; // 25 characters, row by row: '.' base, '+' lighter, '-' darker
};

const Tile Tiles[] = {
    // f1 slate blue, fine diagonal
    {QColor(58, 72, 102), "+....-+....-+....-+....-+"},
    // f2 deep teal, woven
    {QColor(40, 86, 88), "+.-..-+.........-..+.-..."},
    // f3 plum, scattered lenses of light
    {QColor(84, 62, 96), "..+...+-+...+....-...-+-."},
    // f4 moss, small cross-hatch
    {QColor(66, 82, 58), "+...+.+.+...+...+.+.+...+"},
    // f5 graphite, staggered dots
    {QColor(70, 72, 80), "+...........-............"},
    // f6 wine, steep diagonal
    {QColor(92, 56, 68), "+..-..-+..+..-..-+..+..-."},
    // f7 ocean, ripples
    {QColor(38, 76, 110), "+++..--...........--...+."},
    // f8 umber, sanded grain
    {QColor(92, 74, 54), ".+.-.-...+..+-.+..-...+.-"},
    // f9 ink, behind the information bar's white text
    {QColor(16, 22, 52), "+....-+....-+....-+....-+"},
};

QImage tileImage(const Tile &tile)
{
    QImage image(5, 5, QImage::Format_RGB32);
    for (int i = 0; i < 25; ++i) {
        QColor c = tile.base;
        if (tile.pattern[i] == '+')
            c = mix(c, Qt::white, 0.07);
        else if (tile.pattern[i] == '-')
            c = mix(c, Qt::black, 0.14);
        image.setPixelColor(i % 5, i / 5, c);
    }
    return image;
}

// A light seamless field of faint lenses: the same lattice as the menu, washed out to paper.
QImage paper(int side, int cell, int period, const QColor &base, const QColor *tints, int tintCount,
             qreal strength)
{
    QImage image = canvas(side, side);
    QPainter p;
    begin(p, image);
    auto colourOf = [&](int c, int r) {
        // Wrapped to the tile, so that the tile repeats without a seam.
        Lcg lcg{std::uint32_t((((c % period) + period) % period) * 31 + (((r % period) + period) % period) * 977 + 5)};
        lcg.next();
        return mix(base, tints[lcg.below(tintCount)], strength);
    };
    drawLensField(p, QRect(0, 0, side, side), cell, colourOf, 18, false);
    p.end();
    return image;
}

} // namespace

bool writeTiles(const QDir &dir)
{
    bool ok = true;
    for (int i = 0; i < int(std::size(Tiles)); ++i)
        ok = ok && save(tileImage(Tiles[i]), dir, QStringLiteral("fon/f%1.png").arg(i + 1), true);
    return ok;
}

bool writePapers(const QDir &dir)
{
    const QColor coolTints[] = {Sapphire, Teal, Amethyst, Jade};
    const QColor warmTints[] = {Amber, Citrine, Ruby, Amber, Jade};
    return save(paper(200, 50, 4, QColor(242, 245, 251), coolTints, 4, 0.07), dir,
                QStringLiteral("p_user.png"), true)
        && save(paper(300, 60, 5, QColor(252, 247, 234), warmTints, 5, 0.06), dir,
                QStringLiteral("top10_fon.png"), true);
}

} // namespace pictures
