// A temporary working directory for the game, with the player's files written byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PlayerFolder
{
public:
    PlayerFolder();
    ~PlayerFolder();
    PlayerFolder(const PlayerFolder &) = delete;
    PlayerFolder &operator=(const PlayerFolder &) = delete;

    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir;
    QString previous;
};

// "profiles.dat" bytes for the given names, each at level 1, stage 1, and the current index.
QByteArray profilesFile(const QStringList &names, int current);

// "game.dat" with the given values in file order.
QByteArray settingsFile(int grid, int level, int sound, int music, int volume,
                        const QString &language = QStringLiteral("tavni_en.qm"));
