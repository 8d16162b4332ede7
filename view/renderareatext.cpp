// The board widget's texts: the menu screen's greeting and the information bar, laid out in the
// game's own faces so that they stay inside the pictures they are written on.
#include "renderarea.h"

#include "boardfonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace {

// The greeting panel of the menu picture (x, y, width, height) and its rim, a line 1.2 pixels
// wide along a rounded rectangle 3 pixels inside it with corners of radius 11
// (tools/pictures/menu.cpp paints both).
const QRect PanelRect(134, 27, 263, 105);
const qreal RimInset = 3;
const qreal RimRadius = 11;
const qreal RimHalfWidth = 0.6;

const int GreetingPoints = 16;
const int SmallestGreetingPoints = 12;
const int LinePoints = 12;
const int BarPoints = 20;

// The pixels that text covers when it is drawn in box with flags, as QPainter::drawText lays
// out a single line there: its baseline lies the line's ascent below the line's top.
QRect inkOf(const QFontMetrics &metrics, const QFont &font, const QRect &box, int flags,
            const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRect lineBox = metrics.boundingRect(box, flags, text);
    const int baseline = lineBox.top() + qRound(line.ascent());
    return metrics.tightBoundingRect(text).translated(lineBox.left(), baseline);
}

} // namespace

QPainterPath RenderArea::GreetingPanel()
{
    const qreal inset = RimInset + RimHalfWidth;
    QPainterPath clear;
    clear.addRoundedRect(QRectF(PanelRect).adjusted(inset, inset, -inset, -inset),
                         RimRadius - RimHalfWidth, RimRadius - RimHalfWidth);
    return clear;
}

MenuText RenderArea::MenuTextLayout(const QString &name) const
{
    MenuText text;
    text.greetingAt = QPoint(200, 50);
    const QString hello = tr("Hello") + QLatin1Char(' ');
    const QPainterPath panel = GreetingPanel();
    const auto fitsIn = [&](int points, const QString &greeting) {
        text.greetingFont = boardFont(points);
        text.greeting = greeting;
        text.greetingBounds =
            QFontMetrics(text.greetingFont, this).tightBoundingRect(greeting).translated(text.greetingAt);
        return panel.contains(QRectF(text.greetingBounds));
    };
    int points = GreetingPoints;
    while (!fitsIn(points, hello + name) && points > SmallestGreetingPoints)
        --points;
    if (!panel.contains(QRectF(text.greetingBounds))) {
        const QFontMetrics metrics(text.greetingFont, this);
        int room = int(panel.boundingRect().right()) - text.greetingAt.x() - metrics.horizontalAdvance(hello);
        while (room > 0 && !fitsIn(points, hello + metrics.elidedText(name, Qt::ElideRight, room)))
            --room;
    }

    // The line below starts where a centred "Welcome" greeting of the same type would end.
    const QRect welcome = QFontMetrics(text.greetingFont, this)
                              .boundingRect(QRect(200, 50, 100, 100), Qt::AlignHCenter,
                                            tr("Welcome") + QLatin1Char(' ') + name);
    text.lineFont = boardFont(LinePoints);
    text.line = tr("if this is not you click");
    text.lineBox = QRect(135, welcome.top() + welcome.height(), 230, 50);
    const QRect line = QFontMetrics(text.lineFont, this).boundingRect(text.lineBox, Qt::AlignRight, text.line);
    text.usersAt = QPoint(line.left() + line.width(), line.top());
    return text;
}

HudText RenderArea::HudLayout(const QString &time, const QString &levelText) const
{
    HudText text;
    text.time = time;
    text.level = levelText;
    text.font = boardFont(BarPoints);
    const QFontMetrics metrics(text.font, this);
    text.timeBox = QRect(10, height() - hudHeight, 200, 50);
    text.timeBounds = inkOf(metrics, text.font, text.timeBox, Qt::AlignTop, time);
    const QRect timeLine = metrics.boundingRect(text.timeBox, Qt::AlignTop, time);
    text.levelBox = QRect(10, timeLine.top() + 10, 400, 50);
    text.levelBounds = inkOf(metrics, text.font, text.levelBox, Qt::AlignBottom, levelText);
    // Chinese, Japanese and Korean lines are taller than Latin ones: keep a clear row between.
    const int overlap = text.timeBounds.bottom() + 2 - text.levelBounds.top();
    if (overlap > 0) {
        text.levelBox.translate(0, overlap);
        text.levelBounds.translate(0, overlap);
    }
    return text;
}

HudText RenderArea::HudLayout() const
{
    return HudLayout(tr("Time:") + QStringLiteral(" %1 ").arg(GameSeconds()),
                     tr("Level:") + QStringLiteral(" %1-%2").arg(level).arg(subLevel));
}

void RenderArea::DrawHud(QPainter &painter)
{
    painter.setBrush(hudBrush);
    painter.setPen(QPen());
    painter.drawRect(HudRect());

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    const HudText text = HudLayout();
    painter.setFont(text.font);
    if (board.mode == ClassicGame) {
        painter.drawText(QRect(10, height() - 70, 100, 50), Qt::AlignTop | Qt::TextDontClip,
                         text.time);
    } else if (board.mode == PuzzleGame && clockShown) {
        painter.drawText(text.timeBox, Qt::AlignTop, text.time);
        painter.drawText(text.levelBox, Qt::AlignBottom, text.level);
    }
}

void RenderArea::DrawMenuText(QPainter &painter)
{
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(menuText.greetingFont);
    painter.drawText(menuText.greetingAt, menuText.greeting);
    painter.setFont(menuText.lineFont);
    painter.drawText(menuText.lineBox, Qt::AlignRight, menuText.line);
    painter.drawPixmap(menuText.usersAt, usersPixmap);
}
