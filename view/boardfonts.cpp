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
    QString own = QStringLiteral("JP");
    if (language.startsWith(QLatin1String("ko")))
        own = QStringLiteral("KR");
    else if (language.startsWith(QLatin1String("zh")))
        own = QStringLiteral("SC");
    QStringList cjk;
    for (const QString &region : {own, QStringLiteral("JP"), QStringLiteral("KR"), QStringLiteral("SC")})
        if (!cjk.contains(QStringLiteral("Tavni Serif CJK ") + region))
            cjk << QStringLiteral("Tavni Serif CJK ") + region;
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
