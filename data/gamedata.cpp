#include "gamedata.h"

#include <QDir>
#include <algorithm>

GameData::GameData(const QString &settingsFile) : settingsFile(settingsFile)
{
    CurrentProfile = -1;
}

void GameData::AddProfile(const QString &name)
{
    Profile profile;
    profile.name = name;
    profiles.push_back(profile);
    profileCount = int(profiles.size());
    CurrentProfile = profileCount - 1;
}

void GameData::DeleteProfile(int idx)
{
    if (!isProfile(idx))
        return;
    profiles.erase(profiles.begin() + idx);
    profileCount = int(profiles.size());
    if (!isProfile(CurrentProfile))
        CurrentProfile = -1;
}

bool GameData::SelectProfile(int idx)
{
    if (!isProfile(idx))
        return false;
    CurrentProfile = idx;
    return true;
}

void GameData::RecordProgress(int level, int sublevel)
{
    if (!isProfile(CurrentProfile))
        return;
    profiles[CurrentProfile].level = level;
    profiles[CurrentProfile].sublevel = sublevel;
}

void GameData::AddClassicResult(int seconds)
{
    const int shown = std::min(int(classicTop.size()), BestResultPlaces);
    for (int place = 0; place < shown; ++place) {
        if (classicTop[place].time > seconds) {
            BestResult entry;
            entry.name = isProfile(CurrentProfile) ? profiles[CurrentProfile].name
                                                   : QStringLiteral("User");
            entry.time = seconds;
            classicTop.insert(place, entry);
            if (classicTop.size() > BestResultPlaces)
                classicTop.removeLast();
            return;
        }
    }
}

void GameData::ScanMusic()
{
    const QStringList modules = {QStringLiteral("*.it"), QStringLiteral("*.s3m"),
                                 QStringLiteral("*.xm"), QStringLiteral("*.mod")};
    // Without QDir::CaseSensitive the patterns match "B.XM" as well as "b.xm".
    musicFiles = QDir(QStringLiteral("data/music"))
                     .entryList(modules, QDir::Files, QDir::Name | QDir::IgnoreCase);
    CurrentSong = 0;
}

bool GameData::isProfile(int idx) const
{
    return idx >= 0 && idx < int(profiles.size());
}
