// The main menu (1.png) and its hover pictures (cls.png, pzl.png), each also at double resolution.
#include "common.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cstdio>
#include <iterator>

namespace pictures {
namespace {

const QRect ClassicArea(20, 20, 140, 75);   // the classic button; its highlight picture is 80 high
const QRect ClassicHover(20, 20, 140, 80);
const QRect PuzzleArea(170, 300, 225, 45);  // the puzzle button and its highlight picture
const QRect GreetingPanel(134, 27, 263, 105); // the game writes the greeting here, in black

QColor menuColour(int c, int r)
{
    static const QColor jewels[] = {Sapphire, Teal, Amethyst, Sapphire, Emerald, Teal,
                                    Magenta,  Sapphire, Ruby, Teal, Amber, Amethyst};
    Lcg lcg{std::uint32_t((c + 7) * 7919 + (r + 5) * 104729)};
    lcg.next();
    const QColor jewel = jewels[lcg.below(int(std::size(jewels)))];
    return mix(jewel, Navy, 0.48);
}

void drawButton(QPainter &p, const QRectF &pill, const QColor &base)
{
    QPainterPath shape;
    const qreal radius = std::min(pill.height() / 2, 20.0);
    shape.addRoundedRect(pill, radius, radius);
    drawHalo(p, shape, QColor(0, 0, 20, 150), 1, 3, QPointF(0, 3));
    drawJewel(p, shape, base, 2.0, 80);
    p.save();
    p.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.addRoundedRect(pill.adjusted(2.5, 2.5, -2.5, -2.5), radius - 2.5, radius - 2.5);
    p.setPen(QPen(withAlpha(Gold, 150), 1.2));
    p.drawPath(inner);
    p.restore();
}

// A button's word: cream with a navy rim, or, when lit, gold with a warm glow.
// Returns the box that the lit word, glow included, can reach, in device pixels.
QRect drawWord(QPainter &p, const QPainterPath &word, bool lit)
{
    const QRectF box = word.boundingRect();
    const QColor glow(255, 222, 110, 255);
    QRect reach = p.worldTransform().mapRect(box).toAlignedRect();
    if (lit)
        reach = drawHalo(p, word, glow, 2.0, 3);
    p.setPen(QPen(Ink, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    if (lit) {
        fill.setColorAt(0, QColor(255, 252, 214));
        fill.setColorAt(1, QColor(255, 196, 40));
    } else {
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(214, 226, 246));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(word);
    return reach;
}

struct Menu {
    QImage image;
    QRect classicWord; // inked boxes of the words, with their glow, in device pixels
    QRect puzzleWord;
};

// The menu in logical pixels (400 x 400), drawn at `scale` device pixels for each.
Menu drawMenu(bool lit, int scale)
{
    Menu menu{canvas(400, 400, scale), {}, {}};
    QPainter p;
    begin(p, menu.image, scale);
    const QRect all(0, 0, 400, 400);

    // The field of lenses, sinking into navy towards the corners.
    drawLensField(p, all, 50, menuColour, 70, true);
    QRadialGradient vignette(QPointF(200, 210), 290);
    vignette.setColorAt(0.0, withAlpha(Navy, 0));
    vignette.setColorAt(0.55, withAlpha(Navy, 40));
    vignette.setColorAt(1.0, withAlpha(QColor(4, 8, 40), 200));
    p.fillRect(all, vignette);

    // The greeting panel: plain light paper for the game's black text.
    QPainterPath panel;
    panel.addRoundedRect(GreetingPanel, 14, 14);
    drawHalo(p, panel, QColor(0, 0, 20, 160), 1, 4, QPointF(0, 4));
    QLinearGradient paper(GreetingPanel.topLeft(), GreetingPanel.bottomLeft());
    paper.setColorAt(0, QColor(252, 250, 244));
    paper.setColorAt(1, QColor(238, 234, 222));
    p.setPen(QPen(Ink, 2.0));
    p.setBrush(paper);
    p.drawPath(panel);
    QPainterPath panelRim;
    panelRim.addRoundedRect(QRectF(GreetingPanel).adjusted(3, 3, -3, -3), 11, 11);
    p.setPen(QPen(withAlpha(Gold, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panelRim);

    // The title on a lens: the overlap of two circles, one above and one below.
    const QPointF centre(200, 202);
    const qreal half = 64;            // half the lens's height
    const qreal halfWidth = 190;
    const qreal d = (halfWidth * halfWidth - half * half) / (2 * half);
    const qreal R = d + half;
    QPainterPath upper, lower;
    upper.addEllipse(QPointF(centre.x(), centre.y() + d), R, R);
    lower.addEllipse(QPointF(centre.x(), centre.y() - d), R, R);
    const QPainterPath lens = upper.intersected(lower);
    drawHalo(p, lens, QColor(0, 0, 20, 170), 2, 5, QPointF(0, 5));
    QLinearGradient glass(centre - QPointF(0, half), centre + QPointF(0, half));
    glass.setColorAt(0, QColor(40, 58, 150, 235));
    glass.setColorAt(0.5, QColor(12, 22, 92, 240));
    glass.setColorAt(1, QColor(6, 12, 60, 245));
    p.setPen(QPen(Ink, 3));
    p.setBrush(glass);
    p.drawPath(lens);
    p.save();
    p.setClipPath(lens);
    QRadialGradient shine(centre - QPointF(0, half * 1.4), halfWidth);
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(lens.boundingRect(), shine);
    p.restore();
    p.setPen(QPen(withAlpha(Gold, 210), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(upper.translated(0, -3).intersected(lower.translated(0, 3)));

    const QPainterPath title = textPath(QStringLiteral("Tavni"), font(QStringLiteral("DejaVu Serif"), 82, true), centre);
    drawHalo(p, title, QColor(0, 0, 10, 200), 2, 3, QPointF(0, 3));
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    const QRectF tb = title.boundingRect();
    QLinearGradient goldFill(tb.topLeft(), tb.bottomLeft());
    goldFill.setColorAt(0.0, QColor(255, 250, 222));
    goldFill.setColorAt(0.5, QColor(255, 214, 96));
    goldFill.setColorAt(1.0, QColor(222, 146, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(goldFill);
    p.drawPath(title);

    // The two buttons.
    const QFont buttonFont = font(QStringLiteral("DejaVu Sans"), 22, true);
    const QRectF classicPill(24, 26, 104, 62);
    drawButton(p, classicPill, Teal);
    const QPainterPath classic = textPath(QStringLiteral("Classic"), buttonFont, classicPill.center());
    menu.classicWord = drawWord(p, classic, lit);

    const QRectF puzzlePill = QRectF(PuzzleArea).adjusted(4, 3, -4, -4);
    drawButton(p, puzzlePill, Magenta);
    const QPainterPath puzzle = textPath(QStringLiteral("PUZZLE"), font(QStringLiteral("DejaVu Sans"), 24, true),
                                         puzzlePill.center(), 4);
    menu.puzzleWord = drawWord(p, puzzle, lit);

    p.end();
    return menu;
}

// The place of a logical rectangle in a picture drawn at `scale`.
QRect scaled(const QRect &r, int scale)
{
    return QRect(r.topLeft() * scale, r.size() * scale);
}

// The pixels of `area` in the two renderings that differ anywhere outside `allowed`.
int strayDifferences(const QImage &a, const QImage &b, const QRect &area, const QRegion &allowed)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && !allowed.contains(QPoint(x, y)))
                ++count;
    return count;
}

} // namespace

bool writeMenu(const QDir &dir)
{
    bool ok = true;
    for (const int scale : {1, 2}) {
        const Menu plain = drawMenu(false, scale);
        const Menu lit = drawMenu(true, scale);
        const QRect classicHover = scaled(ClassicHover, scale);
        const QRect puzzleHover = scaled(PuzzleArea, scale);
        // Only the words may differ between the two renderings, and they must stay on their
        // buttons: the game pastes the hover pictures over the menu in these places.
        std::printf("at %dx: lit words within x %d..%d y %d..%d (Classic), x %d..%d y %d..%d (PUZZLE)\n",
                    scale, lit.classicWord.left(), lit.classicWord.right(), lit.classicWord.top(),
                    lit.classicWord.bottom(), lit.puzzleWord.left(), lit.puzzleWord.right(),
                    lit.puzzleWord.top(), lit.puzzleWord.bottom());
        if (!scaled(ClassicArea, scale).contains(lit.classicWord) || !puzzleHover.contains(lit.puzzleWord)) {
            std::fprintf(stderr, "a button's word leaves its button\n");
            return false;
        }
        const QRegion words = QRegion(lit.classicWord) + QRegion(lit.puzzleWord);
        if (strayDifferences(plain.image, lit.image, classicHover, words) != 0
            || strayDifferences(plain.image, lit.image, puzzleHover, words) != 0) {
            std::fprintf(stderr, "the lit menu differs from the plain one outside its words\n");
            return false;
        }
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        ok = ok && save(plain.image, dir, QStringLiteral("1%1.png").arg(suffix), true)
            && save(lit.image.copy(classicHover), dir, QStringLiteral("cls%1.png").arg(suffix), true)
            && save(lit.image.copy(puzzleHover), dir, QStringLiteral("pzl%1.png").arg(suffix), true);
    }
    return ok;
}

} // namespace pictures
