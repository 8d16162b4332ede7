// The best-results, preview and About windows, and where the windows open.
#include "aboutw.h"
#include "desktop.h"
#include "selprofile.h"
#include "spicture.h"
#include "top10.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <functional>
#include <memory>

namespace {

using WindowMaker = std::function<QWidget *()>;

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 150 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

bool hasBlue(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isBlue(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

QList<QLabel *> aboutLines(const AboutW &about)
{
    QList<QLabel *> labels;
    for (int i = 0; i < about.layout()->count(); ++i)
        labels.append(qobject_cast<QLabel *>(about.layout()->itemAt(i)->widget()));
    return labels;
}

// Colours that differ in every cell of a picture of up to 3 x 3 cells.
QColor cellColour(int index)
{
    static const QList<QColor> colours{Qt::red,   Qt::green,   Qt::blue,   Qt::cyan,  Qt::magenta,
                                       Qt::yellow, Qt::darkRed, Qt::black, Qt::darkGreen};
    return colours.at(index);
}

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class DialogWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsOpenCentred_data();
    void windowsOpenCentred();
    void top10ShowsOnlyTheClassicPage();
    void top10CloseButtonHidesIt();
    void previewPaintsTheTargetPicture_data();
    void previewPaintsTheTargetPicture();
    void previewStaysWhiteWithoutPicture_data();
    void previewStaysWhiteWithoutPicture();
    void aboutShowsFourCentredLines();
    void aboutClosesOnAnyPress_data();
    void aboutClosesOnAnyPress();
};

void DialogWindowsTest::windowsOpenCentred_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::newRow("profiles") << WindowMaker([] { return new SelProfile(nullptr); });
    QTest::newRow("best results") << WindowMaker([] { return new Top10(nullptr); });
    QTest::newRow("About") << WindowMaker([] { return new AboutW(nullptr); });
}

void DialogWindowsTest::windowsOpenCentred()
{
    QFETCH(WindowMaker, make);
    const std::unique_ptr<QWidget> window(make());
    QVERIFY(window->isWindow());
    QCOMPARE(window->windowType(), Qt::Dialog);
    QVERIFY(window->isHidden());
    // Centred at the size the window settled on, not at the size it was built with.
    const QSize desktop = desktopGeometry().size();
    QCOMPARE(window->pos(), QPoint((desktop.width() - window->width()) / 2,
                                   (desktop.height() - window->height()) / 2));
    QCOMPARE(window->size(), window->sizeHint());
}

void DialogWindowsTest::top10ShowsOnlyTheClassicPage()
{
    Top10 top(nullptr);
    QVERIFY(top.windowTitle().isEmpty());
    QCOMPARE(top.tabs->count(), 1);
    QCOMPARE(top.tabs->tabText(0), QStringLiteral("&Classic Game top 10"));
    QCOMPARE(top.tabs->widget(0), top.classicTab);

    top.classicTab->list->addItems({"Name    Time", "1. Ann  42 sec."});
    top.puzzleTab->list->addItems({"Name    Score", "1. user  100 "});
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QVERIFY(top.classicTab->list->isVisible());
    QVERIFY(top.isAncestorOf(top.classicTab->list));
    // The puzzle page is filled like the classic one but appears nowhere.
    QVERIFY(!top.isAncestorOf(top.puzzleTab));
    QVERIFY(!top.puzzleTab->isVisible());
    QCOMPARE(top.puzzleTab->list->count(), 2);
}

void DialogWindowsTest::top10CloseButtonHidesIt()
{
    Top10 top(nullptr);
    top.show();
    QPushButton *close = top.findChild<QPushButton *>();
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(top.isHidden());
}

void DialogWindowsTest::previewPaintsTheTargetPicture_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::newRow("3 x 3") << 3 << 3;
    QTest::newRow("3 wide, 2 high") << 3 << 2;
    QTest::newRow("2 wide, 3 high") << 2 << 3;
}

