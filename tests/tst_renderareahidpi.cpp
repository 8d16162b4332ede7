// On a screen of device pixel ratio 2 the board widget paints at full resolution: the menu from
// its double-size pictures, the board drawn afresh at every device pixel.
#include "gamestage.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class RenderAreaHiDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void menuUsesTheDoubleSizePicture();
    void boardIsDrawnAtDevicePixels();
};

void RenderAreaHiDpiTest::menuUsesTheDoubleSizePicture()
{
    GameStage stage;
    QCOMPARE(stage.area.devicePixelRatioF(), 2.0);
    const QImage screen = stage.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen.size(), QSize(800, 800));
    const QImage picture =
        QImage(QStringLiteral(":/images/1@2x.png")).convertToFormat(QImage::Format_RGB32);
    for (const QPoint &at : {QPoint(10, 790), QPoint(401, 401), QPoint(120, 500), QPoint(779, 640)})
        QCOMPARE(screen.pixel(at), picture.pixel(at));
}

void RenderAreaHiDpiTest::boardIsDrawnAtDevicePixels()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.StartClassicGame();
    const QImage screen = stage.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen.size(), QSize(516, 656));

    QImage expected(520, 520, QImage::Format_RGB32);
    expected.setDevicePixelRatio(2.0);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        stage.area.board.drawAll(painter);
    }
    // Inside the black frame everything belongs to the board; the background lies outside.
    for (int y = 24; y < 496; ++y) {
        for (int x = 24; x < 496; ++x) {
            if (screen.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) differs").arg(x).arg(y)));
        }
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    RenderAreaHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_renderareahidpi.moc"
