// The board widget, for tests.
#pragma once

#include "boxanswerer.h"
#include "globals.h"
#include "renderarea.h"

#include <algorithm>

inline QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
inline QImage shot(QWidget &widget) { return rgb(widget.grab().toImage()); }

// The widget at the menu's 400 x 400, not shown. Answers the boxes it opens and logs them and
// its signals, as "Name(args)", in the order they come. GameLevel sets how much a level is
// scrambled; 0 leaves it solved.
struct GameStage : BoxAnswerer {
    explicit GameStage(int gameLevel = 1)
    {
        GameLevel = gameLevel;
        const auto logAs = [this](const char *name) {
            return [this, name](auto... args) {
                log += name + ("(" + QStringList{QString::number(args)...}.join(',') + ")");
            };
        };
        connect(&area, &RenderArea::LevelLoaded, logAs("LevelLoaded"));
        connect(&area, &RenderArea::LevelComplete, logAs("LevelComplete"));
        connect(&area, &RenderArea::ClassicGameComplete, logAs("ClassicGameComplete"));
        connect(&area, &RenderArea::MainMenuWin, logAs("MainMenuWin"));
        area.setFixedSize(400, 400);
    }

    // What the information bar shows in white where its layout puts the time and the level:
    // "bar: time", "bar: time level" or "bar: no texts"; "menu" without a game.
    QString look() override
    {
        if (!area.board.active)
            return QStringLiteral("menu");
        const QImage screen = shot(area);
        const HudText bar = area.HudLayout();
        const auto white = [&](const QRect &where) {
            const QImage gray = screen.copy(where).convertToFormat(QImage::Format_Grayscale8);
            for (int y = 0; y < gray.height(); ++y)
                if (*std::max_element(gray.scanLine(y), gray.scanLine(y) + gray.width()) > 230)
                    return true;
            return false;
        };
        const QString shown = QString(white(bar.timeBounds) ? " time" : "")
            + (white(bar.levelBounds) ? " level" : "");
        return "bar:" + (shown.isEmpty() ? QStringLiteral(" no texts") : shown);
    }

    RenderArea area;
};
