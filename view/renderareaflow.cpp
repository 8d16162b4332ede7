// The board widget's game flow: starting games, loading levels, completion and the series.
#include "renderarea.h"

#include "fmodlayer.h"
#include "gameboxes.h"
#include "series.h"

#include <QTimer>

void RenderArea::SetPlayer(const QString &name, int level, int subLevel)
{
    playerName = name;
    this->level = level;
    this->subLevel = subLevel;
}

void RenderArea::StopGame()
{
    repaintTimer->stop();
    board.active = false;
    board.mode = 0;
    update();
}

void RenderArea::MenuClick()
{
    if (hoverRegion == 1)
        StartClassicGame();
    else if (hoverRegion == 2)
        StartPuzzleGame();
}

void RenderArea::StartClassicGame()
{
    setCursor(Qt::ArrowCursor);
    board.mode = 1;
    LoadClassicLevel();
}

void RenderArea::RestartSeries()
{
    level = 1;
    subLevel = 1;
    emit LevelComplete(1, 1);
}

void RenderArea::StartPuzzleGame()
{
    setCursor(Qt::ArrowCursor);
    if (level <= SeriesLevels) {
        if (level != 1 || subLevel != 1) {
            const bool resume = askQuestion(
                tr("Would you like to continue from your last saved game?") + QStringLiteral("\n\n")
                    + tr("Stage: %1-%2").arg(level).arg(subLevel),
                tr("Continue saved game"), tr("Start new game"));
            if (!resume)
                RestartSeries();
        }
    } else {
        const bool again = askQuestion(tr("Would you like play from the beginning of game?"),
                                       tr("Start new game"), tr("Cancel"));
        if (!again)
            return;
        RestartSeries();
    }
    board.mode = 2;
    LoadPuzzleLevel();
}

void RenderArea::LoadClassicLevel()
{
    LoadLevel(QStringLiteral(":/levels/classic.map"));
}

void RenderArea::LoadPuzzleLevel()
{
    LoadLevel(QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(subLevel));
}

// The window answers LevelLoaded at once, so the new picture is made at the level's size.
void RenderArea::LoadLevel(const QString &path)
{
    board.load(path);
    board.build();
    FitToScreen();
    board.shuffle();
    NextBackground();
    RedrawBoard(true, 0, 0, 0, 0);
    board.active = true;
    clockShown = true;
    clock.restart();
    repaintTimer->start(1000);
}

int RenderArea::GameSeconds() const
{
    return clock.isValid() ? int(clock.elapsed() / 1000) : 0;
}

void RenderArea::FinishLevel()
{
    if (board.mode != 1 && board.mode != 2)
        return;
    repaintTimer->stop();
    clockShown = false;
    PlayEffect(levelCompleteSample);
    const int seconds = GameSeconds();

    if (board.mode == 1) {
        showCompletionBox(starPixmap,
                          tr("Congratulations!") + QLatin1Char(' ')
                              + tr("You have finished classic game for %1 sec.").arg(seconds)
                              + QStringLiteral("\n\n") + tr("Now you may try other type game: Puzzle."));
        board.active = false;
        emit MainMenuWin();
        emit ClassicGameComplete(seconds);
        return;
    }

    showCompletionBox(starPixmap, tr("Level %1-%2 complete!").arg(level).arg(subLevel)
                                      + QStringLiteral("\n\n")
                                      + tr("You have passed the level for %3 sec.").arg(seconds));
    NextStage();
    if (board.active)
        LoadPuzzleLevel();
}

void RenderArea::NextStage()
{
    if (board.mode != 2)
        return;
    ++subLevel;
    if (subLevel > subLevelCount(level)) {
        showCompletionBox(starPixmap, tr("Stage %1 complete!").arg(level));
        subLevel = 1;
        ++level;
        if (level > SeriesLevels) {
            board.active = false;
            emit MainMenuWin();
        }
    }
    emit LevelComplete(level, subLevel);
}
