#include "gamestage.h"

#include "globals.h"

#include <QTest>

GameStage::GameStage()
{
    area.setFixedSize(400, 400);
    QObject::connect(&area, &RenderArea::LevelLoaded, &area, [this](int width, int height) {
        signalLog.append(QStringLiteral("LevelLoaded(%1,%2)").arg(width).arg(height));
        area.setFixedSize(width - 2, height + area.hudHeight - 2);
    });
    QObject::connect(&area, &RenderArea::MainMenuWin, &area, [this] {
        signalLog.append(QStringLiteral("MainMenuWin()"));
        area.setFixedSize(400, 400);
    });
    QObject::connect(&area, &RenderArea::LevelComplete, &area, [this](int level, int subLevel) {
        signalLog.append(QStringLiteral("LevelComplete(%1,%2)").arg(level).arg(subLevel));
    });
    QObject::connect(&area, &RenderArea::ClassicGameComplete, &area, [this](int seconds) {
        signalLog.append(QStringLiteral("ClassicGameComplete(%1)").arg(seconds));
    });
    // Pointer moves reach only a widget that is on screen.
    area.show();
    if (!QTest::qWaitForWindowExposed(&area))
        qFatal("the board widget was not shown");
}

GameLevelScope::GameLevelScope(int level)
    : saved(GameLevel)
{
    GameLevel = level;
}

GameLevelScope::~GameLevelScope()
{
    GameLevel = saved;
}
