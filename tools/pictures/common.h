// The pictures' shared colours and drawing tools, and what each theme's file offers to main().
#pragma once
//
// One look for all of them: deep jewel colours over the navy of the empty places, soft top-lit
// gradients with a glossy cap, a thin navy outline, and the lens (two circles' overlap) of the board.
// Everything is drawn from shapes and the DejaVu fonts; the only randomness has fixed seeds.
//
// Pictures with a double-resolution sibling ("name@2x.png") are drawn at a scale: the painter works
// in the picture's logical pixels while the image holds scale x scale device pixels for each, so
// both sizes come out of the same drawing, the larger one with twice the detail.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

namespace pictures {

inline const QColor Ink(12, 18, 54);         // outlines: a deeper shade of the empty places' navy
inline const QColor Navy(10, 20, 80);        // what the menu's colours sink into
inline const QColor Gold(255, 204, 74);
inline const QColor Cream(255, 247, 226);

// The jewel colours: the board's colours, each a little deeper.
inline const QColor Ruby(200, 30, 58);
inline const QColor Amber(232, 150, 52);
inline const QColor Citrine(240, 206, 40);
inline const QColor Emerald(22, 150, 72);
inline const QColor Teal(17, 122, 168);
inline const QColor Sapphire(36, 72, 170);
inline const QColor Amethyst(124, 62, 168);
inline const QColor Magenta(190, 34, 170);
inline const QColor Jade(120, 184, 150);

// A small fixed-seed generator, so the pictures never depend on the library's random engine.
struct Lcg {
    std::uint32_t state;
    std::uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }
};

// Fonts are asked for by family; a missing family would silently change the pictures, so stop.
QFont font(const QString &family, int pixelSize, bool bold);
QColor mix(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(QColor c, int alpha);

// A transparent picture of w x h logical pixels, each scale x scale device pixels.
QImage canvas(int w, int h, int scale = 1);
// Starts painting with antialiasing, in the picture's logical pixels.
void begin(QPainter &p, QImage &image, int scale = 1);
// Three box blurs in a row, close enough to a gaussian for glows and shadows.
QImage blurred(const QImage &source, int radius);
// A soft halo of the shape: drop shadows (offset) and the highlight glow of the menu's words.
// Spread, radius and offset are logical; returns the box the halo covers, in device pixels.
QRect drawHalo(QPainter &p, const QPainterPath &path, const QColor &colour, qreal spread, int radius,
               QPointF offset = QPointF());
// Glyphs as an outline, placed so that their inked box is centred on `centre` (whole pixels).
QPainterPath textPath(const QString &text, const QFont &f, QPointF centre, qreal spacing = 0);
// The house style of a shape: a top-lit gradient, a glossy cap and a navy outline.
void drawJewel(QPainter &p, const QPainterPath &path, const QColor &base, qreal outline,
               int glossAlpha = 130);
// A board-like field of squares with lenses across their edges, coloured square by square.
void drawLensField(QPainter &p, const QRect &area, qreal size,
                   const std::function<QColor(int, int)> &colourOf, int outlineAlpha, bool gloss);
bool save(const QImage &image, const QDir &dir, const QString &name, bool opaque = false);

// menu.cpp: the main menu and its two hover pictures, at single and double resolution.
bool writeMenu(const QDir &dir);

// backgrounds.cpp: the board's tiles and the dialogs' papers.
bool writeTiles(const QDir &dir);
bool writePapers(const QDir &dir);

// icons.cpp
QImage star(int scale);
QImage house();
QImage gear();
QImage framedPicture();
QImage trophy();
QImage info();
QImage power();
QImage users(int scale);
QImage plus();
QImage cross();
QImage check();

} // namespace pictures
