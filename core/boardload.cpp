// Reading a level file into the Board.
#include "board.h"

#include "alert.h"
#include "cellpalette.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace {

constexpr int MaxLevelSide = 64;

struct LevelText {
    int width = 0;
    int height = 0;
    std::vector<int> values; // width * height, row by row
};

// A field that is not a decimal number reads as 0.
int fieldValue(const QString &field)
{
    bool ok = false;
    const int value = field.toInt(&ok, 10);
    return ok ? value : 0;
}

// Lines 1 and 2 carry nothing for the game; line 3 is "w,h" and line 4 the w * h values,
// optionally followed by a trailing ",". Anything the format forbids gives no level.
std::optional<LevelText> parseLevel(QTextStream &in)
{
    QString lines[4];
    for (QString &line : lines) {
        line = in.readLine();
        if (line.isNull())
            return std::nullopt;
    }

    const QStringList size = lines[2].split(QLatin1Char(','));
    if (size.size() < 2)
        return std::nullopt;
    LevelText level;
    level.width = fieldValue(size[0]);
    level.height = fieldValue(size[1]);
    if (level.width < 1 || level.width > MaxLevelSide || level.height < 1
        || level.height > MaxLevelSide)
        return std::nullopt;

    // An empty last field (a trailing "," or an empty line) is not a value.
    QStringList fields = lines[3].split(QLatin1Char(','));
    if (fields.last().trimmed().isEmpty())
        fields.removeLast();
    const int count = level.width * level.height;
    if (fields.size() < count)
        return std::nullopt;
    level.values.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int value = fieldValue(fields[i]);
        if (value < 0 || value >= PaletteSize)
            return std::nullopt;
        level.values.push_back(value);
    }
    return level;
}

} // namespace

void Board::load(const QString &path)
{
    if (!QFile::exists(path)) {
        showCriticalAlert(QStringLiteral("Tavni"),
                          QStringLiteral(" file ") + path + QStringLiteral("\n\n not exists"));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    const std::optional<LevelText> level = parseLevel(in);
    if (!level) {
        showCriticalAlert(QStringLiteral("Tavni"),
                          QStringLiteral(" file ") + path + QStringLiteral("\n\n is damaged"));
        return;
    }

    columns = level->width + 2;
    rows = level->height + 2;
    mapColumns = 3 * columns;
    mapRows = 3 * rows;
    pieceCount = 0;
    pieceMap.assign(static_cast<size_t>(mapColumns) * static_cast<size_t>(mapRows), NoPiece);

    // Each level cell starts with its own value in the centre and at the four edge middles.
    for (int r = 1; r <= level->height; ++r) {
        for (int c = 1; c <= level->width; ++c) {
            const int value = level->values[(r - 1) * level->width + (c - 1)];
            if (value != NoPiece)
                ++pieceCount;
            const int cr = 3 * r + 1;
            const int cc = 3 * c + 1;
            for (const auto &[dr, dc] : {std::pair{0, 0}, {-1, 0}, {0, 1}, {1, 0}, {0, -1}})
                pieceMap[(cr + dr) * mapColumns + (cc + dc)] = value;
        }
    }
}
