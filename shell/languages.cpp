#include "languages.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

void installTranslation(QCoreApplication &app, QTranslator &translator)
{
    const QString path = QDir::currentPath() + QStringLiteral("/languages/") + ReadLanguageFile();
    if (!QFile::exists(path))
        return;
    // A file that does not load leaves the translator empty: English, and no language name.
    if (!translator.load(path))
        return;
    // Every translation names its own language as its translation of "English".
    LanguageName = translator.translate("Window", QT_TRANSLATE_NOOP("Window", "English"));
    app.installTranslator(&translator);
}
