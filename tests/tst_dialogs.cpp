// The secondary windows on their own: options, profiles, preview and About.
#include "aboutw.h"
#include "boxanswerer.h"
#include "cellpalette.h"
#include "configdialog.h"
#include "diskaudio.h" // ScopedEnvironment
#include "playerfolder.h"
#include "selprofile.h"
#include "settings.h"
#include "spicture.h"

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
            dialog.open(); // as exec() shows it, which returns result() once it is hidden
            dialog.volumeSlider->setValue(40);
            leave(dialog, c.how);
            QCOMPARE(dialog.isHidden() ? dialog.result() : -1, c.result);
            dialog.open(); // the next opening shows what was set, however the last one ended
            QCOMPARE(dialog.volumeValue(), 40);
        }
    }

    void languageList()
    {
        // Translations put in "languages" as "fixture:file name", the compiled fixtures being
        // deutsch (naming itself "Deutsch"), francais ("Français") and unnamed (no name); the
        // name loaded at start; then "entry text:LanguageFile" as the dialog opens and after
        // choosing each entry in turn, each choice counting at once, accepted or not. A name
        // loaded that no entry bears exactly leaves nothing current at first.
        struct Case { QStringList files; QString loaded; QStringList seen; };
        const Case cases[] = {
            {{"deutsch:B.qm", "unnamed:c.qm", "francais:a.qm", "deutsch:x.txt"}, "Français",
             {"Français:a.qm", "Français:a.qm", "Deutsch:B.qm", ":c.qm"}},
            {{"francais:a.qm", "deutsch:B.qm"}, "", {":", "Français:a.qm", "Deutsch:B.qm"}},
            {{"francais:a.qm", "deutsch:B.qm"}, "deutsch", {":", "Français:a.qm", "Deutsch:B.qm"}},
            {{"deutsch:d1.qm", "deutsch:d2.qm", "francais:f.qm"}, "Français",
             {"Français:f.qm", "Deutsch:d1.qm", "Deutsch:d1.qm", "Français:f.qm"}}};
        for (const Case &c : cases) {
            PlayerFolder folder;
            QDir().mkdir(QStringLiteral("languages"));
            for (const QString &file : c.files)
                QFile::copy(QStringLiteral(TAVNI_TEST_QM_DIR "/%1.qm").arg(file.section(':', 0, 0)),
                            "languages/" + file.section(':', 1));
            LanguageName = c.loaded;
            const ConfigDialog dialog(1, 1, 1, 1, 128);
            auto *list = dialog.findChild<QComboBox *>();
            QStringList seen{list->currentText() + ':' + LanguageFile};
            for (int i = 0; i < list->count(); ++i) { list->setCurrentIndex(i); seen << list->itemText(i) + ':' + LanguageFile; }
            QCOMPARE(seen, c.seen);
        }
    }

    void profileChoices()
    {
        // How the dialog is left (buttons 0 Add, 1 Delete, 2 OK); the current row; the signals
        // sent; whether a selection is required; the profiles listed; the answer to the prompt.
        struct Case { int how, row; QString sent; bool required{}; int count = 3; QString name{}; };
        const Case cases[] = {{2, -1, "select 0"}, {2, 2, "select 2", true}, {1, 0, "", false, 1},
            {1, 1, "delete 1", false, 2}, {1, -1, ""}, {-1, 1, ""}, {-2, 1, ""},
            {-1, 1, "select 1", true}, {-2, 2, "select 2", true}, {-1, -1, "select 0", true},
            {0, 0, "add Robin", false, 3, "<Enter>"}, {0, 0, "add    ", false, 3, "   "},
            {0, 0, "", false, 3, "<Escape>"},
            {0, 0, "add abcdefghijklmnopqrst", false, 3, "abcdefghijklmnopqrstuvwxyz1234"}};
        ScopedEnvironment home("HOME", QDir::tempPath().toUtf8() + "/Robin"); // the name offered
        for (const Case &c : cases) {
            SelProfile dialog(nullptr);
            dialog.list->addItems(QStringList(c.count, QStringLiteral("Ann")));
            dialog.list->setCurrentRow(c.row);
            dialog.setSelectionRequired(c.required);
            dialog.show();
            QStringList sent;
            const auto log = [&sent](const char *what) { return [&sent, what](auto value) { sent << what + QVariant(value).toString(); }; };
            connect(&dialog, &SelProfile::EndProfileSelect, log("select "));
            connect(&dialog, &SelProfile::DeleteName, log("delete "));
            connect(&dialog, &SelProfile::AddProfileName, log("add "));
            BoxAnswerer prompt({c.name});
            leave(dialog, c.how);
            QCOMPARE(sent.join(", "), c.sent);
            QCOMPARE(dialog.isVisible(), c.how == 0 || c.how == 1); // open for the refill
            QCOMPARE(prompt.log, c.how ? QStringList() : QStringList("Creating new profile|Enter your name:|Robin | "));
        }
    }

    // The target picture, square by square, plain and with the colour patterns; white past it
    // and before the first Preview command.
    void previewPaintsTheTargetPicture()
    {
        SPicture preview(nullptr);
        preview.colours.assign(cellPalette, cellPalette + 10); // 0 to 8, then black
        preview.cols = 5;
        preview.rows = 2;
        preview.resize(120, 60); // as the Preview command sizes it: a square more each way
        QCOMPARE(preview.grab().toImage().pixelColor(30, 30), QColor(Qt::white));
        preview.showPicture = true;
        for (int patterns : {0, 1}) {
            preview.patterns = patterns;
            const QImage image = preview.grab().toImage();
            QCOMPARE(image.pixelColor(102, 42), QColor(Qt::white));
            for (int k = 0; k < 10; ++k) { // the share of each square's inside not in its colour
                int inked = 0;
                for (int i = 0; i < 18 * 18; ++i)
                    inked += image.pixelColor(20 * (k % 5) + 1 + i % 18, 20 * (k / 5) + 1 + i / 18) != cellPalette[k];
                QVERIFY2(patterns && k < 9 ? inked > 65 && inked < 195 : inked == 0, qPrintable(QString::number(k)));
            }
        }
    }

    // Any button pressed anywhere on it, its labels included, closes the About window.
    void aboutClosesOnAPress()
    {
        AboutW about(nullptr);
        about.show();
        QTest::mousePress(about.layout()->itemAt(3)->widget(), Qt::MiddleButton);
        QVERIFY(about.isHidden());
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
