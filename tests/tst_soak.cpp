// Seeded random play: presses of every button, on cells, holes, the ring and beyond, over many
// levels of the catalogue at every game level, and the board must stay whole after each one.
#include "cellpalette.h"
#include "gamestage.h"
#include "random.h"
#include "series.h"

#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
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

// What is wrong with the board: the pieces of some colour not those of its level, or a cell
// whose outer pieces are not the inner pieces of its neighbours. Empty when all is well.
QString fault(const Board &board, const Counts &expected)
{
    if (pieceCounts(board) != expected)
        return QStringLiteral("piece counts changed");
    if (board.cells.size() != size_t(board.columns) * size_t(board.rows))
        return QStringLiteral("cell count");
    const auto cell = [&](int r, int c) -> const Cell & {
        return board.cells[r * board.columns + c];
    };
    for (int r = 1; r < board.rows - 1; ++r) {
        for (int c = 1; c < board.columns - 1; ++c) {
            const Cell &here = cell(r, c);
            if (here.outer[Cell::Top] != cell(r - 1, c).inner[Cell::Bottom]
                || here.outer[Cell::Right] != cell(r, c + 1).inner[Cell::Left]
                || here.outer[Cell::Bottom] != cell(r + 1, c).inner[Cell::Top]
                || here.outer[Cell::Left] != cell(r, c - 1).inner[Cell::Right])
                return QString("outer pieces of cell (%1, %2)").arg(r).arg(c);
        }
    }
    return {};
}

// The raw values that the scrambles draw, recorded as they are drawn.
std::vector<int> drawn;
int recordedRand()
{
    drawn.push_back(std::rand());
    return drawn.back();
}

struct Turn {
    int row, col;
    bool left; // anticlockwise
};

// The turns of a scramble of the fresh board that drew values, read as the scramble reads them.
std::vector<Turn> scrambleTurns(const Board &board, const std::vector<int> &values)
{
    size_t i = 0;
    const auto next = [&](int n) {
        const int v = i < values.size() ? values[i] : 0;
        ++i;
        const unsigned u = v < 0 ? 0u - unsigned(v) : unsigned(v);
        return int(u % unsigned(n)) + 1;
    };
    std::vector<Turn> turns;
    while (i < values.size()) {
        Turn turn{};
        bool right = false;
        if (board.mode == 1) {
            right = next(2) == 1;
            turn.row = next(3);
            turn.col = next(3);
        } else {
            do {
                turn.row = next(board.rows - 2);
                turn.col = next(board.columns - 2);
            } while (board.isHole(turn.row, turn.col));
            right = next(2) == 1;
        }
        turn.left = !right;
        turns.push_back(turn);
    }
    return turns;
}

