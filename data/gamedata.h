// The player's data in memory: the game level, the profiles, the two best-results lists and
// the music files, with the loading and saving of "game.dat", "profiles.dat" and "data.dat".
#pragma once

#include "settings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// One player. A new profile starts at stage 1 of level 1.
struct Profile {
    QString name;
    int level = 1;    // 1 to 5, or 6 once the series is finished
    int sublevel = 1; // stage within level; the next one to play
    int reserved = 0; // kept in the file, not used
};

// The places of each best-results list, in "data.dat" and on screen.
constexpr int BestResultPlaces = 10;

// One place in a best-results list: the classic list uses time, the puzzle list score.
struct BestResult {
    QString name;
    int score = 0;
    int time = 0; // seconds
};

// Every load and save works on the files in the current working directory. A missing file is
// first created with its defaults. Values read are brought into range, so a damaged or
// hand-edited file cannot make the game misbehave. Saves replace a file only once its whole
// new content is written; a failed save of any of the three files is reported in a critical
// box and leaves the previous file as it was.
class GameData
{
public:
    explicit GameData(const QString &settingsFile);

    QString settingsFile;
    int gameLevel = 1;    // 1 (Easy) to 5 (Hard)
    int colourPatterns = 0; // the Colour patterns option, 0 or 1, kept in "patterns.dat"
    int profileCount = 0; // always profiles.size()
    std::vector<Profile> profiles;
    QList<BestResult> classicTop; // ten places, shortest time first
    QList<BestResult> puzzleTop;  // ten places, as loaded
    QStringList musicFiles;       // file names in "data/music", in play order

    // Reads DrawGrid, gameLevel, SoundOn, MusicOn, MasterVolume and LanguageFile, and copies
    // gameLevel into GameLevel; colourPatterns is on only while "patterns.dat" says so.
    void LoadSettings();
    // Copies gameLevel into GameLevel and writes the settings file, and "patterns.dat" while
    // colourPatterns is on (removing it when off).
    void SaveSettings();
    void WriteDefaultSettings();

    // Reads the profiles and CurrentProfile. Only whole records are taken; CurrentProfile
    // ends up naming one of them or -1.
    void LoadProfiles();
    void SaveProfiles();
    // Writes a file with no profiles and sets profileCount 0, CurrentProfile -1.
    void WriteDefaultProfiles();

    // Fills both lists with exactly ten places, whatever the state of "data.dat".
    void LoadBestResults();
    // Writes the first ten places of each list.
    void SaveBestResults();
    void WriteDefaultBestResults();

    // Appends a profile at stage 1 of level 1 and selects it.
    void AddProfile(const QString &name);
    // Removes the profile at idx, if there is one. CurrentProfile keeps its value unless it
    // no longer names a profile, when it becomes -1.
    void DeleteProfile(int idx);
    // Makes the profile at idx the current one; returns false, changing nothing, when there
    // is no such profile.
    bool SelectProfile(int idx);
    // Stores the next stage to play in the current profile; ignored while none is selected.
    void RecordProgress(int level, int sublevel);
    // Enters a classic time before the first place with a strictly longer time, under the
    // current profile's name ("User" with none selected). At most one place changes hands
    // and the list keeps ten places.
    void AddClassicResult(int seconds);

    // Lists the music modules of "data/music" by name, ignoring case; CurrentSong becomes 0.
    void ScanMusic();

private:
    bool isProfile(int idx) const;
};
