#include "boardcases.h"

#include "boardstage.h"
#include "globals.h"

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

constexpr int Repetitions = 30;
constexpr double MinSecondsPerRepetition = 0.05;
constexpr int HardestGameLevel = 5;

// Starts the largest level at the hardest game level; false, with the run marked failed, when
// the screen or the catalogue does not give the board the benchmarks are about.
bool startLargestLevel(BoardStage &stage, benchmark::State &state)
{
    GameLevel = HardestGameLevel;
    stage.startLargestLevel();
    const QString problem = stage.checkLargestLevel();
    if (!problem.isEmpty())
        state.SkipWithError(qPrintable(problem));
    return problem.isEmpty();
}

// Four left turns bring a cell back, so repeated presses on it must never pass through a
// solved board: a solved board would stop the run in the completion box.
bool staysUnsolved(const Board &board, const BoardCell &cell)
{
    Board copy = board;
    for (int turn = 0; turn < 4; ++turn) {
        copy.rotateLeft(cell.row, cell.col);
        if (copy.isSolved())
            return false;
    }
    return true;
}

void turn(benchmark::State &state, BoardStage &stage)
{
    if (!startLargestLevel(stage, state))
        return;
    Board board = stage.area.board;
    const BoardCell cell = stage.middleCell();
    for (auto _ : state) {
        board.rotateLeft(cell.row, cell.col);
        benchmark::ClobberMemory();
    }
}

// Sets a switch for as long as it lives.
template<typename Setting>
class Switched
{
public:
    Switched(Setting &setting, Setting value) : setting(setting), saved(setting) { setting = value; }
    ~Switched() { setting = saved; }
    Q_DISABLE_COPY(Switched)

private:
    Setting &setting;
    Setting saved;
};

void press(benchmark::State &state, BoardStage &stage, int patterns)
{
    const Switched<bool> switched(stage.area.board.colourPatterns, patterns != 0);
    if (!startLargestLevel(stage, state))
        return;
    const BoardCell cell = stage.middleCell();
    if (!staysUnsolved(stage.area.board, cell)) {
        state.SkipWithError("the pressed cell could solve the board");
        return;
    }
    const int paintsBefore = stage.paintCount();
    for (auto _ : state)
        stage.press(cell);
    if (stage.paintCount() - paintsBefore < state.iterations())
        state.SkipWithError("a press was not followed by a paint");
}

// The pixel format of the widget's backing store, which every repaint paints into.
QImage::Format backingStoreFormat(QWidget &widget)
{
    QBackingStore *store = widget.backingStore();
    QPaintDevice *device = store ? store->paintDevice() : nullptr;
    if (device && device->devType() == QInternal::Image)
        return static_cast<QImage *>(device)->format();
    return QImage::Format_RGB32;
}

// The floor of any repaint: one copy of the widget's picture, device pixel for device pixel, into
// an image of the backing store's format, as a repaint of the whole widget makes it.
void blit(benchmark::State &state, BoardStage &stage)
{
    if (!startLargestLevel(stage, state))
        return;
    // Opaque, as the board picture is.
    QImage picture = stage.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.0);
    QImage target(picture.size(), backingStoreFormat(stage.area));
    // Filled first, so that no iteration pays for mapping fresh memory: at pixel ratio 2 that
    // took ten times as long as the copy, as a backing store that already exists never does.
    target.fill(Qt::black);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (auto _ : state) {
        painter.drawImage(0, 0, picture);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void levelStart(benchmark::State &state, BoardStage &stage)
{
    if (!startLargestLevel(stage, state))
        return;
    for (auto _ : state)
        stage.startLargestLevel();
}

void fullRedraw(benchmark::State &state, BoardStage &stage, int grid, int patterns)
{
    const Switched<bool> switched(stage.area.board.colourPatterns, patterns != 0);
    if (!startLargestLevel(stage, state))
        return;
    const Switched<int> gridSwitched(DrawGrid, grid);
    for (auto _ : state)
        stage.area.RedrawBoard(true, 0, 0, 0, 0);
}

template<typename Case, typename... Args>
void registerCase(const char *name, Case function, BoardStage &stage, Args... args)
{
    benchmark::RegisterBenchmark(name, [function, &stage, args...](benchmark::State &state) {
        if (stage.area.devicePixelRatioF() != stage.ratio)
            state.SkipWithError("the screen does not have the pixel ratio asked for");
        else
            function(state, stage, args...);
    })
        ->Repetitions(Repetitions)
        ->MinTime(MinSecondsPerRepetition)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

void registerBoardCases(BoardStage &stage, BoardStage &doubled)
{
    registerCase("blit", &blit, stage);
    registerCase("turn", &turn, stage);
    registerCase("press", &press, stage, 0);
    registerCase("press_patterns", &press, stage, 1);
    registerCase("level_start", &levelStart, stage);
    registerCase("redraw_grid", &fullRedraw, stage, 1, 0);
    registerCase("redraw_no_grid", &fullRedraw, stage, 0, 0);
    registerCase("redraw_patterns", &fullRedraw, stage, 1, 1);
    registerCase("blit_2x", &blit, doubled);
    registerCase("press_2x", &press, doubled, 0);
    registerCase("press_patterns_2x", &press, doubled, 1);
    registerCase("redraw_grid_2x", &fullRedraw, doubled, 1, 0);
}
