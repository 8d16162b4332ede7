// "data.dat": ten classic records (name, time) and then ten puzzle records (name, score), in
// a Qt data stream.
#include "alert.h"
#include "datafiles.h"
#include "gamedata.h"

#include <QDataStream>
#include <QFile>

namespace {

const QString resultsFile = QStringLiteral("data.dat");

// The number a list keeps: BestResult::time for the classic list, score for the puzzle list.
using Number = int BestResult::*;

QList<BestResult> defaultList(Number number, int step)
{
    QList<BestResult> list;
    for (int place = 1; place <= BestResultPlaces; ++place) {
        BestResult entry;
        entry.name = QStringLiteral("user");
        entry.*number = step * place;
        list.append(entry);
    }
    return list;
}

QList<BestResult> defaultClassic()
{
    return defaultList(&BestResult::time, 10000);
}

QList<BestResult> defaultPuzzle()
{
    return defaultList(&BestResult::score, 10);
}

// Always ten places: once the file ends, the places left get an empty name and 0, as a data
// stream read past its end would give them.
QList<BestResult> readList(QDataStream &in, Number number)
{
    QList<BestResult> list;
    for (int place = 0; place < BestResultPlaces; ++place) {
        BestResult entry;
        if (!readString(in, entry.name))
            entry.name = QStringLiteral("");
        readInt(in, entry.*number);
        list.append(entry);
    }
    return list;
}

// Missing places, which a loaded list never has, are written empty so that the file always
// holds twenty records.
void writeList(QDataStream &out, const QList<BestResult> &list, Number number)
{
    for (int place = 0; place < BestResultPlaces; ++place) {
        const BestResult entry = list.value(place);
        out << entry.name << qint32(entry.*number);
    }
}

QByteArray encodeResults(const QList<BestResult> &classic, const QList<BestResult> &puzzle)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    writeList(out, classic, &BestResult::time);
    writeList(out, puzzle, &BestResult::score);
    return bytes;
}

} // namespace

void GameData::LoadBestResults()
{
    if (!QFile::exists(resultsFile))
        WriteDefaultBestResults();
    QFile file(resultsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        // The best-results window and the classic insertion count on ten places.
        classicTop = defaultClassic();
        puzzleTop = defaultPuzzle();
        return;
    }
    QDataStream in(&file);
    classicTop = readList(in, &BestResult::time);
    puzzleTop = readList(in, &BestResult::score);
}

void GameData::SaveBestResults()
{
    if (!replaceFile(resultsFile, encodeResults(classicTop, puzzleTop)))
        showCriticalAlert(QStringLiteral("Tavni"), QStringLiteral("Error write results ."));
}

void GameData::WriteDefaultBestResults()
{
    replaceFile(resultsFile, encodeResults(defaultClassic(), defaultPuzzle()));
}
