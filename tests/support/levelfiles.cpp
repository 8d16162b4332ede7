#include "levelfiles.h"

#include "board.h"

#include <QFile>
#include <QTemporaryDir>

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
    const QString text = QStringLiteral("1\r\n1\r\n%1,%2\r\n%3").arg(valueRows[0].count(',') + 1).arg(valueRows.size()).arg(valueRows.join(','));
    board.load(writeFile(dir, QStringLiteral("level.map"), text.toLatin1()));
    board.build();
}
