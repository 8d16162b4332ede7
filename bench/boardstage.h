// The board widget alone on the screen, sized to each level as the main window sizes it, for
// the benchmarks of a turn, a press, a level start and a redraw.
#pragma once

#include "renderarea.h"

#include <QObject>

// A playing cell, by its row and column on the board (1-based; the ring is row and column 0).
struct BoardCell {
    int row = 0;
    int col = 0;
};

class BoardStage : public QObject
{
public:
    // The widget is shown on the first screen of the device pixel ratio, else on the primary
    // screen.
    explicit BoardStage(int ratio);

    // Starts stage 1 of level 5, the largest board of the catalogue (16 x 11 playing cells), at
    // the current GameLevel: load, build, fit, shuffle, background and full redraw.
    void startLargestLevel();
    // An empty string when the level on the board is the largest one at 60-pixel cells.
    QString checkLargestLevel() const;
    // The playing cell nearest the middle of the board.
    BoardCell middleCell() const;
    // A left-button press event sent to the widget over the playing cell, then the repaint that
    // the press asked for, delivered as the event loop would deliver it next.
    void press(const BoardCell &cell);
    // Paint events the widget has received so far.
    int paintCount() const { return paints; }

    RenderArea area;
    const int ratio;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOnScreen();

    int paints = 0;
};
