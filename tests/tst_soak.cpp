// Seeded random play: presses of every button, on cells, holes, the ring and beyond, over many
// levels of the catalogue and the classic game, and the board must stay whole after each one.
#include "cellpalette.h"
#include "gamestage.h"
#include "series.h"

#include <QMouseEvent>
#include <QRandomGenerator>
#include <array>
#include <cstdlib>

namespace {

using Counts = std::array<int, PaletteSize>;

Counts pieceCounts(const Board &board)
{
    Counts counts{};
    for (int value : board.pieceMap)
        ++counts[value >= 0 && value < PaletteSize ? value : NoPiece];
    return counts;
}

// The first cell whose outer pieces are not the inner pieces of its neighbours, if any.
QString outerFault(const Board &board)
{
    const int down[] = {-1, 0, 1, 0}, across[] = {0, 1, 0, -1}; // to the Top, Right, ...
    for (int r = 1; r < board.rows - 1; ++r)
        for (int c = 1; c < board.columns - 1; ++c)
            for (int edge = 0; edge < 4; ++edge) {
                const Cell &next = board.cells[(r + down[edge]) * board.columns + c + across[edge]];
                if (board.cells[r * board.columns + c].outer[edge] != next.inner[(edge + 2) % 4])
                    return QString("outer pieces of cell (%1, %2)").arg(r).arg(c);
            }
    return {};
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    // TAVNI_SOAK_PRESSES presses (100 000 by default), 250 to a game: a classic game, the
    // finished series started anew, or a stage of the series resumed. Every third game starts
    // solved and has its turns undone after its presses, so that levels are finished and the
    // game moves on as in play. A press that turns the board turns the cell under it.
    void randomPressesKeepTheBoardWhole()
    {
        const int presses = qEnvironmentVariableIntValue("TAVNI_SOAK_PRESSES");
        QRandomGenerator random(6122026);
        std::srand(6122026);
        GameStage stage;
        const Board &board = stage.area.board;
        const int &s = board.cellSize, &m = board.margin;
        int done = 0, games = 0, solved = 0;
        Counts expected{};
        std::vector<std::pair<QPoint, Qt::MouseButton>> turns; // to undo, since the level loaded
        // One press, its turn kept to be undone unless it undoes one; what went wrong, if any.
        const auto press = [&](QPoint at, Qt::MouseButton button, bool undoing) -> QString {
            const std::vector<int> before = board.pieceMap;
            const qsizetype logged = stage.log.size();
            QMouseEvent event(QEvent::MouseButtonPress, at, at, button, button, Qt::NoModifier);
            QApplication::sendEvent(&stage.area, &event);
            ++done;
            if (stage.log.size() != logged) { // solved: the next level, or the menu
                ++solved;
                turns.clear();
                expected = pieceCounts(board);
            } else if (board.pieceMap != before) { // turned back on a copy, the board before
                const int row = (at.y() - m) / s + 1, col = (at.x() - m) / s + 1;
                Board back = board;
                button == Qt::LeftButton ? back.rotateRight(row, col) : back.rotateLeft(row, col);
                if (at.x() <= m || at.y() <= m || back.pieceMap != before)
                    return QStringLiteral("not the turn of the cell under the pointer");
                if (!undoing)
                    turns.emplace_back(at, button == Qt::LeftButton ? Qt::RightButton
                                                                    : Qt::LeftButton);
            }
            return pieceCounts(board) != expected ? QStringLiteral("piece counts changed")
                                                  : outerFault(board);
        };

        while (done < (presses > 0 ? presses : 100000)) {
            const bool solve = ++games % 3 == 0;
            GameLevel = solve ? 0 : 1 + random.bounded(5); // 0 leaves the level solved
            if (random.bounded(2))
                stage.area.StopGame();
            const int level = random.bounded(SeriesLevels + 2); // 0: classic, 6: series finished
            const int sub = 1 + random.bounded(subLevelCount(qBound(1, level, SeriesLevels)));
            stage.answers = {level > SeriesLevels ? "Start new game" : "Continue saved game"};
            stage.area.SetPlayer(QStringLiteral("Soak"), level, sub);
            level ? stage.area.StartPuzzleGame() : stage.area.StartClassicGame();
            QVERIFY(board.active);
            expected = pieceCounts(board);
            turns.clear();
            for (int n = 0; n < 250 && board.active; ++n) {
                const int r = 1 + random.bounded(board.rows - 2);
                const int c = 1 + random.bounded(board.columns - 2);
                QPoint at(m + (c - 1) * s + random.bounded(s), m + (r - 1) * s + random.bounded(s));
                if (!board.isHole(r, c) && random.bounded(2)) // a hole always, a cell or anywhere
                    at = QPoint(random.bounded(-m, (board.columns - 2) * s + 3 * m),
                                random.bounded(-m, (board.rows - 2) * s + 3 * m));
                const auto button = Qt::MouseButton(1 << random.bounded(3)); // left, right, middle
                QCOMPARE(press(at, button, false), QString());
            }
            if (!solve || !board.active)
                continue;
            const int solvedBefore = solved;
            while (solved == solvedBefore && !turns.empty()) {
                const auto [at, back] = turns.back();
                turns.pop_back();
                QCOMPARE(press(at, back, true), QString()); // what went wrong undoing a turn
            }
            if (solved == solvedBefore) // nothing left turned: any press finishes it
                press(QPoint(), Qt::MiddleButton, true);
            QVERIFY2(solved > solvedBefore, "the level solved on purpose did not finish");
        }
        qInfo("%d presses in %d games, %d levels solved", done, games, solved);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
