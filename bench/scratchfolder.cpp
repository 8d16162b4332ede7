#include "scratchfolder.h"

#include "gamedata.h"

#include <QDir>
#include <QFile>

ScratchFolder::ScratchFolder(const QString &runFolder)
{
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) {
        problem = QStringLiteral("cannot make a working folder");
        return;
    }
    linkContent(runFolder);
    writePlayerFiles();
}

void ScratchFolder::linkContent(const QString &runFolder)
{
    for (const QString &folder : {QStringLiteral("languages"), QStringLiteral("data")}) {
        const QString content = runFolder + QLatin1Char('/') + folder;
        if (!QFileInfo(content).isDir() || !QFile::link(content, dir.filePath(folder)))
            problem = QStringLiteral("cannot link ") + content;
    }
}

// The game's defaults (grid, sound and music on, English) at the hardest game level, and one
// player at the first stage.
void ScratchFolder::writePlayerFiles()
{
    GameData store(QStringLiteral("game.dat"));
    store.LoadSettings();
    store.gameLevel = 5;
    store.SaveSettings();
    store.LoadProfiles();
    store.AddProfile(QStringLiteral("Bench"));
    store.SaveProfiles();
    store.LoadBestResults();
    store.SaveBestResults();
    for (const char *file : {"game.dat", "profiles.dat", "data.dat"}) {
        if (!QFile::exists(QString::fromLatin1(file)))
            problem = QStringLiteral("cannot write ") + QString::fromLatin1(file);
    }
}

QString ScratchFolder::writeScreenConfig(int width, int height, bool doubled)
{
    const QString path =
        dir.filePath(doubled ? QStringLiteral("screens.json") : QStringLiteral("screen.json"));
    QFile file(path);
    const QString screen =
        QStringLiteral(R"({"name":"%1","x":%2,"y":0,"width":%3,"height":%4,"dpr":%5})");
    QString screens = screen.arg(QStringLiteral("s")).arg(0).arg(width).arg(height).arg(1);
    if (doubled)
        screens += ',' + screen.arg(QStringLiteral("s2")).arg(width).arg(width).arg(height).arg(2);
    const QByteArray text = (QStringLiteral(R"({"screens":[)") + screens + "]}").toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        problem = QStringLiteral("cannot write ") + path;
    return path;
}

QString ScratchFolder::makeRuntimeFolder()
{
    const QString path = dir.filePath(QStringLiteral("runtime"));
    if (!QDir().mkpath(path)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        problem = QStringLiteral("cannot make ") + path;
    return path;
}
