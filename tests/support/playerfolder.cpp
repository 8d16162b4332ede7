#include "playerfolder.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

PlayerFolder::PlayerFolder()
    : previous(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
}

PlayerFolder::~PlayerFolder()
{
    QDir::setCurrent(previous);
}

void PlayerFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray PlayerFolder::read(const QString &name) const
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray profilesFile(const QStringList &names, int current)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(names.size()) << qint32(current);
    for (const QString &name : names)
        out << name << qint32(1) << qint32(1) << qint32(0);
    return bytes;
}

QByteArray settingsFile(int grid, int level, int sound, int music, int volume,
                        const QString &language)
{
    QByteArray text;
    for (int value : {grid, level, sound, music, volume})
        text += QByteArray::number(value) + '\n';
    return text + language.toUtf8() + '\n';
}
