// The built-in level catalogue: its shape, its file format, and that every board is playable.
#include "alertrecorder.h"
#include "board.h"
#include "cellpalette.h"
#include "levelfiles.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {

struct LevelFile {
    int level;
    int subLevel;
    QByteArray bytes;
};

QString catalogPath(int level, int subLevel)
{
    return QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(subLevel);
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<LevelFile> allLevelFiles()
{
    QList<LevelFile> files;
    for (int level = 1; level <= 5; ++level) {
        for (int sub = 1; QFile::exists(catalogPath(level, sub)); ++sub)
            files.append({level, sub, readResource(catalogPath(level, sub))});
    }
    return files;
}

using Tally = QMap<QString, int>;

// The values of one board, row by row, split from its fourth line.
QList<int> boardValues(const QByteArray &bytes)
{
    QList<int> values;
    const QList<QByteArray> fields = bytes.split('\n').value(3).trimmed().split(',');
    for (const QByteArray &field : fields) {
        if (!field.isEmpty())
            values.append(field.toInt());
    }
    return values;
}

// Playing cells joined by shared edges, counted from the first one found.
int connectedPlayingCells(const Board &board)
{
    QSet<int> seen;
    QList<int> pending;
    for (int i = 0; i < int(board.cells.size()) && pending.isEmpty(); ++i) {
        if (!board.isHole(i / board.columns, i % board.columns))
            pending.append(i);
    }
    while (!pending.isEmpty()) {
        const int i = pending.takeLast();
        if (seen.contains(i))
            continue;
        seen.insert(i);
        for (int step : {-board.columns, board.columns, -1, 1}) {
            const int next = i + step;
            if (!board.isHole(next / board.columns, next % board.columns))
                pending.append(next);
        }
    }
    return int(seen.size());
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void levelsHaveTheirSubLevelCounts();
    void sizesAndHeadersMatchTheTable();
    void filesUseTheCatalogueTextForm();
    void valuesAcrossTheCatalogue();
    void classicBoardIsTheNineColours();
    void everyBoardIsAPlayablePicture();

private:
    QList<LevelFile> files;
};

void CatalogueTest::initTestCase()
{
    files = allLevelFiles();
}

void CatalogueTest::levelsHaveTheirSubLevelCounts()
{
    QMap<int, int> perLevel;
    for (const LevelFile &file : files)
        ++perLevel[file.level];
    const QMap<int, int> expected{{1, 74}, {2, 45}, {3, 35}, {4, 24}, {5, 27}};
    QCOMPARE(perLevel, expected);
    QCOMPARE(files.size(), 205);
    QVERIFY(!QFile::exists(QStringLiteral(":/levels/levels6/1.map")));
}

void CatalogueTest::sizesAndHeadersMatchTheTable()
{
    QMap<int, Tally> sizes;
    QMap<int, Tally> headers;
    for (const LevelFile &file : files) {
        const QList<QByteArray> lines = file.bytes.split('\n');
        QCOMPARE(lines.value(0), QByteArray("1\r"));
        ++headers[file.level][QString::fromLatin1(lines.value(1).trimmed())];
        ++sizes[file.level][QString::fromLatin1(lines.value(2).trimmed()).replace(',', 'x')];
    }
    QCOMPARE(sizes[1], (Tally{{"3x5", 36}, {"4x4", 20}, {"5x3", 18}}));
    QCOMPARE(sizes[2], (Tally{{"5x7", 11}, {"6x6", 21}, {"7x5", 9}, {"8x4", 4}}));
    QCOMPARE(sizes[3], (Tally{{"7x7", 1}, {"7x8", 12}, {"8x7", 17}, {"9x6", 4}, {"10x5", 1}}));
    QCOMPARE(sizes[4], (Tally{{"9x12", 8}, {"11x10", 2}, {"12x9", 14}}));
    QCOMPARE(sizes[5], (Tally{{"11x16", 1}, {"12x9", 2}, {"12x15", 4}, {"15x12", 15}, {"16x11", 5}}));
    QCOMPARE(headers[1], (Tally{{"1", 74}}));
    QCOMPARE(headers[2], (Tally{{"1", 34}, {"2", 11}}));
    QCOMPARE(headers[3], (Tally{{"1", 7}, {"2", 4}, {"3", 24}}));
    QCOMPARE(headers[4], (Tally{{"4", 24}}));
    QCOMPARE(headers[5], (Tally{{"1", 20}, {"4", 7}}));
}

void CatalogueTest::filesUseTheCatalogueTextForm()
{
    int trailingCommas = 0;
    for (const LevelFile &file : files) {
        const QString name = catalogPath(file.level, file.subLevel);
        QVERIFY2(!file.bytes.endsWith('\n') && !file.bytes.endsWith('\r'), qPrintable(name));
        QCOMPARE(file.bytes.count("\r\n"), 3);
        QCOMPARE(file.bytes.count('\n'), 3);
        if (file.bytes.endsWith(','))
            ++trailingCommas;
        const QList<QByteArray> size = file.bytes.split('\n').value(2).trimmed().split(',');
        QCOMPARE(boardValues(file.bytes).size(), size.value(0).toInt() * size.value(1).toInt());
    }
    QCOMPARE(trailingCommas, 198);
}

void CatalogueTest::valuesAcrossTheCatalogue()
{
    int withHoles = 0;
    int withTen = 0;
    QSet<int> used;
    for (const LevelFile &file : files) {
        const QList<int> values = boardValues(file.bytes);
        for (int value : values) {
            QVERIFY(value >= 0 && value <= 11);
            used.insert(value);
        }
        withHoles += values.contains(11) ? 1 : 0;
        withTen += values.contains(10) ? 1 : 0;
    }
    QCOMPARE(withHoles, 14);
    QCOMPARE(withTen, 11);
    QCOMPARE(used.size(), 12);
}

void CatalogueTest::classicBoardIsTheNineColours()
{
    QCOMPARE(readResource(QStringLiteral(":/levels/classic.map")),
             QByteArray("1\r\n1\r\n3,3\r\n0,1,2,3,4,5,6,7,8"));
}

void CatalogueTest::everyBoardIsAPlayablePicture()
{
    AlertRecorder alerts;
    QSet<QByteArray> pictures;
    for (const LevelFile &file : files) {
        const QString name = catalogPath(file.level, file.subLevel);
        Board board;
        loadResource(board, name);
        QVERIFY2(alerts.alerts().isEmpty(), qPrintable(name));
        QVERIFY2(board.isSolved(), qPrintable(name));

        const int cells = (board.columns - 2) * (board.rows - 2);
        QVERIFY2(2 * board.pieceCount >= cells, qPrintable(name));
        QVERIFY2(connectedPlayingCells(board) == board.pieceCount, qPrintable(name));

        QSet<QRgb> colours;
        for (const Cell &cell : board.cells) {
            if (cell.boxColour != cellPalette[11])
                colours.insert(cell.boxColour.rgb());
        }
        QVERIFY2(colours.size() >= (file.level == 1 ? 2 : 3), qPrintable(name));

        QByteArray picture = file.bytes.split('\n').value(2).trimmed() + ':';
        for (int value : boardValues(file.bytes))
            picture += char('a' + value);
        QVERIFY2(!pictures.contains(picture), qPrintable(name + " repeats another board"));
        pictures.insert(picture);
    }
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
