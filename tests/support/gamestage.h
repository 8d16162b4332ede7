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

    // What the information bar, the bottom 70 pixels, shows in white: "bar: time",
    // "bar: time level" or "bar: no texts"; "menu" without a game.
    QString look() override
    {
        if (!area.board.active)
            return QStringLiteral("menu");
        const auto white = [&](int line) { // the text lines lie 34 pixels apart
            const QImage part = shot(area).copy(10, 330 + 34 * line, 200, 34);
            const QImage gray = part.convertToFormat(QImage::Format_Grayscale8); // rows unpadded
            return *std::max_element(gray.constBits(), gray.constBits() + 200 * 34) > 230;
        };
        const QString shown = QString(white(0) ? " time" : "") + (white(1) ? " level" : "");
        return "bar:" + (shown.isEmpty() ? QStringLiteral(" no texts") : shown);
    }

    RenderArea area;
};
