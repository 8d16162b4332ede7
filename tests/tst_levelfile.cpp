// Reading ".map" level files into the Board: sizes, the piece map, and damaged files.
#include "alertrecorder.h"
#include "board.h"
#include "levelfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The first catalogue board: 5 columns, 3 rows.
const QByteArray exampleValues = "8,0,7,0,8,7,8,0,8,7,8,0,7,0,8";

int entry(const Board &board, int mapRow, int mapCol)
{
    return board.pieceMap[mapRow * board.mapColumns + mapCol];
}

// Every level cell has its value in the centre and at its four edge middles; corners and the
// border ring hold 11.
void verifyBlocksAtHome(const Board &board, const QList<int> &values)
{
    const int width = board.columns - 2;
    for (int r = 0; r < board.rows; ++r) {
        for (int c = 0; c < board.columns; ++c) {
            const bool interior = r >= 1 && r <= board.rows - 2 && c >= 1 && c <= width;
            const int value = interior ? values[(r - 1) * width + (c - 1)] : 11;
            const int cr = 3 * r + 1;
            const int cc = 3 * c + 1;
            QCOMPARE(entry(board, cr, cc), value);
            QCOMPARE(entry(board, cr - 1, cc), value);
            QCOMPARE(entry(board, cr + 1, cc), value);
            QCOMPARE(entry(board, cr, cc - 1), value);
            QCOMPARE(entry(board, cr, cc + 1), value);
            for (int dr : {-1, 1}) {
                for (int dc : {-1, 1})
                    QCOMPARE(entry(board, cr + dr, cc + dc), 11);
            }
        }
    }
}

struct Snapshot {
    int columns, rows, mapColumns, mapRows, pieceCount;
    std::vector<int> pieceMap;
    size_t cellCount;
};

Snapshot snapshot(const Board &board)
{
    return {board.columns,    board.rows,     board.mapColumns, board.mapRows,
            board.pieceCount, board.pieceMap, board.cells.size()};
}

void verifySameLevel(const Board &board, const Snapshot &before)
{
    QCOMPARE(board.columns, before.columns);
    QCOMPARE(board.rows, before.rows);
    QCOMPARE(board.mapColumns, before.mapColumns);
    QCOMPARE(board.mapRows, before.mapRows);
    QCOMPARE(board.pieceCount, before.pieceCount);
    QCOMPARE(board.pieceMap, before.pieceMap);
    QCOMPARE(board.cells.size(), before.cellCount);
}

} // namespace

class LevelFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readsSmallBoardWithAnyLineEnd_data();
    void readsSmallBoardWithAnyLineEnd();
    void ignoresWhatFollowsTheLevel();
    void holesStayEmptyBlocks();
    void nonNumericValueReadsAsColourZero();
    void readsClassicBoardFromResources();
    void rejectsDamagedFiles_data();
    void rejectsDamagedFiles();
    void reportsMissingFileAndKeepsLevel();
};

void LevelFileTest::readsSmallBoardWithAnyLineEnd_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("CR LF, trailing comma") << "1\r\n1\r\n5,3\r\n" + exampleValues + ",";
    QTest::newRow("CR LF, no trailing comma") << "1\r\n1\r\n5,3\r\n" + exampleValues;
    QTest::newRow("LF") << "1\n1\n5,3\n" + exampleValues + ",\n";
    QTest::newRow("other header numbers") << "7\r\n4\r\n5,3\r\n" + exampleValues + ",";
}

void LevelFileTest::readsSmallBoardWithAnyLineEnd()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    board.load(writeFile(dir, QStringLiteral("1.map"), text));

    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(board.columns, 7);
    QCOMPARE(board.rows, 5);
    QCOMPARE(board.mapColumns, 21);
    QCOMPARE(board.mapRows, 15);
    QCOMPARE(board.pieceCount, 15);
    QCOMPARE(board.pieceMap.size(), size_t(21 * 15));
    verifyBlocksAtHome(board, {8, 0, 7, 0, 8, 7, 8, 0, 8, 7, 8, 0, 7, 0, 8});
    QVERIFY(board.cells.empty());
    QCOMPARE(board.mode, 0);
    QCOMPARE(board.active, false);
}

void LevelFileTest::ignoresWhatFollowsTheLevel()
{
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    board.load(writeFile(dir, QStringLiteral("extra.map"),
                         "1\r\n1\r\n2,2,9\r\n1,2,3,4,5,6,x,\r\n11,11\r\nmore\r\n"));
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(board.columns, 4);
    QCOMPARE(board.rows, 4);
    QCOMPARE(board.pieceCount, 4);
    verifyBlocksAtHome(board, {1, 2, 3, 4});
}

