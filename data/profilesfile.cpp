// "profiles.dat": the profile count, the current index, then per profile its name, level,
// stage and reserved number, in a Qt data stream.
#include "alert.h"
#include "datafiles.h"
#include "gamedata.h"
#include "series.h"

#include <QDataStream>
#include <QFile>

namespace {

const QString profilesFile = QStringLiteral("profiles.dat");

// The first level past the series: a player there has finished it.
constexpr int finishedLevel = SeriesLevels + 1;

bool readProfile(QDataStream &in, Profile &profile)
{
    return readString(in, profile.name) && readInt(in, profile.level)
           && readInt(in, profile.sublevel) && readInt(in, profile.reserved);
}

// A stored position that names no stage becomes the nearest one the player has reached, so
// that the game never asks for a level file that does not exist and no progress is lost: a
// stage before the first of its level is that first stage, one past the last of its level is
// the first of the next level (or the finished series after the last level). A player who
// finished the series keeps whatever was stored; below level 1 the series starts anew.
void keepInSeries(Profile &profile)
{
    if (profile.level >= finishedLevel)
        return;
    if (profile.level < 1) {
        profile.level = 1;
        profile.sublevel = 1;
    } else if (profile.sublevel < 1) {
        profile.sublevel = 1;
    } else {
        const SeriesStage stage = carriedStage(profile.level, profile.sublevel);
        profile.level = stage.level;
        profile.sublevel = stage.sublevel;
    }
}

QByteArray encodeProfiles(int count, int current, const std::vector<Profile> &profiles)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(count) << qint32(current);
    for (const Profile &profile : profiles) {
        out << profile.name << qint32(profile.level) << qint32(profile.sublevel)
            << qint32(profile.reserved);
    }
    return bytes;
}

} // namespace

void GameData::LoadProfiles()
{
    if (!QFile::exists(profilesFile))
        WriteDefaultProfiles();
    QFile file(profilesFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QDataStream in(&file);
    int count = 0;
    int current = -1;
    readInt(in, count);
    readInt(in, current);

    // The count is only an upper bound: a record is taken when it is really there.
    profiles.clear();
    Profile profile;
    while (int(profiles.size()) < count && readProfile(in, profile)) {
        keepInSeries(profile);
        profiles.push_back(profile);
    }
    profileCount = int(profiles.size());
    CurrentProfile = isProfile(current) ? current : -1;
}

void GameData::SaveProfiles()
{
    if (!replaceFile(profilesFile, encodeProfiles(profileCount, CurrentProfile, profiles)))
        showCriticalAlert(QStringLiteral("Tavni"), QStringLiteral("Error write profiles ."));
}

void GameData::WriteDefaultProfiles()
{
    profiles.clear();
    profileCount = 0;
    CurrentProfile = -1;
    replaceFile(profilesFile, encodeProfiles(profileCount, CurrentProfile, profiles));
}
