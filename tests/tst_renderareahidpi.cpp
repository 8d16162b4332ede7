// On a screen of device pixel ratio 2 the board widget paints at full resolution: the menu from
// its double-size picture, the board drawn afresh at every device pixel.
#include "gamestage.h"

#include <QPainter>

// Set before the application exists.
static const bool doubled = qputenv("QT_SCALE_FACTOR", "2");

class RenderAreaHiDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void paintsAtDevicePixels()
    {
        GameStage stage;
        // Below the greeting the menu is the double-size picture, pixel for pixel.
        const QRect below(0, 260, 800, 540);
        QCOMPARE(shot(stage.area).copy(below), rgb(QImage(":/images/1@2x.png")).copy(below));

        stage.area.StartClassicGame();
        QImage board(520, 520, QImage::Format_RGB32);
        board.setDevicePixelRatio(2.0);
        board.fill(Qt::white);
        QPainter painter(&board);
        painter.setRenderHint(QPainter::Antialiasing);
        stage.area.board.drawAll(painter);
        painter.end();
        // Inside the black frame everything is the board's own drawing.
        QCOMPARE(shot(stage.area).copy(24, 24, 472, 472), board.copy(24, 24, 472, 472));
    }
};

QTEST_MAIN(RenderAreaHiDpiTest)
#include "tst_renderareahidpi.moc"