void LevelFileTest::holesStayEmptyBlocks()
{
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    board.load(writeFile(dir, QStringLiteral("holes.map"), levelText({"1,11,2", "11,3,11"})));
    QCOMPARE(board.pieceCount, 3);
    verifyBlocksAtHome(board, {1, 11, 2, 11, 3, 11});

    board.load(writeFile(dir, QStringLiteral("empty.map"), levelText({"11,11", "11,11"})));
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(board.pieceCount, 0);
    QVERIFY(std::all_of(board.pieceMap.begin(), board.pieceMap.end(),
                        [](int v) { return v == 11; }));
}

void LevelFileTest::nonNumericValueReadsAsColourZero()
{
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    board.load(writeFile(dir, QStringLiteral("text.map"), "1\r\n1\r\n3,1\r\n5,abc,,"));
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(board.pieceCount, 3);
    verifyBlocksAtHome(board, {5, 0, 0});
}

void LevelFileTest::readsClassicBoardFromResources()
{
    AlertRecorder alerts;
    Board board;
    board.load(QStringLiteral(":/levels/classic.map"));
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(board.columns, 5);
    QCOMPARE(board.rows, 5);
    QCOMPARE(board.pieceCount, 9);
    verifyBlocksAtHome(board, {0, 1, 2, 3, 4, 5, 6, 7, 8});
}

void LevelFileTest::rejectsDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("three lines") << QByteArray("1\r\n1\r\n2,1\r\n");
    QTest::newRow("one field on line 3") << QByteArray("1\r\n1\r\n2\r\n1,2");
    QTest::newRow("no number on line 3") << QByteArray("1\r\n1\r\nx,y\r\n1,2");
    QTest::newRow("width 0") << QByteArray("1\r\n1\r\n0,1\r\n1");
    QTest::newRow("negative height") << QByteArray("1\r\n1\r\n1,-2\r\n1,2");
    QTest::newRow("width 65") << "1\r\n1\r\n65,1\r\n" + QByteArray("1,").repeated(65);
    QTest::newRow("height 65") << "1\r\n1\r\n1,65\r\n" + QByteArray("1,").repeated(65);
    QTest::newRow("huge size") << QByteArray("1\r\n1\r\n2147483647,2147483647\r\n1,2");
    QTest::newRow("one value short") << QByteArray("1\r\n1\r\n2,2\r\n1,2,3");
    QTest::newRow("one value short, trailing comma") << QByteArray("1\r\n1\r\n2,2\r\n1,2,3,");
    QTest::newRow("empty line 4") << QByteArray("1\r\n1\r\n1,1\r\n\r\n");
    QTest::newRow("value 12") << QByteArray("1\r\n1\r\n2,1\r\n1,12,");
    QTest::newRow("value -1") << QByteArray("1\r\n1\r\n2,1\r\n-1,1,");
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\n\x80", 6);
}

void LevelFileTest::rejectsDamagedFiles()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    AlertRecorder alerts;
    Board board;
    loadRows(board, {"1,2", "3,4"});
    const Snapshot before = snapshot(board);

    const QString path = writeFile(dir, QStringLiteral("bad.map"), text);
    board.load(path);

    QCOMPARE(alerts.alerts().size(), 1);
    QCOMPARE(alerts.alerts().first().title, QStringLiteral("Tavni"));
    QCOMPARE(alerts.alerts().first().text, " file " + path + "\n\n is damaged");
    verifySameLevel(board, before);
}

void LevelFileTest::reportsMissingFileAndKeepsLevel()
{
    AlertRecorder alerts;
    Board board;
    loadResource(board, QStringLiteral(":/levels/classic.map"));
    const Snapshot before = snapshot(board);

    board.load(QStringLiteral(":/levels/levels9/1.map"));
    board.load(QStringLiteral("no/such/level.map"));

    QCOMPARE(alerts.alerts().size(), 2);
    QCOMPARE(alerts.alerts()[0].title, QStringLiteral("Tavni"));
    QCOMPARE(alerts.alerts()[0].text, QStringLiteral(" file :/levels/levels9/1.map\n\n not exists"));
    QCOMPARE(alerts.alerts()[1].text, QStringLiteral(" file no/such/level.map\n\n not exists"));
    verifySameLevel(board, before);

    // The previous level is rebuilt as it was.
    board.build();
    QVERIFY(board.isSolved());
    QCOMPARE(board.cells.size(), size_t(25));
}

QTEST_GUILESS_MAIN(LevelFileTest)
#include "tst_levelfile.moc"
