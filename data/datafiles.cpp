#include "datafiles.h"

#include <QDataStream>
#include <QDir>
#include <QSaveFile>
#include <QtEndian>

namespace {

// The length that stands for a null string.
constexpr quint32 nullStringLength = 0xFFFFFFFFu;

} // namespace

bool readInt(QDataStream &in, int &value)
{
    if (in.status() != QDataStream::Ok)
        return false;
    qint32 read = 0;
    in >> read;
    if (in.status() != QDataStream::Ok)
        return false;
    value = read;
    return true;
}

bool readString(QDataStream &in, QString &text)
{
    if (in.status() != QDataStream::Ok)
        return false;
    QIODevice *device = in.device();
    const QByteArray head = device->peek(sizeof(quint32));
    if (head.size() < int(sizeof(quint32))) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    const quint32 bytes = qFromBigEndian<quint32>(head.constData());
    if (bytes != nullStringLength) {
        if (bytes % 2 != 0) {
            in.setStatus(QDataStream::ReadCorruptData);
            return false;
        }
        if (bytes > quint64(device->bytesAvailable()) - sizeof(quint32)) {
            in.setStatus(QDataStream::ReadPastEnd);
            return false;
        }
    }
    QString read;
    in >> read;
    if (in.status() != QDataStream::Ok)
        return false;
    text = read;
    return true;
}

bool replaceFile(const QString &name, const QByteArray &bytes, QIODevice::OpenMode textMode)
{
    // Resolved now: the save file would otherwise resolve a relative name only when it
    // commits, against whatever the working directory is by then.
    QSaveFile file(QDir::current().absoluteFilePath(name));
    // Where no new file can be made beside it (a folder the player may not write in, though
    // the file itself is writable), the file is written in place: no longer atomic, but saved.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that the write below reaches the disk and its count tells the truth.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | textMode))
        return false;
    // A write cut short by a full disk reports no error, and the commit would then put the
    // truncated file in place: only a complete write may be committed.
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
