// The board widget: shows the board of the game in progress, or the main menu screen, takes
// the mouse, runs the clock and moves the game through its levels.
#pragma once

#include "board.h"

#include <QBrush>
#include <QPainterPath>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <vector>

class QTimer;
struct FSOUND_SAMPLE;

// The menu screen's texts for one player name, as they are drawn.
struct MenuText {
    QFont greetingFont;
    QString greeting;
    QPoint greetingAt;     // the start of the greeting's baseline
    QRect greetingBounds;  // the pixels the greeting covers
    QFont lineFont;
    QString line;          // drawn right-aligned in lineBox
    QRect lineBox;
    QPoint usersAt;        // the top-left corner of the players picture after the line
};

// The puzzle game's information bar: the time drawn top-aligned in timeBox, the level
// bottom-aligned in levelBox, and the pixels each covers.
struct HudText {
    QFont font;
    QString time, level;
    QRect timeBox, levelBox;
    QRect timeBounds, levelBounds;
};

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

    // Where the menu greets name: in 16-point type from (200, 50) while the greeting fits
    // inside the menu picture's greeting panel, else in type stepped down to 12 points, and
    // then with the end of the name elided. The line below follows the greeting's height.
    MenuText MenuTextLayout(const QString &name) const;
    // Where the puzzle bar draws its two lines: the level 10 pixels below the time's top, or
    // lower where a face's tall lines would make them touch.
    HudText HudLayout(const QString &time, const QString &levelText) const;
    // The same for the texts the bar shows now.
    HudText HudLayout() const;
    // The clear inside of the menu picture's greeting panel, within its rim.
    static QPainterPath GreetingPanel();

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
    // The information bar along the bottom edge.
    QRect HudRect() const;
    void DrawMenuText(QPainter &painter);
    void PlayEffect(FSOUND_SAMPLE *sample) const;
    int GameSeconds() const;
    void RestartSeries();

    QImage menuImage;
    QImage classicHoverImage;
    QImage puzzleHoverImage;
    // The menu button under the pointer.
    enum MenuRegion { NoButton = 0, ClassicButton = 1, PuzzleButton = 2 };
    MenuRegion hoverRegion;
    QRect classicButtonRect;
    QRect puzzleButtonRect;
    QString playerName;
    MenuText menuText;
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
