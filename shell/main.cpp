// Tavni: the entry function.
#include "languages.h"
#include "messageboxes.h"
#include "window.h"

#include <QApplication>
#include <QTranslator>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    QTranslator translator;
    installMessageBoxes();
    installTranslation(app, translator);

    int result = 0;
    {
        Window window;
        window.show();
        result = app.exec();
    }
    return result;
}
