// Tavni: the entry function.
#include "classicboardwindow.h"
#include "globals.h"
#include "messageboxes.h"

#include <QApplication>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    installMessageBoxes();
    GameLevel = 1;
    ClassicBoardWindow window;
    window.show();
    return app.exec();
}
