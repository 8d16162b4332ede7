// A plain window that plays the classic 3 x 3 board, until the full game window exists.
#pragma once

#include "board.h"

#include <QWidget>

class ClassicBoardWindow : public QWidget
{
public:
    explicit ClassicBoardWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void startGame();
    int boardWidth() const;
    int boardHeight() const;

    Board board;
};
