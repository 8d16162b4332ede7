// Draws every picture compiled into Tavni (menu, hover highlights, board tiles, icons, dialog backgrounds).
// Usage: tavni_pictures <output folder>   (run with QT_QPA_PLATFORM=offscreen when headless)
//
// The menu, its hover pictures, the star and the players' sign also get a double-resolution
// sibling "name@2x.png" for high-density screens.
#include "common.h"

#include <QGuiApplication>
#include <cstdio>

using namespace pictures;

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavni_pictures <output folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = writeMenu(dir);
    ok = ok && writeTiles(dir);

    ok = ok && save(star(1), dir, QStringLiteral("star.png"));
    ok = ok && save(star(2), dir, QStringLiteral("star@2x.png"));
    ok = ok && save(house(), dir, QStringLiteral("gotomenu.png"));
    ok = ok && save(gear(), dir, QStringLiteral("configure.png"));
    ok = ok && save(framedPicture(), dir, QStringLiteral("preview.png"));
    ok = ok && save(trophy(), dir, QStringLiteral("top10.png"));
    ok = ok && save(info(), dir, QStringLiteral("info.png"));
    ok = ok && save(power(), dir, QStringLiteral("exit.png"));
    ok = ok && save(users(1), dir, QStringLiteral("users.png"));
    ok = ok && save(users(2), dir, QStringLiteral("users@2x.png"));
    ok = ok && save(plus(), dir, QStringLiteral("bt/add.png"));
    ok = ok && save(cross(), dir, QStringLiteral("bt/delete.png"));
    ok = ok && save(check(), dir, QStringLiteral("bt/ok.png"));

    ok = ok && writePapers(dir);
    return ok ? 0 : 1;
}
