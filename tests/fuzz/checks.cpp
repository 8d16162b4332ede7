#include "checks.h"

#include "alert.h"
#include "board.h"
#include "cellpalette.h"
#include "fmodlayer.h"
#include "gamedata.h"
#include "series.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

namespace fuzzcheck {
namespace {

int alerts = 0;

void countAlert(const QString &, const QString &)
{
    ++alerts;
}

void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        std::abort(); // the scratch folder itself is broken: no check could mean anything
}

// Collects the properties that did not hold.
struct Faults {
    QStringList list;
    void expect(bool holds, const QString &what)
    {
        if (!holds)
            list << what;
    }
    QString text() const { return list.join(QStringLiteral("; ")); }
};

QString checkLevel(const QByteArray &bytes)
{
    writeFile(QStringLiteral("level.map"), bytes);
    Board board;
    alerts = 0;
    board.load(QStringLiteral("level.map"));
    Faults f;
    const bool loaded = board.columns > 0;
    f.expect(loaded != (alerts > 0), QStringLiteral("a level must load or be reported damaged"));
    f.expect(board.columns >= 0 && board.columns <= 66 && board.rows >= 0 && board.rows <= 66,
             QStringLiteral("size %1 x %2").arg(board.columns).arg(board.rows));
    f.expect(board.mapColumns == 3 * board.columns && board.mapRows == 3 * board.rows
                 && board.pieceMap.size() == size_t(board.mapColumns) * size_t(board.mapRows),
             QStringLiteral("pieceMap does not match the size"));
    for (int value : board.pieceMap)
        f.expect(value >= 0 && value < PaletteSize, QStringLiteral("piece %1").arg(value));
    if (!loaded || !f.list.isEmpty())
        return f.text();

    // A loaded level is playable: built it is solved, and every turn is undone by its reverse.
    board.build();
    f.expect(board.cells.size() == size_t(board.columns) * size_t(board.rows),
             QStringLiteral("cells do not match the size"));
    f.expect(board.isSolved(), QStringLiteral("a built board is not solved"));
    // Along the diagonal, ring and corners included; a turn repaints every cell, so a few.
    const std::vector<int> built = board.pieceMap;
    const int step = std::max(1, std::max(board.rows, board.columns) / 8);
    for (int i = 0; i < std::max(board.rows, board.columns); i += step) {
        board.rotateLeft(i % board.rows, i % board.columns);
        board.rotateRight(i % board.rows, i % board.columns);
    }
    f.expect(board.pieceMap == built, QStringLiteral("a turn and its reverse changed the board"));
    return f.text();
}

QString settingsText()
{
    return QStringLiteral("%1 %2 %3 %4 %5 [%6]")
        .arg(DrawGrid).arg(GameLevel).arg(SoundOn).arg(MusicOn).arg(MasterVolume)
        .arg(QString::fromLatin1(LanguageFile.toUtf8().toPercentEncoding()));
}

QString checkSettings(const QByteArray &bytes)
{
    writeFile(QStringLiteral("game.dat"), bytes);
    // The order of a start-up: the translation name first, then the settings.
    const QString language = ReadLanguageFile();
    GameData data(QStringLiteral("game.dat"));
    data.LoadSettings();
    Faults f;
    f.expect(language == LanguageFile, QStringLiteral("start-up read another language file"));
    // The switches are kept as read; what could make the game misbehave is in range.
    f.expect(data.gameLevel >= 1 && data.gameLevel <= 5 && GameLevel == data.gameLevel
                 && MasterVolume >= 0 && MasterVolume <= 255,
             QStringLiteral("out of range: ") + settingsText());
    f.expect(!LanguageFile.contains(QRegularExpression(QStringLiteral("\\s"))),
             QStringLiteral("language file name holds white space"));
    // What is saved reads back as it was.
    const QString before = settingsText();
    data.SaveSettings();
    data.LoadSettings();
    f.expect(settingsText() == before, QStringLiteral("saved %1, read back %2").arg(before, settingsText()));
    return f.text();
}

// A stage the series has, or the series finished (level 6 or beyond, whatever the stage).
bool inSeries(const Profile &p)
{
    return p.level > SeriesLevels || (p.sublevel >= 1 && p.sublevel <= subLevelCount(p.level));
}

QString profilesText(const GameData &data)
{
    QStringList parts{QStringLiteral("%1/%2").arg(CurrentProfile).arg(data.profileCount)};
    for (const Profile &p : data.profiles)
        parts << QStringLiteral("%1:%2-%3-%4").arg(p.name).arg(p.level).arg(p.sublevel).arg(p.reserved);
    return parts.join(QLatin1Char(' '));
}

QString checkProfiles(const QByteArray &bytes)
{
    writeFile(QStringLiteral("profiles.dat"), bytes);
    GameData data(QStringLiteral("game.dat"));
    data.LoadProfiles();
    Faults f;
    f.expect(data.profileCount == int(data.profiles.size()), QStringLiteral("profileCount"));
    f.expect(CurrentProfile >= -1 && CurrentProfile < int(data.profiles.size()),
             QStringLiteral("CurrentProfile %1").arg(CurrentProfile));
    for (const Profile &p : data.profiles)
        f.expect(inSeries(p), QStringLiteral("position %1-%2").arg(p.level).arg(p.sublevel));
    const QString before = profilesText(data);
    data.SaveProfiles();
    data.LoadProfiles();
    f.expect(profilesText(data) == before, QStringLiteral("profiles changed by a save"));
    return f.text();
}

QString resultsText(const GameData &data)
{
    QStringList parts;
    for (const BestResult &r : data.classicTop + data.puzzleTop)
        parts << QStringLiteral("%1:%2:%3").arg(r.name).arg(r.time).arg(r.score);
    return parts.join(QLatin1Char(' '));
}

QString checkResults(const QByteArray &bytes)
{
    writeFile(QStringLiteral("data.dat"), bytes);
    GameData data(QStringLiteral("game.dat"));
    data.LoadBestResults();
    Faults f;
    f.expect(data.classicTop.size() == 10 && data.puzzleTop.size() == 10,
             QStringLiteral("lists of %1 and %2").arg(data.classicTop.size()).arg(data.puzzleTop.size()));
    const QString before = resultsText(data);
    data.SaveBestResults();
    data.LoadBestResults();
    f.expect(resultsText(data) == before, QStringLiteral("results changed by a save"));
    // The classic insertion the game makes after a won board keeps ten places.
    data.AddClassicResult(1);
    f.expect(data.classicTop.size() == 10, QStringLiteral("classic insertion broke the list"));
    return f.text();
}

QString checkModule(const QByteArray &bytes)
{
    writeFile(QStringLiteral("song.mod"), bytes);
    FMUSIC_MODULE *song = FMUSIC_LoadSong("song.mod");
    Faults f;
    if (!song) {
        const int error = FSOUND_GetError();
        f.expect(error == FMOD_ERR_FILE_FORMAT || error == FMOD_ERR_FILE_BAD || error == FMOD_ERR_MEMORY,
                 QStringLiteral("refused with error %1").arg(error));
        return f.text();
    }
    f.expect(FMUSIC_SetMasterVolume(song, 300) && !FMUSIC_IsFinished(song),
             QStringLiteral("a loaded module is not usable"));
    f.expect(FMUSIC_FreeSong(song), QStringLiteral("a loaded module cannot be freed"));
    return f.text();
}

} // namespace

QString name(Reader reader)
{
    switch (reader) {
    case Reader::Level: return QStringLiteral("level");
    case Reader::Settings: return QStringLiteral("settings");
    case Reader::Profiles: return QStringLiteral("profiles");
    case Reader::Results: return QStringLiteral("results");
    case Reader::Module: return QStringLiteral("module");
    }
    return {};
}

void prepare(Reader reader)
{
    static QTemporaryDir scratch; // removed when the process ends normally
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path()))
        std::abort();
    setAlertPresenter(&countAlert);
    if (reader == Reader::Module) {
        qputenv("SDL_AUDIODRIVER", "dummy");
        if (!FSOUND_Init(44100, 32, 0))
            std::abort();
    }
}

QString check(Reader reader, const QByteArray &bytes)
{
    switch (reader) {
    case Reader::Level: return checkLevel(bytes);
    case Reader::Settings: return checkSettings(bytes);
    case Reader::Profiles: return checkProfiles(bytes);
    case Reader::Results: return checkResults(bytes);
    case Reader::Module: return checkModule(bytes);
    }
    return {};
}

} // namespace fuzzcheck
