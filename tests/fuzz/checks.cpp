#include "checks.h"

#include "alert.h"
#include "board.h"
#include "cellpalette.h"
#include "fmodlayer.h"
#include "gamedata.h"
#include "playerfolder.h"
#include "series.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace fuzzcheck {
namespace {

int alerts = 0;

// The working directory from prepare() on, where the readers read and the inputs are written
// (a scratch folder that cannot take an input ends the run).
const PlayerFolder *scratch = nullptr;

// The properties that did not hold, each named by what.
struct Faults : QStringList {
    void expect(bool holds, const QString &what) { if (!holds) append(what); }
};

QString checkLevel(const QByteArray &bytes)
{
    scratch->write(QStringLiteral("level.map"), bytes);
    Board board;
    alerts = 0;
    board.load(QStringLiteral("level.map"));
    Faults f;
    const bool loaded = board.columns > 0;
    f.expect(loaded != (alerts > 0), QStringLiteral("a level must load or be reported damaged"));
    f.expect(board.columns <= 66 && board.rows <= 66 && board.mapColumns == 3 * board.columns
                 && board.mapRows == 3 * board.rows && board.pieceMap.size() == size_t(board.mapColumns) * size_t(board.mapRows)
                 && std::all_of(board.pieceMap.begin(), board.pieceMap.end(), [](int v) { return v >= 0 && v < PaletteSize; }),
             QStringLiteral("size %1 x %2 or pieces out of range").arg(board.columns).arg(board.rows));
    if (!loaded || !f.isEmpty())
        return f.join(QStringLiteral("; "));
    // A loaded level is playable: built it is solved, and a turn is undone by its reverse
    // (along the diagonal, ring and corners included; a turn repaints every cell, so a few).
    board.build();
    f.expect(board.isSolved(), QStringLiteral("a built board is not solved"));
    const std::vector<int> built = board.pieceMap;
    const int side = std::max(board.rows, board.columns);
    for (int i = 0; i < side; i += std::max(1, side / 8)) {
        board.rotateLeft(i % board.rows, i % board.columns);
        board.rotateRight(i % board.rows, i % board.columns);
    }
    f.expect(board.pieceMap == built, QStringLiteral("a turn and its reverse changed the board"));
    return f.join(QStringLiteral("; "));
}

// The player's files: what could make the game misbehave is in range, and what is saved is read
// back as it was: saved again, it gives the same bytes.
QString checkPlayerFile(Reader reader, const QByteArray &bytes)
{
    const struct { QString file; void (GameData::*load)(); void (GameData::*save)(); } readers[] = {
        {QStringLiteral("game.dat"), &GameData::LoadSettings, &GameData::SaveSettings},
        {QStringLiteral("profiles.dat"), &GameData::LoadProfiles, &GameData::SaveProfiles},
        {QStringLiteral("data.dat"), &GameData::LoadBestResults, &GameData::SaveBestResults}};
    const auto &r = readers[int(reader) - int(Reader::Settings)];
    scratch->write(r.file, bytes);
    // The order of a start-up: the translation's name first, then the settings.
    const QString language = reader == Reader::Settings ? ReadLanguageFile() : LanguageFile;
    GameData data(QStringLiteral("game.dat"));
    (data.*r.load)();
    Faults f;
    f.expect(language == LanguageFile && !LanguageFile.contains(QRegularExpression(QStringLiteral("\\s"))),
             QStringLiteral("start-up read another language file"));
    f.expect(data.gameLevel >= 1 && data.gameLevel <= 5 && (reader != Reader::Settings || GameLevel == data.gameLevel)
                 && MasterVolume >= 0 && MasterVolume <= 255,
             QStringLiteral("settings out of range"));
    f.expect(data.profileCount == int(data.profiles.size()) && CurrentProfile >= -1 && CurrentProfile < data.profileCount,
             QStringLiteral("profile count or current profile"));
    for (const Profile &p : data.profiles)
        f.expect(p.level > SeriesLevels || (p.sublevel >= 1 && p.sublevel <= subLevelCount(p.level)),
                 QStringLiteral("position %1-%2 outside the series").arg(p.level).arg(p.sublevel));
    const auto tenPlaces = [&] {
        return reader != Reader::Results
            || (data.classicTop.size() == BestResultPlaces && data.puzzleTop.size() == BestResultPlaces);
    };
    f.expect(tenPlaces(), QStringLiteral("best lists not of ten places"));
    data.AddClassicResult(1); // as a won classic board does
    f.expect(tenPlaces(), QStringLiteral("the classic insertion broke the list"));
    QByteArray saved[2];
    for (QByteArray &bytes : saved) {
        (data.*r.save)();
        bytes = scratch->read(r.file);
        (data.*r.load)();
    }
    f.expect(saved[0] == saved[1], QStringLiteral("saved %1, read back and saved %2").arg(saved[0].toHex(), saved[1].toHex()));
    return f.join(QStringLiteral("; "));
}

QString checkModule(const QByteArray &bytes)
{
    scratch->write(QStringLiteral("song.mod"), bytes);
    FMUSIC_MODULE *song = FMUSIC_LoadSong("song.mod");
    const int error = FSOUND_GetError();
    if (!song)
        return error == FMOD_ERR_FILE_FORMAT || error == FMOD_ERR_FILE_BAD || error == FMOD_ERR_MEMORY
            ? QString() : QStringLiteral("refused with error %1").arg(error);
    const bool usable = FMUSIC_SetMasterVolume(song, 300) && !FMUSIC_IsFinished(song);
    return FMUSIC_FreeSong(song) && usable ? QString() : QStringLiteral("a loaded module is not usable or cannot be freed");
}

} // namespace

QString name(Reader reader) { return QStringList{"level", "settings", "profiles", "results", "module"}[int(reader)]; }

void prepare(Reader reader)
{
    static const PlayerFolder folder; // removed when the process ends normally
    scratch = &folder;
    setAlertPresenter([](const QString &, const QString &) { ++alerts; });
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (reader == Reader::Module && !FSOUND_Init(44100, 32, 0))
        std::abort();
}

QString check(Reader reader, const QByteArray &bytes)
{
    return reader == Reader::Level ? checkLevel(bytes) : reader == Reader::Module ? checkModule(bytes) : checkPlayerFile(reader, bytes);
}

} // namespace fuzzcheck