int fromEnvironment(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    // TAVNI_SOAK_PRESSES presses (100 000 by default), 250 random ones to a game: a classic
    // game, the finished series started anew, or a random stage of the series resumed, at a
    // random game level. Every third game is then solved by undoing each turn, the scramble's
    // and the presses', with presses on the cells' centres, so that the game moves on as in
    // play; its boxes are answered. Every press that turns the board turns the cell under it.
    void randomPressesKeepTheBoardWhole()
    {
        const int presses = fromEnvironment("TAVNI_SOAK_PRESSES", 100000);
        constexpr int pressesPerGame = 250;
        QRandomGenerator random(6122026);
        std::srand(6122026);
        setRandomSource(&recordedRand);
        const auto restore = qScopeGuard([] { setRandomSource(nullptr); });
        GameStage stage;
        RenderArea &area = stage.area;
        const Board &board = area.board;
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::LeftButton,
                                           Qt::RightButton, Qt::MiddleButton};
        int done = 0, games = 0, solved = 0, level = 0, sub = 0;
        Counts expected{};
        std::vector<Turn> turns; // since the level was loaded
        std::vector<QPoint> holes;
        QSet<QString> played;
        const QRegularExpression completion(QStringLiteral("^LevelComplete\\((\\d),(\\d+)\\)$"));
        // A level has just been loaded and scrambled, drawing the values in drawn.
        const auto loaded = [&] {
            const QString path = level ? QString(":/levels/levels%1/%2.map").arg(level).arg(sub)
                                       : QString(":/levels/classic.map");
            played.insert(path);
            Board fresh;
            fresh.load(path);
            fresh.build();
            expected = pieceCounts(fresh);
            fresh.mode = board.mode;
            turns = scrambleTurns(fresh, drawn);
            drawn.clear();
            holes.clear();
            for (int r = 1; r < board.rows - 1; ++r) {
                for (int c = 1; c < board.columns - 1; ++c) {
                    if (board.isHole(r, c))
                        holes.emplace_back(r, c);
                }
            }
            return fault(board, expected);
        };
        // One press, its turn kept to be undone unless it undoes one; what went wrong, if anything.
        const auto press = [&](QPoint at, Qt::MouseButton button, bool undoing) -> QString {
            const std::vector<int> before = board.pieceMap;
            const qsizetype logged = stage.log.size();
            QMouseEvent event(QEvent::MouseButtonPress, at, area.mapToGlobal(at), button, button,
                              Qt::NoModifier);
            QApplication::sendEvent(&area, &event);
            ++done;
            if (stage.log.size() != logged) { // solved: the next level, or the menu
                ++solved;
                for (qsizetype i = logged; i < stage.log.size(); ++i) {
                    const auto match = completion.match(stage.log[i]);
                    if (match.hasMatch()) {
                        level = match.captured(1).toInt();
                        sub = match.captured(2).toInt();
                    }
                }
                return board.active ? loaded() : QString();
            }
            if (board.pieceMap != before) {
                // Turned back on a copy, the cell under the pointer gives the board before.
                const int s = board.cellSize, m = board.margin;
                const Turn turn{(at.y() - m) / s + 1, (at.x() - m) / s + 1,
                                button == Qt::LeftButton};
                Board back = board;
                if (turn.left)
                    back.rotateRight(turn.row, turn.col);
                else
                    back.rotateLeft(turn.row, turn.col);
                if (at.x() <= m || at.y() <= m || back.pieceMap != before)
                    return QStringLiteral("not the turn of the cell under the pointer");
                if (!undoing)
                    turns.push_back(turn);
            }
            return fault(board, expected);
        };

        while (done < presses) {
            GameLevel = 1 + random.bounded(5);
            if (random.bounded(2))
                area.StopGame();
            const int kind = random.bounded(10);
            ++games;
            drawn.clear();
            if (kind == 0) {
                level = 0;
                area.StartClassicGame();
            } else {
                level = kind == 1 ? SeriesLevels + 1 : 1 + random.bounded(SeriesLevels);
                sub = kind == 1 ? 1 : 1 + random.bounded(subLevelCount(level));
                stage.answers = {kind == 1 ? "Start new game" : "Continue saved game"};
                area.SetPlayer(QStringLiteral("Soak"), level, sub);
                area.StartPuzzleGame();
                stage.answers.clear();
                if (kind == 1)
                    level = sub = 1;
            }
            QVERIFY(board.active);
            const QString atStart = loaded();
            QVERIFY2(atStart.isEmpty(),
                     qPrintable(atStart + " at the start of game " + QString::number(games)));

            for (int n = 0; n < pressesPerGame && done < presses && board.active; ++n) {
                const int s = board.cellSize, m = board.margin;
                QPoint at;
                if (!holes.empty() && random.bounded(4) == 0) {
                    const QPoint hole = holes[random.bounded(int(holes.size()))];
                    at = QPoint(m + (hole.y() - 1) * s + random.bounded(s),
                                m + (hole.x() - 1) * s + random.bounded(s));
                } else {
                    at = QPoint(random.bounded(-m, (board.columns - 2) * s + 3 * m),
                                random.bounded(-m, (board.rows - 2) * s + 3 * m));
                }
                const QString wrong = press(at, buttons[random.bounded(5)], false);
                QVERIFY2(wrong.isEmpty(), qPrintable(QString("%1 after press %2 (%3, %4), game %5")
                                                         .arg(wrong).arg(done).arg(at.x())
                                                         .arg(at.y()).arg(games)));
            }
            if (games % 3 != 0 || !board.active)
                continue;
            const int solvedBefore = solved;
            while (solved == solvedBefore && !turns.empty()) {
                const Turn turn = turns.back();
                turns.pop_back();
                const int s = board.cellSize, m = board.margin;
                const QPoint centre(m + (turn.col - 1) * s + s / 2, m + (turn.row - 1) * s + s / 2);
                const Qt::MouseButton back = turn.left ? Qt::RightButton : Qt::LeftButton;
                const QString wrong = press(centre, back, true);
                QVERIFY2(wrong.isEmpty(),
                         qPrintable(wrong + " undoing game " + QString::number(games)));
            }
            QVERIFY2(solved > solvedBefore,
                     qPrintable("game " + QString::number(games) + " not solved"));
        }
        qInfo("%d presses soaked in %d games over %d levels, %d levels solved", done, games,
              int(played.size()), solved);
        QVERIFY(played.size() > 40 || presses < 100000);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
