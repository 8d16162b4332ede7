// Reading and replacing the player's files safely: bounded reads from a data stream and
// whole-file saves that never leave a half-written file behind.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QDataStream;

// Reads a 32-bit integer into value. Fails, leaving value alone, once the stream has failed
// or when the file ends.
bool readInt(QDataStream &in, int &value);

// Reads a string into text. Fails, leaving text alone, once the stream has failed or when
// the length in front of the string is odd or larger than what remains of the file, so a
// damaged length never makes room for text that is not there.
bool readString(QDataStream &in, QString &text);

// Replaces the file name, relative to the working directory, with bytes. The new content
// goes to a file beside it that takes the old one's place only when every byte was written,
// so on failure (false) the previous file is untouched. In a folder that allows no new file
// the existing file is overwritten in place instead, every write still checked.
bool replaceFile(const QString &name, const QByteArray &bytes,
                 QIODevice::OpenMode textMode = QIODevice::NotOpen);
