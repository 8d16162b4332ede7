// The board widget: shows the board of the game in progress, or the main menu screen, takes
// the mouse, runs the clock and moves the game through its levels.
#pragma once

#include "board.h"

#include <QBrush>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <vector>

class QTimer;
struct FSOUND_SAMPLE;

class RenderArea : public QWidget
{
    Q_OBJECT

public:
    explicit RenderArea(QWidget *parent = nullptr);
    // Frees the effects it loaded.
    ~RenderArea() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Redraws the off-screen picture of the board: wholly when full is set, else the block of
    // width x height cells centred on (row, col).
    void RedrawBoard(bool full, int row, int col, int width, int height);
    // Fills colours with the target picture of the current level, row by row.
    void BoardColours(std::vector<QColor> &colours, int &cols, int &rows) const;

    // The player whose name the menu greets and whose puzzle position a puzzle game resumes.
    void SetPlayer(const QString &name, int level, int subLevel);
    // Ends the game in progress without result; the menu screen shows. No signal is emitted.
    void StopGame();

    void StartClassicGame();
    void StartPuzzleGame();
    void LoadClassicLevel();
    void LoadPuzzleLevel();
    // Runs when a press leaves the board solved: the completion box, then the next sub-level
    // or the end of the game.
    void FinishLevel();
    // Moves the puzzle position on by one sub-level, and on to the next level after the last.
    void NextStage();
    // A press on the menu screen starts the game whose button the pointer last moved over.
    void MenuClick();

    void NextBackground();
    // Shrinks the cells when the board would not fit the desktop, then emits LevelLoaded.
    void FitToScreen();

    Board board;
    int hudHeight;

signals:
    // The pixel size of the board area of the level just loaded; the window fits itself to it.
    void LevelLoaded(int width, int height);
    // After every puzzle sub-level, the position of the next one to play; (1, 1) when the
    // player starts the series anew.
    void LevelComplete(int level, int sub_level);
    // The classic game was solved, in whole seconds.
    void ClassicGameComplete(int ptime);
    // A game ended by itself and the menu screen shows.
    void MainMenuWin();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void LoadSounds();
    void LoadLevel(const QString &path);
    void DrawHud(QPainter &painter);
    void DrawMenuText(QPainter &painter);
    void PlayEffect(FSOUND_SAMPLE *sample) const;
    int GameSeconds() const;
    void RestartSeries();

    QImage menuImage;
    QImage classicHoverImage;
    QImage puzzleHoverImage;
    int hoverRegion;
    QRect classicButtonRect;
    QRect puzzleButtonRect;
    QString playerName;
    int level = 1;
    int subLevel = 1;
    int backgroundIndex;
    QPixmap boardBuffer;
    QBrush boardBrush;
    QBrush hudBrush;
    QPixmap usersPixmap;
    QElapsedTimer clock;
    QTimer *repaintTimer;
    QPixmap starPixmap;
    bool clockShown = false;
    FSOUND_SAMPLE *rotateSample = nullptr;
    FSOUND_SAMPLE *levelCompleteSample = nullptr;
};
