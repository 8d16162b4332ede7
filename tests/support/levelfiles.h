// Small level boards for tests, written as ".map" text or loaded straight into a Board.
#pragma once

#include <QString>
#include <QStringList>

class Board;
class QTemporaryDir;

// The four-line level text for the given rows of values (each row "v,v,v"), CR LF separated.
QByteArray levelText(const QStringList &valueRows);

// Writes bytes to name inside dir and returns the full path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Loads and builds the given rows of values into board, through a temporary level file.
void loadRows(Board &board, const QStringList &valueRows);

// Loads and builds a catalogue level from the resources.
void loadResource(Board &board, const QString &path);
