// Choosing the interface language at start-up, before any window exists.
#pragma once

class QCoreApplication;
class QTranslator;

// Loads the translation named in "game.dat" from the working directory's "languages" folder
// into translator and installs it; LanguageName becomes the name the translation gives its
// own language. Without the file the game stays in English and LanguageName stays empty.
// Qt's own texts (the buttons of its dialogs) follow in the same language where the system
// has Qt's translation of it.
void installTranslation(QCoreApplication &app, QTranslator &translator);
