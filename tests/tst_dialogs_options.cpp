// The options dialog: its controls, how its runs end, and the language list.
#include "configdialog.h"
#include "settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

// A fresh, empty working folder for one test; the old one comes back afterwards.
class WorkingFolder
{
public:
    WorkingFolder() : previous(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous); }

private:
    QTemporaryDir folder;
    QString previous;
};

// Puts compiled test translations into "languages"; each entry is "fixture:file name", the
// fixtures being deutsch (names "Deutsch"), francais ("Français") and unnamed (no name).
void addLanguages(const QStringList &files)
{
    QDir().mkdir(QStringLiteral("languages"));
    for (const QString &entry : files) {
        const QString fixture = entry.section(QLatin1Char(':'), 0, 0);
        const QString name = entry.section(QLatin1Char(':'), 1);
        QVERIFY(QFile::copy(QStringLiteral(TAVNI_TEST_QM_DIR "/%1.qm").arg(fixture),
                            QStringLiteral("languages/") + name));
    }
}

// Runs the dialog modally while act plays the player's part inside it.
int runDialog(QDialog &dialog, const std::function<void()> &act)
{
    QTimer::singleShot(0, &dialog, [&] {
        act();
        // An act that failed to end the run must not leave the test waiting.
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

template<typename Widget>
Widget *child(const QWidget &dialog, const QString &text)
{
    for (Widget *widget : dialog.findChildren<Widget *>()) {
        if (widget->text() == text)
            return widget;
    }
    return nullptr;
}

QComboBox *languageList(const ConfigDialog &dialog)
{
    return dialog.findChild<QComboBox *>();
}

} // namespace

class ConfigDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsShowTheSettings_data();
    void controlsShowTheSettings();
    void slidersKeepToTheirRanges_data();
    void slidersKeepToTheirRanges();
    void runEndsAsTheDialogWasLeft_data();
    void runEndsAsTheDialogWasLeft();
    void languagesListedByFileName();
    void languageLoadedAtStartIsPreselected_data();
    void languageLoadedAtStartIsPreselected();
    void sameLanguageTwiceRecordsTheFirstFile();
    void languageChoiceIsRecordedWithoutAccepting();

private:
    std::unique_ptr<WorkingFolder> folder;
    QString savedFile;
    QString savedName;
};

void ConfigDialogTest::init()
{
    folder = std::make_unique<WorkingFolder>();
    savedFile = LanguageFile;
    savedName = LanguageName;
}

void ConfigDialogTest::cleanup()
{
    LanguageFile = savedFile;
    LanguageName = savedName;
    folder.reset();
}

void ConfigDialogTest::controlsShowTheSettings_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("music");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QList<int>>("switches");   // sound, music, grid as read back
    QTest::newRow("all on") << 3 << 1 << 1 << 1 << 200 << QList<int>{1, 1, 1};
    QTest::newRow("all off") << 1 << 0 << 0 << 0 << 1 << QList<int>{0, 0, 0};
    QTest::newRow("sound only") << 5 << 1 << 0 << 0 << 255 << QList<int>{1, 0, 0};
    QTest::newRow("grid only") << 2 << 0 << 1 << 0 << 128 << QList<int>{0, 0, 1};
    QTest::newRow("music only") << 4 << 0 << 0 << 1 << 15 << QList<int>{0, 1, 0};
    QTest::newRow("any non-zero is on") << 1 << 2 << -1 << 7 << 2 << QList<int>{1, 1, 1};
}

void ConfigDialogTest::controlsShowTheSettings()
{
    QFETCH(int, level);
    QFETCH(int, sound);
    QFETCH(int, grid);
    QFETCH(int, music);
    QFETCH(int, volume);
    QFETCH(QList<int>, switches);

    const ConfigDialog dialog(level, sound, grid, music, volume);
    QCOMPARE(dialog.levelValue(), level);
    QCOMPARE(dialog.volumeValue(), volume);
    QCOMPARE(dialog.volumeSlider->value(), volume);
    QCOMPARE((QList<int>{dialog.soundChecked(), dialog.musicChecked(), dialog.gridChecked()}),
             switches);
    QCOMPARE(child<QCheckBox>(dialog, QStringLiteral("Sound"))->isChecked(), switches[0] == 1);
    QCOMPARE(child<QCheckBox>(dialog, QStringLiteral("Music"))->isChecked(), switches[1] == 1);
    QCOMPARE(child<QCheckBox>(dialog, QStringLiteral("Draw Grid"))->isChecked(), switches[2] == 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Config Dialog"));
}

void ConfigDialogTest::slidersKeepToTheirRanges_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("shownLevel");
    QTest::addColumn<int>("shownVolume");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("above the top") << 9 << 300 << 5 << 255 << Qt::Key_Right;
    QTest::newRow("at the top") << 5 << 255 << 5 << 255 << Qt::Key_PageUp;
    QTest::newRow("below the bottom") << 0 << -4 << 1 << 1 << Qt::Key_Left;
    QTest::newRow("at the bottom") << 1 << 1 << 1 << 1 << Qt::Key_PageDown;
}

void ConfigDialogTest::slidersKeepToTheirRanges()
{
    QFETCH(int, level);
    QFETCH(int, volume);
    QFETCH(int, shownLevel);
    QFETCH(int, shownVolume);
    QFETCH(Qt::Key, key);

    ConfigDialog dialog(level, 1, 1, 1, volume);
    QCOMPARE(dialog.levelValue(), shownLevel);
    QCOMPARE(dialog.volumeValue(), shownVolume);

    // The player cannot push either slider past its end.
    QList<QSlider *> sliders = dialog.findChildren<QSlider *>();
    QCOMPARE(sliders.size(), 2);
    for (QSlider *slider : sliders)
        QTest::keyClick(slider, key);
    QCOMPARE(dialog.levelValue(), shownLevel);
    QCOMPARE(dialog.volumeValue(), shownVolume);
}

