// The start-up probe: starts the game as its entry function does, in the working directory it is
// given, and prints on standard output, one "step nanoseconds" line each, the steady-clock time
// at which it reached each step of its start, the last being the first painted frame of the menu
// screen; then it quits. With --bare it starts an empty Qt window instead, the floor of any Qt
// program's start. With --play it goes on to start the largest level of the catalogue ("level",
// and "level_painted" once its first picture is painted), plays it, closes the window as the
// player would, and prints its peak resident memory in kB ("peak_rss_kb <kB>").
#include "languages.h"
#include "messageboxes.h"
#include "renderarea.h"
#include "window.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace {

void printStep(const char *step)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::printf("%s %lld\n", step, static_cast<long long>(nanoseconds));
    std::fflush(stdout);
}

// The process's peak resident set in kB, as the kernel recorded it; 0 when unknown.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Calls back once, after the first paint that the widget receives from now on has ended.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *widget, std::function<void()> painted)
        : painted(std::move(painted))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            // Queued, so that it runs once the paint and the flush of this frame are done.
            QMetaObject::invokeMethod(this, painted, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> painted;
    bool seen = false;
};

void pressCell(RenderArea &area, int row, int col)
{
    const Board &board = area.board;
    const QPointF at(board.margin + (col - 1) * board.cellSize + board.cellSize / 2,
                     board.margin + (row - 1) * board.cellSize + board.cellSize / 2);
    QMouseEvent event(QEvent::MouseButtonPress, at, area.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&area, &event);
    QCoreApplication::processEvents();
}

// Starts stage 1 of level 5 at the player's game level and waits for its first picture.
void startLargestLevel(RenderArea &area)
{
    QEventLoop loop;
    FirstPaint levelShown(&area, [&] {
        printStep("level_painted");
        loop.quit();
    });
    area.SetPlayer(QStringLiteral("Probe"), 5, 1);
    area.board.mode = PuzzleGame;
    printStep("level");
    area.LoadPuzzleLevel();
    loop.exec();
}

// The largest level, then four left presses on every playing cell, which bring the board back
// to where it started, scrambled.
void playLargestLevel(RenderArea &area)
{
    startLargestLevel(area);
    const Board &board = area.board;
    for (int r = 1; r < board.rows - 1; ++r) {
        for (int c = 1; c < board.columns - 1; ++c) {
            for (int turn = 0; turn < 4 && !board.isHole(r, c); ++turn)
                pressCell(area, r, c);
        }
    }
}

int runGame(QApplication &app, bool play)
{
    QTranslator translator;
    installMessageBoxes();
    installTranslation(app, translator);
    printStep("translation");

    Window window;
    printStep("window");
    auto *area = window.findChild<RenderArea *>();
    if (!area)
        return 1;
    FirstPaint firstPaint(area, [&] {
        printStep("painted");
        if (play) {
            playLargestLevel(*area);
            window.close();
        }
        QCoreApplication::quit();
    });
    window.show();
    printStep("shown");
    return app.exec();
}

int runBare(QApplication &app)
{
    QWidget window;
    window.setFixedSize(402, 402);
    printStep("window");
    FirstPaint firstPaint(&window, [] {
        printStep("painted");
        QCoreApplication::quit();
    });
    window.show();
    printStep("shown");
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    printStep("main");
    const bool bare = argc > 1 && qstrcmp(argv[1], "--bare") == 0;
    const bool play = argc > 1 && qstrcmp(argv[1], "--play") == 0;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    int result = 0;
    {
        QApplication app(argc, argv);
        printStep("application");
        result = bare ? runBare(app) : runGame(app, play);
    }
    std::printf("peak_rss_kb %ld\n", peakResidentKb());
    return result;
}
