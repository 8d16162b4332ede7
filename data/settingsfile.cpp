// "game.dat": six text lines, the grid switch, game level, sound and music switches, music
// volume and the translation file name.
#include "alert.h"
#include "datafiles.h"
#include "gamedata.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>

namespace {

const QByteArray defaultSettings = "1\n1\n1\n1\n128\ntavni_en.qm\n";

// A switch is on for any value but 0, as it would be where it is tested.
int switchValue(qlonglong value)
{
    return value != 0 ? 1 : 0;
}

int inRange(qlonglong value, int lowest, int highest)
{
    return int(std::clamp<qlonglong>(value, lowest, highest));
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
        // Read wide and clamped: a hand-edited level or volume must not scramble a board
        // with billions of turns or reach the sound library out of its range.
        QTextStream in(&file);
        in.setAutoDetectUnicode(false);
        qlonglong grid = 0, level = 0, sound = 0, music = 0, volume = 0;
        in >> grid >> level >> sound >> music >> volume >> LanguageFile;
        DrawGrid = switchValue(grid);
        gameLevel = inRange(level, 1, 5);
        SoundOn = switchValue(sound);
        MusicOn = switchValue(music);
        MasterVolume = inRange(volume, 1, 255);
    }
    // Also when the file could not be read, so that boards are still scrambled.
    GameLevel = gameLevel;
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
}

void GameData::WriteDefaultSettings()
{
    replaceFile(settingsFile, defaultSettings, QIODevice::Text);
}