void DialogWindowsTest::previewPaintsTheTargetPicture()
{
    QFETCH(int, cols);
    QFETCH(int, rows);

    SPicture preview(nullptr);
    preview.cols = cols;
    preview.rows = rows;
    for (int i = 0; i < cols * rows; ++i)
        preview.colours.push_back(cellColour(i));
    // As the Preview command sizes it: one square more each way than the picture.
    preview.resize(20 * cols + 20, 20 * rows + 20);
    const QImage before = preview.grab().toImage();
    QCOMPARE(before.pixelColor(10, 10), QColor(Qt::white));

    preview.showPicture = true;
    const QImage image = preview.grab().toImage();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QColor colour = cellColour(r * cols + c);
            // The square's inside, clear of the edges its neighbours' outlines touch.
            for (const QPoint &at : {QPoint(1, 1), QPoint(10, 10), QPoint(18, 18)})
                QCOMPARE(image.pixelColor(20 * c + at.x(), 20 * r + at.y()), colour);
        }
    }
    QCOMPARE(image.pixelColor(20 * cols + 10, 10), QColor(Qt::white));
    QCOMPARE(image.pixelColor(10, 20 * rows + 10), QColor(Qt::white));
}

void DialogWindowsTest::previewStaysWhiteWithoutPicture_data()
{
    QTest::addColumn<bool>("showPicture");
    QTest::addColumn<int>("rows");
    QTest::newRow("before the first Preview") << false << 3;
    QTest::newRow("no rows") << true << 0;
}

void DialogWindowsTest::previewStaysWhiteWithoutPicture()
{
    QFETCH(bool, showPicture);
    QFETCH(int, rows);

    SPicture preview(nullptr);
    preview.showPicture = showPicture;
    preview.cols = 3;
    preview.rows = rows;
    preview.colours.assign(size_t(3 * rows), QColor(Qt::red));
    preview.resize(60, 60);
    QImage white(preview.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(preview.grab().toImage().convertToFormat(QImage::Format_RGB32), white);
}

void DialogWindowsTest::aboutShowsFourCentredLines()
{
    AboutW about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    const QList<QLabel *> labels = aboutLines(about);
    QCOMPARE(labels.size(), 4);
    QStringList lines;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(labels[i]);
        QCOMPARE(about.layout()->itemAt(i)->alignment(), Qt::AlignHCenter);
        lines.append(QTextDocumentFragment::fromHtml(labels[i]->text()).toPlainText());
        // Only the two addresses are blue, and only they take the pointing hand.
        const bool address = i >= 2;
        QCOMPARE(labels[i]->cursor().shape(), address ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCOMPARE(hasBlue(labels[i]->grab().toImage()), address);
        QVERIFY(!labels[i]->openExternalLinks());
    }
    QCOMPARE(lines, (QStringList{"Tavni v.0.6", "Tavni developers", "Web: https://tavni.invalid",
                                 "Mail: tavni@tavni.invalid"}));
}

void DialogWindowsTest::aboutClosesOnAnyPress_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("line");   // the line pressed on, -1 for the window around them
    for (const auto &[name, button] : {std::pair{"left", Qt::LeftButton},
                                       std::pair{"right", Qt::RightButton},
                                       std::pair{"middle", Qt::MiddleButton}}) {
        for (int line = -1; line < 4; ++line)
            QTest::addRow("%s on line %d", name, line) << button << line;
    }
}

void DialogWindowsTest::aboutClosesOnAnyPress()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, line);

    AboutW about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QWidget *target = &about;
    QPoint at(1, 1);
    if (line >= 0) {
        target = aboutLines(about).at(line);
        at = target->rect().center();
    }
    QTest::mousePress(target, button, Qt::NoModifier, at);
    QVERIFY(about.isHidden());
}

QTEST_MAIN(DialogWindowsTest)
#include "tst_dialogs_windows.moc"
