// A board widget in a window that sizes itself the way the game's window does, for tests.
#pragma once

#include "renderarea.h"

#include <QStringList>

// Sizes the widget to each level (the window's frame takes 2 pixels) and to the 400 x 400 menu,
// and logs every signal of the widget, in the order they come, as "Name(args)".
class GameStage
{
public:
    GameStage();

    RenderArea area;
    QStringList signalLog;
};

// Sets GameLevel while the object lives; 0 makes the scrambling turn nothing, so a level
// starts solved.
struct GameLevelScope {
    explicit GameLevelScope(int level);
    ~GameLevelScope();
    int saved;
};
