// What the board widget shows: the menu screen with its highlights and greeting, the
// information bar, the backgrounds, the partial redraw after a press, and the turn sound.
#include "boxanswerer.h"
#include "diskaudio.h"
#include "fmodlayer.h"
#include "gamestage.h"
#include "random.h"
#include "settings.h"
#include "soundfiles.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>

namespace {

int zero()
{
    return 0;
}

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A pixel of the word on a hover picture: one where it differs from the menu picture.
QPoint wordPixel(const QImage &hover, const QPoint &laidAt)
{
    const QImage menu = QImage(QStringLiteral(":/images/1.png")).convertToFormat(QImage::Format_RGB32);
    const QImage over = hover.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < over.height(); ++y) {
        for (int x = 0; x < over.width(); ++x) {
            if (over.pixel(x, y) != menu.pixel(laidAt.x() + x, laidAt.y() + y))
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

bool hasWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) > 230)
                return true;
        }
    }
    return false;
}

bool hasDark(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 80)
                return true;
        }
    }
    return false;
}

} // namespace

class RenderAreaPaintTest : public QObject
{
    Q_OBJECT

private slots:
    void hoverHighlightsButtonsToTheirEdges_data();
    void hoverHighlightsButtonsToTheirEdges();
    void greetingNamesThePlayer();
    void informationBarShowsTimeAndLevel();
    void completionHidesThePuzzleTextsOnly_data();
    void completionHidesThePuzzleTextsOnly();
    void levelsTakeTheBackgroundsInTurn();
    void pressRepaintsOnlyTheTurnedBlock();
    void turnSoundFollowsTheSoundSetting_data();
    void turnSoundFollowsTheSoundSetting();
};

void RenderAreaPaintTest::hoverHighlightsButtonsToTheirEdges_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<int>("highlighted");
    QTest::newRow("classic top-left") << QPoint(20, 20) << 1;
    QTest::newRow("classic bottom-right") << QPoint(159, 94) << 1;
    QTest::newRow("right of classic") << QPoint(160, 50) << 0;
    QTest::newRow("left of classic") << QPoint(19, 20) << 0;
    QTest::newRow("puzzle bottom-right") << QPoint(394, 344) << 2;
    QTest::newRow("right of puzzle") << QPoint(395, 344) << 0;
}

