#include "boardfonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace {

QStringList &families()
{
    static QStringList list;
    return list;
}

void registerFaces()
{
    static const bool registered = [] {
        const QDir folder(QStringLiteral(":/fonts"));
        for (const QString &file : folder.entryList(QDir::Files))
            QFontDatabase::addApplicationFont(folder.filePath(file));
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

void installBoardFonts(const QString &language)
{
    registerFaces();
    QStringList cjk{QStringLiteral("Tavni Serif CJK JP"), QStringLiteral("Tavni Serif CJK KR"),
                    QStringLiteral("Tavni Serif CJK SC")};
    if (language.startsWith(QLatin1String("ko")))
        cjk.move(1, 0);
    else if (language.startsWith(QLatin1String("zh")))
        cjk.move(2, 0);
    families() = QStringList{QStringLiteral("Tavni Serif")} + cjk;
}

QFont boardFont(int points)
{
    if (families().isEmpty())
        installBoardFonts(QString());
    QFont font;
    font.setFamilies(families());
    font.setPointSize(points);
    return font;
}
