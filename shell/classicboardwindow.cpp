#include "classicboardwindow.h"

#include "cellpalette.h"

#include <QMouseEvent>
#include <QPainter>

ClassicBoardWindow::ClassicBoardWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Tavni"));
    startGame();
    setFixedSize(boardWidth(), boardHeight());
}

void ClassicBoardWindow::startGame()
{
    board.mode = 1;
    board.load(QStringLiteral(":/levels/classic.map"));
    board.build();
    board.shuffle();
    board.active = true;
    update();
}

int ClassicBoardWindow::boardWidth() const
{
    return (board.columns - 2) * board.cellSize + 2 * board.margin;
}

int ClassicBoardWindow::boardHeight() const
{
    return (board.rows - 2) * board.cellSize + 2 * board.margin;
}

void ClassicBoardWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 48, 72));
    painter.setRenderHint(QPainter::Antialiasing);
    board.drawAll(painter);
}

void ClassicBoardWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint() - QPoint(board.margin, board.margin);
    const int s = board.cellSize;
    const bool onBoard = at.x() >= 1 && at.x() < (board.columns - 2) * s && at.y() >= 1
        && at.y() < (board.rows - 2) * s;
    if (onBoard) {
        const int row = at.y() / s + 1;
        const int col = at.x() / s + 1;
        if (event->button() == Qt::LeftButton)
            board.rotateLeft(row, col);
        else if (event->button() == Qt::RightButton)
            board.rotateRight(row, col);
        update();
    }
    if (board.isSolved())
        startGame();
}