void ConfigDialogTest::runEndsAsTheDialogWasLeft_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<int>("result");
    QTest::newRow("Close button") << "button" << int(QDialog::Accepted);
    QTest::newRow("title bar") << "title bar" << int(QDialog::Rejected);
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
}

void ConfigDialogTest::runEndsAsTheDialogWasLeft()
{
    QFETCH(QString, ending);
    QFETCH(int, result);

    ConfigDialog dialog(2, 1, 0, 1, 100);
    QPushButton *closeButton = child<QPushButton>(dialog, QStringLiteral("Close"));
    QCheckBox *soundBox = child<QCheckBox>(dialog, QStringLiteral("Sound"));
    // An accepted run first: the next run must report its own ending, not this one.
    QCOMPARE(runDialog(dialog, [&] { closeButton->click(); }), int(QDialog::Accepted));

    const int ended = runDialog(dialog, [&] {
        dialog.volumeSlider->setValue(40);
        QTest::mouseClick(soundBox, Qt::LeftButton);
        if (ending == QLatin1String("button"))
            QTest::mouseClick(closeButton, Qt::LeftButton);
        else if (ending == QLatin1String("title bar"))
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(ended, result);
    QVERIFY(dialog.isHidden());

    // However the run ended, the next one opens with the controls as they were left.
    int reopenedVolume = 0;
    int reopenedSound = -1;
    runDialog(dialog, [&] {
        reopenedVolume = dialog.volumeValue();
        reopenedSound = dialog.soundChecked();
        dialog.close();
    });
    QCOMPARE(reopenedVolume, 40);
    QCOMPARE(reopenedSound, 0);
}

void ConfigDialogTest::languagesListedByFileName()
{
    // Case is ignored in the order: a case-sensitive order would put "B_de" first.
    addLanguages({"deutsch:B_de.qm", "unnamed:c_none.qm", "francais:a_fr.qm", "deutsch:notes.txt"});
    QDir().mkdir(QStringLiteral("languages/folder.qm"));
    LanguageName = QStringLiteral("Français");

    const ConfigDialog dialog(1, 1, 1, 1, 128);
    const QComboBox *list = languageList(dialog);
    QStringList names;
    QStringList files;
    for (int i = 0; i < list->count(); ++i) {
        names.append(list->itemText(i));
        files.append(list->itemData(i).toString());
        QVERIFY(list->itemIcon(i).isNull());
    }
    // The unnamed translation names "English" only in another context than the window's.
    QCOMPARE(names, (QStringList{"Français", "Deutsch", ""}));
    QCOMPARE(files, (QStringList{"a_fr.qm", "B_de.qm", "c_none.qm"}));
}

void ConfigDialogTest::languageLoadedAtStartIsPreselected_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("recorded");
    const QStringList two{"francais:a_fr.qm", "deutsch:B_de.qm"};
    QTest::newRow("the first entry") << two << "Français" << 0 << "a_fr.qm";
    QTest::newRow("a later entry") << two << "Deutsch" << 1 << "B_de.qm";
    QTest::newRow("name in other case") << two << "deutsch" << -1 << "";
    QTest::newRow("none loaded") << two << "" << -1 << "";
    QTest::newRow("unknown name, unnamed file")
        << QStringList{"francais:a_fr.qm", "deutsch:B_de.qm", "unnamed:c_none.qm"} << "Svenska"
        << -1 << "c_none.qm";
    QTest::newRow("no translations") << QStringList{} << "Deutsch" << -1 << "kept.qm";
}

void ConfigDialogTest::languageLoadedAtStartIsPreselected()
{
    QFETCH(QStringList, files);
    QFETCH(QString, loaded);
    QFETCH(int, current);
    QFETCH(QString, recorded);

    addLanguages(files);
    LanguageName = loaded;
    LanguageFile = QStringLiteral("kept.qm");
    const ConfigDialog dialog(1, 1, 1, 1, 128);
    QCOMPARE(languageList(dialog)->currentIndex(), current);
    QCOMPARE(LanguageFile, recorded);
}

void ConfigDialogTest::sameLanguageTwiceRecordsTheFirstFile()
{
    addLanguages({"deutsch:de_1.qm", "deutsch:de_2.qm", "francais:fr.qm"});
    LanguageName = QStringLiteral("Français");
    const ConfigDialog dialog(1, 1, 1, 1, 128);
    QComboBox *list = languageList(dialog);
    QCOMPARE(LanguageFile, QStringLiteral("fr.qm"));

    list->setCurrentIndex(1);
    QCOMPARE(LanguageFile, QStringLiteral("de_1.qm"));
    list->setCurrentIndex(2);
    QCOMPARE(LanguageFile, QStringLiteral("fr.qm"));
    list->setCurrentIndex(0);
    QCOMPARE(LanguageFile, QStringLiteral("de_1.qm"));
}

void ConfigDialogTest::languageChoiceIsRecordedWithoutAccepting()
{
    addLanguages({"francais:a_fr.qm", "deutsch:B_de.qm"});
    LanguageName = QStringLiteral("Français");
    ConfigDialog dialog(1, 1, 1, 1, 128);
    QComboBox *list = languageList(dialog);

    const int ended = runDialog(dialog, [&] {
        list->setCurrentIndex(1);
        dialog.close();
    });
    QCOMPARE(ended, int(QDialog::Rejected));
    QCOMPARE(LanguageFile, QStringLiteral("B_de.qm"));
}

QTEST_MAIN(ConfigDialogTest)
#include "tst_dialogs_options.moc"
