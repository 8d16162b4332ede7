#include "boardstage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <cstdlib>

namespace {

constexpr int LargestLevel = 5;
constexpr int LargestSubLevel = 1;
constexpr int LargestColumns = 16;
constexpr int LargestRows = 11;
constexpr int FullCellSize = 60;

} // namespace

BoardStage::BoardStage(int ratio)
    : ratio(ratio)
{
    // The main window is the level's width and toolbar + height + HUD high; its frame takes a
    // pixel on every side of the board widget.
    connect(&area, &RenderArea::LevelLoaded, this, [this](int width, int height) {
        area.setFixedSize(width - 2, height + area.hudHeight - 2);
    });
    area.installEventFilter(this);
    area.setFixedSize(400, 400);
    showOnScreen();
}

void BoardStage::showOnScreen()
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio) {
            area.setScreen(screen);
            area.move(screen->geometry().topLeft());
            break;
        }
    }
    area.show();
    QElapsedTimer waited;
    waited.start();
    while (!(area.windowHandle() && area.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void BoardStage::startLargestLevel()
{
    area.SetPlayer(QStringLiteral("Bench"), LargestLevel, LargestSubLevel);
    area.board.mode = PuzzleGame;
    area.LoadPuzzleLevel();
}

QString BoardStage::checkLargestLevel() const
{
    const Board &board = area.board;
    if (board.columns - 2 != LargestColumns || board.rows - 2 != LargestRows)
        return QStringLiteral("the level is not 16 x 11 cells");
    if (board.cellSize != FullCellSize)
        return QStringLiteral("the screen is too small for 60-pixel cells");
    if (!board.active)
        return QStringLiteral("the level did not start");
    return QString();
}

BoardCell BoardStage::middleCell() const
{
    const Board &board = area.board;
    const int middleRow = board.rows / 2;
    const int middleCol = board.columns / 2;
    BoardCell nearest;
    int nearestDistance = -1;
    for (int r = 1; r < board.rows - 1; ++r) {
        for (int c = 1; c < board.columns - 1; ++c) {
            const int distance = std::abs(r - middleRow) + std::abs(c - middleCol);
            if (!board.isHole(r, c) && (nearestDistance < 0 || distance < nearestDistance)) {
                nearest = {r, c};
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

void BoardStage::press(const BoardCell &cell)
{
    const Board &board = area.board;
    const QPointF at(board.margin + (cell.col - 1) * board.cellSize + board.cellSize / 2,
                     board.margin + (cell.row - 1) * board.cellSize + board.cellSize / 2);
    QMouseEvent event(QEvent::MouseButtonPress, at, area.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&area, &event);
    QCoreApplication::sendPostedEvents(&area, QEvent::UpdateRequest);
}

bool BoardStage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &area && event->type() == QEvent::Paint)
        ++paints;
    return QObject::eventFilter(watched, event);
}
