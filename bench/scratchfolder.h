// A player's working folder made for the benchmark run: the run folder's content linked in as
// the game's own launcher links it, and the player's three files with one profile selected, so
// that the game starts straight to the menu screen without asking for a name.
#pragma once

#include <QString>
#include <QTemporaryDir>

class ScratchFolder
{
public:
    // Makes the folder and makes it the working directory.
    explicit ScratchFolder(const QString &runFolder);

    // Empty when the folder is ready, else what went wrong.
    QString error() const { return problem; }
    QString path() const { return dir.path(); }
    // A screen description for Qt's offscreen platform, in this folder: one screen of the
    // size, and with doubled a second one of the same size at device pixel ratio 2 beside it.
    QString writeScreenConfig(int width, int height, bool doubled = false);
    // A private folder for the programs' runtime files, where the system provides none.
    QString makeRuntimeFolder();

private:
    void linkContent(const QString &runFolder);
    void writePlayerFiles();

    QTemporaryDir dir;
    QString problem;
};
