#include "levelfiles.h"

#include "board.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

QByteArray levelText(const QStringList &valueRows)
{
    const int width = valueRows.value(0).split(QLatin1Char(',')).size();
    return "1\r\n1\r\n" + QByteArray::number(width) + ',' + QByteArray::number(valueRows.size())
        + "\r\n" + valueRows.join(QLatin1Char(',')).toLatin1() + ',';
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

void loadRows(Board &board, const QStringList &valueRows)
{
    QTemporaryDir dir;
    board.load(writeFile(dir, QStringLiteral("level.map"), levelText(valueRows)));
    board.build();
}

void loadResource(Board &board, const QString &path)
{
    board.load(path);
    board.build();
}
