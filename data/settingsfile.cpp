// "game.dat": six text lines, the grid switch, game level, sound and music switches, music
// volume and the translation file name. "patterns.dat" beside it: the colour patterns switch.
#include "alert.h"
#include "datafiles.h"
#include "gamedata.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <limits>

namespace {

const QByteArray defaultSettings = "1\n1\n1\n1\n128\ntavni_en.qm\n";

int inRange(qlonglong value, int lowest, int highest)
{
    return int(std::clamp<qlonglong>(value, lowest, highest));
}

// A switch is kept as read: any value but 0 is on wherever it is tested. Only a number that
// does not fit the game's integers is brought to the nearest one that does.
int switchValue(qlonglong value)
{
    return inRange(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

// The colour patterns switch lives in a file of its own, "1" and a line end, that exists only
// while the switch is on: a seventh line of "game.dat" would be read as the translation's
// file name whenever the sixth is empty, which it is until a language is chosen.
const QString patternsFile = QStringLiteral("patterns.dat");
const QByteArray patternsOn = "1\n";

// On only when the file says so; missing, unreadable or anything else means off.
int readColourPatterns()
{
    QFile file(patternsFile);
    return file.open(QIODevice::ReadOnly) && file.read(16).trimmed() == "1" ? 1 : 0;
}

// Failures are silent: the switch is then off, or stays on, at the next start.
void saveColourPatterns(int on)
{
    if (on != 0)
        replaceFile(patternsFile, patternsOn, QIODevice::Text);
    else if (QFile::exists(patternsFile))
        QFile::remove(patternsFile);
}

} // namespace

QString ReadLanguageFile()
{
    QFile file(QStringLiteral("game.dat"));
    LanguageFile.clear();
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        // The file is plain text written by the game; a byte-order mark must not switch
        // the reading to another encoding than the one it is saved in.
        in.setAutoDetectUnicode(false);
        qlonglong skipped = 0;
        for (int i = 0; i < 5; ++i)
            in >> skipped;
        in >> LanguageFile;
    }
    return LanguageFile;
}

void GameData::LoadSettings()
{
    if (!QFile::exists(settingsFile))
        WriteDefaultSettings();
    QFile file(settingsFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Read wide. Only what would make the game misbehave is clamped: a game level outside
        // 1 to 5 scrambles a board not at all or with billions of turns, and a volume beyond
        // 0 to 255 is more than the sound library plays and overflows the volume keys' steps.
        // Volume 0 stays silence.
        QTextStream in(&file);
        in.setAutoDetectUnicode(false);
        qlonglong grid = 0, level = 0, sound = 0, music = 0, volume = 0;
        in >> grid >> level >> sound >> music >> volume >> LanguageFile;
        DrawGrid = switchValue(grid);
        gameLevel = inRange(level, 1, 5);
        SoundOn = switchValue(sound);
        MusicOn = switchValue(music);
        MasterVolume = inRange(volume, 0, 255);
    }
    // Also when the file could not be read, so that boards are still scrambled.
    GameLevel = gameLevel;
    colourPatterns = readColourPatterns();
}

void GameData::SaveSettings()
{
    GameLevel = gameLevel;
    QByteArray text;
    for (int value : {DrawGrid, gameLevel, SoundOn, MusicOn, MasterVolume})
        text += QByteArray::number(value) + '\n';
    text += LanguageFile.toUtf8() + '\n';
    if (!replaceFile(settingsFile, text, QIODevice::Text))
        showCriticalAlert(QStringLiteral("Tavni"), QStringLiteral("Error write settings ."));
    saveColourPatterns(colourPatterns);
}

void GameData::WriteDefaultSettings()
{
    replaceFile(settingsFile, defaultSettings, QIODevice::Text);
}
