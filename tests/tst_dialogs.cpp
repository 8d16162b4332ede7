// The secondary windows: options, profiles, best results, preview and About.
#include "aboutw.h"
#include "cellpalette.h"
#include "configdialog.h"
#include "inputanswerer.h"
#include "selprofile.h"
#include "settings.h"
#include "spicture.h"
#include "top10.h"
#include <QtTest>
#include <QtWidgets>

// Leaves the window as a player would: how >= 0 clicks its button of that index, -1 is the
// title bar's close button and -2 the Escape key.
static void leave(QWidget &window, int how)
{
    if (how >= 0)
        return QTest::mouseClick(window.findChildren<QPushButton *>().at(how), Qt::LeftButton);
    how == -1 ? void(window.close()) : QTest::keyClick(&window, Qt::Key_Escape);
}

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void optionsShowTheSettingsAndKeepWhatWasSet()
    {
        // Level, sound, grid, music and volume given, then as the controls show them; how the
        // player leaves the dialog (0 its Close button) and what exec() returns for it.
        struct Case { QList<int> given, shown; int how, result; };
        const Case cases[] = {{{3, 1, 0, 1, 200}, {3, 1, 0, 1, 200}, 0, QDialog::Accepted},
                              {{9, 0, 1, 0, 300}, {5, 0, 1, 0, 255}, -1, QDialog::Rejected},
                              {{0, 7, -1, 0, -4}, {1, 1, 1, 0, 1}, -2, QDialog::Rejected}};
        for (const Case &c : cases) {
            ConfigDialog dialog(c.given[0], c.given[1], c.given[2], c.given[3], c.given[4]);
            QCOMPARE((QList<int>{dialog.levelValue(), dialog.soundChecked(), dialog.gridChecked(),
                                 dialog.musicChecked(), dialog.volumeValue()}), c.shown);
            dialog.open();   // as exec() shows it, which returns result() once it is hidden
            dialog.volumeSlider->setValue(40);
            leave(dialog, c.how);
            QCOMPARE(dialog.isHidden() ? dialog.result() : -1, c.result);
            dialog.open();   // the next opening shows what was set, however the last one ended
            QCOMPARE(dialog.volumeValue(), 40);
        }
    }

    void optionsOfferColourPatternsInARowOfTheirOwn()
    {
        for (int patterns : {0, 1}) {
            ColourPatterns = patterns;
            ConfigDialog dialog(1, 1, 1, 1, 128);
            ColourPatterns = 0;
            auto *box = dialog.findChildren<QCheckBox *>().value(3);
            QVERIFY(box && box->text() == "Colour patterns" && box->isChecked() == (patterns == 1));
            box->toggle();
            QCOMPARE(dialog.patternsChecked(), 1 - patterns);
            // Every other control keeps its cell (row, column) of the grid.
            auto *grid = dialog.findChild<QGridLayout *>();
            QStringList cells;
            for (int i = 0; i < grid->count(); ++i) {
                int row, column, rows, columns;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                QWidget *control = grid->itemAt(i)->widget();
                const QVariant text = control->property("text");
                cells << (text.isValid() ? text.toString() : control->metaObject()->className())
                             + QString(" %1,%2").arg(row).arg(column);
            }
            cells.sort();
            QCOMPARE(cells, QStringList({"Colour patterns 7,0", "Draw Grid 4,0", "Easy 0,1",
                "Game level 1,0", "Hard 2,2", "Language 5,0", "Music 3,1", "QComboBox 6,0",
                "QSlider 1,1", "QSlider 5,1", "Sound 3,0", "max 6,2", "min 4,1"}));
        }
    }

    void languageList()
    {
        // Translations put in "languages" as "fixture:file name", the compiled fixtures being
        // deutsch (naming itself "Deutsch"), francais ("Français") and unnamed (no name); the
        // name loaded at start; then "entry text:LanguageFile" as the dialog opens and after
        // choosing each entry in turn, each choice counting at once, accepted or not.
        struct Case { QStringList files; QString loaded; QStringList seen; };
        const QStringList two{"francais:a.qm", "deutsch:B.qm"};
        const QStringList none{":", "Français:a.qm", "Deutsch:B.qm"};   // nothing current at first
        const Case cases[] = {
            {{"deutsch:B.qm", "unnamed:c.qm", "francais:a.qm", "deutsch:x.txt"}, "Français",
             {"Français:a.qm", "Français:a.qm", "Deutsch:B.qm", ":c.qm"}},
            {two, "", none}, {two, "deutsch", none},
            {{"deutsch:d1.qm", "deutsch:d2.qm", "francais:f.qm"}, "Français",
             {"Français:f.qm", "Deutsch:d1.qm", "Deutsch:d1.qm", "Français:f.qm"}}};
        for (const Case &c : cases) {
            QTemporaryDir folder;
            QDir::setCurrent(folder.path());
            QDir().mkdir(QStringLiteral("languages"));
            for (const QString &file : c.files)
                QFile::copy(QStringLiteral(TAVNI_TEST_QM_DIR "/%1.qm").arg(file.section(':', 0, 0)),
                            "languages/" + file.section(':', 1));
            LanguageName = c.loaded;
            const ConfigDialog dialog(1, 1, 1, 1, 128);
            auto *list = dialog.findChild<QComboBox *>();
            QStringList seen{list->currentText() + ':' + LanguageFile};
            for (int i = 0; i < list->count(); ++i) {
                list->setCurrentIndex(i);
                seen << list->itemText(i) + ':' + LanguageFile;
            }
            QCOMPARE(seen, c.seen);
        }
    }

    void profileChoices()
    {
        // How the dialog is left (buttons 0 Add, 1 Delete, 2 OK); the current row; the signals
        // sent; whether a selection is required; the profiles listed; the name typed when asked.
        struct Case { int how, row; QString sent; bool required{}; int count = 3; QString name{}; };
        const Case cases[] = {{2, -1, "select 0"}, {2, 2, "select 2", true}, {1, 0, "", false, 1},
            {1, 1, "delete 1", false, 2}, {1, -1, ""}, {-1, 1, ""}, {-2, 1, ""},
            {-1, 1, "select 1", true}, {-2, 2, "select 2", true}, {-1, -1, "select 0", true},
            {0, 0, "add Robin", false, 3, "<Ok>"}, {0, 0, "add    ", false, 3, "   "},
            {0, 0, "", false, 3, ""}, {0, 0, "", false, 3, "<Cancel>"},
            {0, 0, "add abcdefghijklmnopqrst", false, 3, "abcdefghijklmnopqrstuvwxyz1234"}};
        qputenv("HOME", QDir::tempPath().toUtf8() + "/Robin");   // the name the prompt offers
        for (const Case &c : cases) {
            SelProfile dialog(nullptr);
            dialog.list->addItems(QStringList(c.count, QStringLiteral("Ann")));
            dialog.list->setCurrentRow(c.row);
            dialog.setSelectionRequired(c.required);
            dialog.show();
            QStringList sent;
            const auto log = [&](const char *what) {
                return [&sent, what](auto value) { sent << what + QVariant(value).toString(); };
            };
            connect(&dialog, &SelProfile::EndProfileSelect, log("select "));
            connect(&dialog, &SelProfile::DeleteName, log("delete "));
            connect(&dialog, &SelProfile::AddProfileName, log("add "));
            const InputAnswerer answerer({c.name});
            leave(dialog, c.how);
            QCOMPARE(sent.join(", "), c.sent);
            QCOMPARE(dialog.isVisible(), c.how == 0 || c.how == 1);   // open for the refill
            // The prompt offers "Robin", as "add Robin" shows.
            for (const SeenInput &seen : answerer.seen())
                QCOMPARE(seen.title + '|' + seen.label, "Creating new profile|Enter your name:");
        }
    }

    void bestResultsShowOnlyTheClassicPage()
    {
        const Top10 top(nullptr);
        QCOMPARE(top.tabs->count(), 1);
        QCOMPARE(top.tabs->tabText(0), QStringLiteral("&Classic Game top 10"));
        QVERIFY(!top.isAncestorOf(top.puzzleTab));   // filled by the main window, shown nowhere
    }

    void previewPaintsTheTargetPicture()
    {
        SPicture preview(nullptr);
        preview.colours = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::black};
        preview.cols = 3;
        preview.rows = 2;
        preview.resize(80, 60);   // as the Preview command sizes it: a square more each way
        QCOMPARE(preview.grab().toImage().pixelColor(30, 30), QColor(Qt::white));
        preview.showPicture = true;
        const QImage image = preview.grab().toImage();
        // Each square's inside, clear of the outlines its neighbours draw; then past its end.
        for (int i = 0; i < 6; ++i) {
            for (const QPoint &at : {QPoint(1, 1), QPoint(18, 18)})
                QCOMPARE(image.pixelColor(QPoint(i % 3, i / 3) * 20 + at), preview.colours[i]);
        }
        QCOMPARE(image.pixelColor(62, 42), QColor(Qt::white));
    }

    void previewShowsThePatterns()
    {
        SPicture preview(nullptr);
        preview.colours.assign(cellPalette, cellPalette + 10);   // 0 to 8, then black
        preview.cols = 10;
        preview.rows = 1;
        preview.resize(200, 20);
        preview.showPicture = true;
        ColourPatterns = 1;
        const QImage image = preview.grab().toImage();
        ColourPatterns = 0;
        for (int k = 0; k < 10; ++k) {
            int inked = 0;
            for (int y = 1; y < 19; ++y) {
                for (int x = 1; x < 19; ++x)
                    inked += image.pixelColor(20 * k + x, y) != cellPalette[k] ? 1 : 0;
            }
            QVERIFY2(k < 9 ? inked > 0.2 * 18 * 18 && inked < 0.6 * 18 * 18 : inked == 0,
                     qPrintable(QString::number(k)));
        }
    }

    void aboutShowsFourLinesAndClosesOnAnyPress()
    {
        AboutW about(nullptr);
        QCOMPARE(about.layout()->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QWidget *line = about.layout()->itemAt(i)->widget();
            QCOMPARE(about.layout()->itemAt(i)->alignment(), Qt::AlignHCenter);
            const QColor mean = line->grab().toImage().scaled(
                1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
            // The web and mail lines, and only they, are blue under a pointing hand.
            QCOMPARE(line->cursor().shape() == Qt::PointingHandCursor, i >= 2);
            QCOMPARE(mean.blue() > mean.red() + 20, i >= 2);
            about.show();   // a press on any line, with the left, right, middle, left button
            QTest::mousePress(line, Qt::MouseButton(1 << i % 3));
            QVERIFY(about.isHidden());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
