// The board widget's game flow: starting games, loading levels, completion and the series.
#include "renderarea.h"

#include "fmodlayer.h"
#include "gameboxes.h"
#include "series.h"

#include <QTimer>

void RenderArea::SetPlayer(const QString &name, int level, int subLevel)
{
    playerName = name;
    menuText = MenuTextLayout(name);
    this->level = level;
    this->subLevel = subLevel;
}

void RenderArea::StopGame()
{
    repaintTimer->stop();
    board.active = false;
    board.mode = NoGame;
    update();
}

void RenderArea::MenuClick()
{
    if (hoverRegion == ClassicButton)
        StartClassicGame();
    else if (hoverRegion == PuzzleButton)
        StartPuzzleGame();
}

void RenderArea::StartClassicGame()
{
    setCursor(Qt::ArrowCursor);
    board.mode = ClassicGame;
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
    board.mode = PuzzleGame;
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
    // A level of the same size as the last one brings no resize, and so no repaint of its own.
    update();
}

int RenderArea::GameSeconds() const
{
    return clock.isValid() ? int(clock.elapsed() / 1000) : 0;
}

void RenderArea::FinishLevel()
{
    if (board.mode != ClassicGame && board.mode != PuzzleGame)
        return;
    repaintTimer->stop();
    clockShown = false;
    PlayEffect(levelCompleteSample);
    const int seconds = GameSeconds();

    if (board.mode == ClassicGame) {
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
    if (board.mode != PuzzleGame)
        return;
    const SeriesStage next = carriedStage(level, ++subLevel);
    if (next.level != level) {
        showCompletionBox(starPixmap, tr("Stage %1 complete!").arg(level));
        level = next.level;
        subLevel = next.sublevel;
        if (level > SeriesLevels) {
            board.active = false;
            emit MainMenuWin();
        }
    }
    emit LevelComplete(level, subLevel);
}
