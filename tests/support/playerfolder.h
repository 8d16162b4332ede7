// A temporary working directory for the game, with the player's files written byte for byte.
#pragma once

#include <QDataStream>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

class PlayerFolder
{
public:
    PlayerFolder() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~PlayerFolder() { QDir::setCurrent(previous); }
    Q_DISABLE_COPY(PlayerFolder)

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }
    QByteArray read(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir;
    QString previous;
};

// "profiles.dat" bytes for the given names, each at level 1, stage 1, and the current index.
inline QByteArray profilesFile(const QStringList &names, int current)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(names.size()) << qint32(current);
    for (const QString &name : names) out << name << qint32(1) << qint32(1) << qint32(0);
    return bytes;
}

// "game.dat" with the given values in file order.
inline QByteArray settingsFile(int grid, int level, int sound, int music, int volume, const QString &language = "tavni_en.qm")
{
    return QString("%1\n%2\n%3\n%4\n%5\n%6\n").arg(grid).arg(level).arg(sound).arg(music).arg(volume).arg(language).toUtf8();
}
