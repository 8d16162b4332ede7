// The levels compiled into the game: their text form, and that every board is a fair picture.
#include "alertrecorder.h"
#include "board.h"
#include "cellpalette.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QTest>
#include <set>

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLevelIsAFairPicture();
};

void CatalogueTest::everyLevelIsAFairPicture()
{
    AlertRecorder alerts;
    QMap<QByteArray, int> tally; // "level w,h" and "level #line 2" per board, and other counts
    QSet<int> used;
    std::set<std::pair<int, std::vector<int>>> pictures;
    for (int level = 1; level <= 5; ++level) {
        for (int sub = 1;; ++sub) {
            const QString path = QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(sub);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                break;
            const QByteArray bytes = file.readAll(), name = path.toUtf8();
            // Four lines, the first "1", each but the last ended by CR LF.
            const QList<QByteArray> lines = bytes.split('\n');
            QVERIFY2(lines.size() == 4 && lines[0] == "1\r", name);
            QVERIFY2(bytes.count("\r\n") == 3 && bytes.count('\r') == 3, name);
            ++tally[QByteArray::number(level) + ' ' + lines[2].trimmed()];
            ++tally[QByteArray::number(level) + " #" + lines[1].trimmed()];
            tally["trailing commas"] += bytes.endsWith(',') ? 1 : 0;

            Board board;
            board.load(path);
            board.build();
            QVERIFY2(alerts.alerts().isEmpty() && board.isSolved(), name);
            QVERIFY2(pictures.insert({board.columns, board.pieceMap}).second, name + " repeats");
            QVERIFY2(2 * board.pieceCount >= (board.columns - 2) * (board.rows - 2), name);
            QSet<int> values;
            QSet<QRgb> colours;
            QList<int> pending; // a playing cell, to reach the others from
            for (int r = 1; r < board.rows - 1; ++r) {
                for (int c = 1; c < board.columns - 1; ++c) {
                    const int value = board.pieceMap[(3 * r + 1) * board.mapColumns + 3 * c + 1];
                    values.insert(value);
                    if (value != 11) {
                        colours.insert(cellPalette[value].rgb());
                        pending = {r * board.columns + c};
                    }
                }
            }
            used += values;
            tally["with holes"] += values.contains(11) ? 1 : 0;
            tally["with 10"] += values.contains(10) ? 1 : 0;
            QVERIFY2(colours.size() >= (level == 1 ? 2 : 3), name);
            // The playing cells hang together through shared edges.
            QSet<int> reached;
            while (!pending.isEmpty()) {
                const int i = pending.takeLast();
                if (board.isHole(i / board.columns, i % board.columns) || reached.contains(i))
                    continue;
                reached.insert(i);
                pending << i - 1 << i + 1 << i - board.columns << i + board.columns;
            }
            QVERIFY2(reached.size() == board.pieceCount, name);
        }
    }
    // The tallies of sizes and of line-2 values fix the number of boards per level as well:
    // 74, 45, 35, 24 and 27.
    const QMap<QByteArray, int> expected = {
        {"1 3,5", 36}, {"1 4,4", 20}, {"1 5,3", 18}, {"1 #1", 74},
        {"2 5,7", 11}, {"2 6,6", 21}, {"2 7,5", 9}, {"2 8,4", 4}, {"2 #1", 34}, {"2 #2", 11},
        {"3 7,7", 1}, {"3 7,8", 12}, {"3 8,7", 17}, {"3 9,6", 4}, {"3 10,5", 1},
        {"3 #1", 7}, {"3 #2", 4}, {"3 #3", 24},
        {"4 9,12", 8}, {"4 11,10", 2}, {"4 12,9", 14}, {"4 #4", 24},
        {"5 11,16", 1}, {"5 12,9", 2}, {"5 12,15", 4}, {"5 15,12", 15}, {"5 16,11", 5},
        {"5 #1", 20}, {"5 #4", 7},
        {"trailing commas", 198}, {"with holes", 14}, {"with 10", 11}};
    QCOMPARE(tally, expected);
    QCOMPARE(used.size(), 12);

    QFile classic(QStringLiteral(":/levels/classic.map"));
    QVERIFY(classic.open(QIODevice::ReadOnly));
    QCOMPARE(classic.readAll(), QByteArray("1\r\n1\r\n3,3\r\n0,1,2,3,4,5,6,7,8"));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
