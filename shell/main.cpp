// Tavni: the entry function.
#include "boardfonts.h"
#include "desktopsession.h"
#include "languages.h"
#include "messageboxes.h"
#include "window.h"

#include <QApplication>
#include <QLockFile>
#include <QTranslator>
#include <cstdlib>
#include <ctime>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

namespace {

// Before the main window exists, an end of the session closes whatever is asked of the player
// (the first-run prompt, a sound error), so that the window is built, closed and saved at once.
void closeShownWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
}

} // namespace

int main(int argc, char **argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    setApplicationIdentity();
    QTranslator translator;
    installMessageBoxes();
    installTranslation(app, translator);
    installBoardFonts(translator.language());

    QLockFile lock(playerFolderLockPath());
    if (!claimPlayerFolder(lock))
        return 0;

    // A logout, a shutdown or a kill ends the game as its Close command does: the window
    // closes and the player's files are saved.
    SessionEnd sessionEnd;
    auto early = QObject::connect(&sessionEnd, &SessionEnd::endRequested, &app, &closeShownWindows);
    int result = 0;
    {
        Window window;
        QObject::disconnect(early);
        QObject::connect(&sessionEnd, &SessionEnd::endRequested, &window, &QWidget::close);
#ifndef QT_NO_SESSIONMANAGER
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                         [&window](QSessionManager &) { window.close(); });
#endif
        if (sessionEnd.wasRequested()) {
            window.close();
        } else {
            window.show();
            result = app.exec();
        }
    }
    return result;
}
