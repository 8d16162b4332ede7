// Files made in code for tests, and small level boards loaded from them.
#pragma once

#include <QStringList>

class Board;
class QTemporaryDir;

// Writes bytes to name inside dir and returns the full path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Loads and builds the given rows of values (each row "v,v,v") into board.
void loadRows(Board &board, const QStringList &valueRows);
