#include "languages.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void installToolkitTranslation(QCoreApplication &app, const QString &language);

} // namespace

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
    installToolkitTranslation(app, translator.language());
}

namespace {

// The buttons and texts that Qt's own dialogs bring (the name prompt's OK and Cancel, a box's
// OK) come from Qt's translation of the same language, where the system has one.
void installToolkitTranslation(QCoreApplication &app, const QString &language)
{
    if (language.isEmpty())
        return;
    auto *toolkit = new QTranslator(&app);
    if (toolkit->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(toolkit);
    else
        delete toolkit;
}

} // namespace