void RenderAreaPaintTest::hoverHighlightsButtonsToTheirEdges()
{
    QFETCH(QPoint, pointer);
    QFETCH(int, highlighted);
    GameStage stage;
    const QImage classic(QStringLiteral(":/images/cls.png"));
    const QImage puzzle(QStringLiteral(":/images/pzl.png"));
    const QPoint classicWord = wordPixel(classic, QPoint(20, 20));
    const QPoint puzzleWord = wordPixel(puzzle, QPoint(170, 300));
    QVERIFY(classicWord.x() >= 0 && puzzleWord.x() >= 0);

    QTest::mouseMove(&stage.area, pointer);
    const QImage screen = grabbed(stage.area);
    const QImage menu = QImage(QStringLiteral(":/images/1.png")).convertToFormat(QImage::Format_RGB32);
    const QPoint atClassic = classicWord + QPoint(20, 20);
    const QPoint atPuzzle = puzzleWord + QPoint(170, 300);
    QCOMPARE(screen.pixel(atClassic),
             highlighted == 1 ? classic.pixel(classicWord) : menu.pixel(atClassic));
    QCOMPARE(screen.pixel(atPuzzle),
             highlighted == 2 ? puzzle.pixel(puzzleWord) : menu.pixel(atPuzzle));
    QCOMPARE(stage.area.cursor().shape(),
             highlighted ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RenderAreaPaintTest::greetingNamesThePlayer()
{
    // The greeting starts at (200, 50); a long name reaches far to the right, an empty one
    // leaves just "Hello".
    const QRect farRight(300, 34, 90, 18);
    GameStage stage;
    stage.area.SetPlayer(QString(), 1, 1);
    const QImage unnamed = grabbed(stage.area);
    QVERIFY(hasDark(unnamed, QRect(200, 34, 40, 18)));
    QVERIFY(!hasDark(unnamed, farRight));

    stage.area.SetPlayer(QStringLiteral("Wilhelmina"), 1, 1);
    QVERIFY(hasDark(grabbed(stage.area), farRight));
}

void RenderAreaPaintTest::informationBarShowsTimeAndLevel()
{
    GameLevelScope level(1);
    GameStage stage;
    stage.area.StartClassicGame();
    QImage screen = grabbed(stage.area);
    const int barTop = screen.height() - 70;
    QVERIFY(hasWhite(screen, QRect(10, barTop, 100, 30)));
    QVERIFY(!hasWhite(screen, QRect(10, barTop + 34, 200, 34)));

    stage.area.StopGame();
    stage.area.SetPlayer(QStringLiteral("Ada"), 1, 1);
    stage.area.StartPuzzleGame();
    screen = grabbed(stage.area);
    QVERIFY(hasWhite(screen, QRect(10, screen.height() - 70, 100, 30)));
    QVERIFY(hasWhite(screen, QRect(10, screen.height() - 36, 200, 34)));
}

void RenderAreaPaintTest::completionHidesThePuzzleTextsOnly_data()
{
    QTest::addColumn<bool>("classic");
    QTest::newRow("classic keeps its time") << true;
    QTest::newRow("puzzle hides its texts") << false;
}

void RenderAreaPaintTest::completionHidesThePuzzleTextsOnly()
{
    QFETCH(bool, classic);
    GameLevelScope level(0);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 1, 1);
    BoxAnswerer answers({"OK", "<Escape>"});
    bool textsShown = !classic;
    answers.setInspector([&](QMessageBox *) {
        if (answers.seen().size() == 1) {
            const QImage screen = grabbed(stage.area);
            textsShown = hasWhite(screen, QRect(0, screen.height() - 70, screen.width(), 70));
        }
    });
    if (classic)
        stage.area.StartClassicGame();
    else
        stage.area.StartPuzzleGame();
    QTest::mousePress(&stage.area, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(textsShown, classic);
    stage.area.StopGame();
}

void RenderAreaPaintTest::levelsTakeTheBackgroundsInTurn()
{
    GameLevelScope level(1);
    GameStage stage;
    for (int round = 0; round < 10; ++round) {
        stage.area.StartClassicGame();
        const int tile = round % 8 + 1;
        const QImage expected = QImage(QStringLiteral(":/images/fon/f%1.png").arg(tile))
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage screen = grabbed(stage.area);
        QVERIFY2(screen.pixel(3, 3) == expected.pixel(3, 3)
                     && screen.pixel(6, 4) == expected.pixel(1, 4),
                 qPrintable(QStringLiteral("level %1 should show f%2").arg(round + 1).arg(tile)));
        stage.area.StopGame();
    }
}

void RenderAreaPaintTest::pressRepaintsOnlyTheTurnedBlock()
{
    GameLevelScope level(1);
    setRandomSource(&zero);
    GameStage stage;
    stage.area.SetPlayer(QStringLiteral("Ada"), 1, 1);
    stage.area.StartPuzzleGame();
    setRandomSource(nullptr);
    const QImage before = grabbed(stage.area);

    // Cell (2, 3) of the 5 x 3 board lies at (160, 100); its block spans (100, 40) to
    // (280, 220), and the outer pieces of the block reach 12 pixels beyond.
    QTest::mousePress(&stage.area, Qt::LeftButton, Qt::NoModifier, QPoint(170, 110));
    const QImage after = grabbed(stage.area);
    const QRect reach(100 - 13, 40 - 13, 180 + 26, 180 + 26);
    int changed = 0;
    for (int y = 0; y < after.height() - stage.area.hudHeight; ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(reach.contains(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    QVERIFY(changed > 100);
}

void RenderAreaPaintTest::turnSoundFollowsTheSoundSetting_data()
{
    QTest::addColumn<int>("sound");
    QTest::newRow("on") << 1;
    QTest::newRow("off") << 0;
}

void RenderAreaPaintTest::turnSoundFollowsTheSoundSetting()
{
    QFETCH(int, sound);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data/sound")));
    QFile wav(folder.filePath(QStringLiteral("data/sound/rotate.wav")));
    QVERIFY(wav.open(QIODevice::WriteOnly));
    wav.write(squareWaveWav(100));
    wav.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    DiskAudio output;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    const int savedSound = SoundOn;
    SoundOn = sound;
    {
        GameLevelScope level(1);
        GameStage stage;
        stage.area.StartClassicGame();
        QTest::mousePress(&stage.area, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
        QVERIFY(output.waitForFrames(framesIn(0.5)));
    }
    FSOUND_Close();
    SoundOn = savedSound;
    QDir::setCurrent(previous);

    QCOMPARE(!soundSpans(output.samples()).isEmpty(), sound == 1);
}

QTEST_MAIN(RenderAreaPaintTest)
#include "tst_renderareapaint.moc"
