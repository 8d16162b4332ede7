// The main window as a player meets it: the first start, choosing a profile, the sizes it
// takes, the preview, the best results, and what it writes when it closes.
#include "alertrecorder.h"
#include "fmodlayer.h"
#include "inputanswerer.h"
#include "playerfolder.h"
#include "renderarea.h"
#include "selprofile.h"
#include "settings.h"
#include "spicture.h"
#include "top10.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

// Points HOME at a folder named name while it lives; the name prompt offers that name.
class HomeNamed
{
public:
    explicit HomeNamed(const QString &name) : previous(qgetenv("HOME"))
    {
        qputenv("HOME", (QDir::tempPath() + QLatin1Char('/') + name).toUtf8());
    }
    ~HomeNamed() { qputenv("HOME", previous); }

private:
    QByteArray previous;
};

template <typename T> T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget))
            return found;
    }
    return nullptr;
}

void trigger(Window &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text)
            return action->trigger();
    }
    QFAIL(qPrintable(QStringLiteral("no command ") + text));
}

int toolbarHeight(Window &window)
{
    return window.findChild<QToolBar *>()->height();
}

void clickButton(QWidget *parent, const QString &text)
{
    for (QPushButton *button : parent->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button->click();
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// The "profiles.dat" of one profile at level 1, stage 1, selected, written out by hand.
QByteArray oneProfile(const QByteArray &utf16Name)
{
    return QByteArray::fromHex("00000001" "00000000") + QByteArray::fromHex(
               QByteArray::number(utf16Name.size(), 16).rightJustified(8, '0'))
        + utf16Name + QByteArray::fromHex("00000001" "00000001" "00000000");
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void firstStartAsksForAName_data();
    void firstStartAsksForAName();
    void storedProfilesWithoutSelectionOpenTheProfilesDialog();
    void dismissingTheDialogWithoutAProfileChoosesOne();
    void windowTakesTheMenuAndLevelSizes();
    void commandsThatDependOnTheGame();
    void previewFollowsTheLevels();
    void bestResultsShowTenRows();
    void otherKeysDoNothing();
};

void WindowTest::cleanup()
{
    FSOUND_Close();
}

void WindowTest::firstStartAsksForAName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("storedName"); // UTF-16BE
    QTest::newRow("cancelled") << "<Cancel>" << QByteArray("\0U\0s\0e\0r", 8);
    QTest::newRow("left empty") << "" << QByteArray("\0U\0s\0e\0r", 8);
    QTest::newRow("home folder's name") << "<Ok>" << QByteArray("\0k\0i\0m", 6);
    QTest::newRow("25 characters") << "abcdefghijklmnopqrstuvwxy"
                                   << QByteArray("\0a\0b\0c\0d\0e\0f\0g\0h\0i\0j"
                                                 "\0k\0l\0m\0n\0o\0p\0q\0r\0s\0t", 40);
}

void WindowTest::firstStartAsksForAName()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, storedName);
    PlayerFolder folder;
    HomeNamed home(QStringLiteral("kim"));
    AlertRecorder alerts;
    InputAnswerer prompt({answer});
    {
        Window window;
        QVERIFY(!window.isVisible());
        QCOMPARE(prompt.seen().size(), 1);
        QCOMPARE(prompt.seen().first().title, QStringLiteral("Creating new profile"));
        QCOMPARE(prompt.seen().first().label, QStringLiteral("Enter your name:"));
        QCOMPARE(prompt.seen().first().prefilled, QStringLiteral("kim"));
        window.show();
        window.close();
    }
    QVERIFY(alerts.alerts().isEmpty());
    QCOMPARE(folder.read(QStringLiteral("profiles.dat")), oneProfile(storedName));
    QCOMPARE(folder.read(QStringLiteral("game.dat")), QByteArray("1\n1\n1\n1\n128\ntavni_en.qm\n"));
    QCOMPARE(folder.read(QStringLiteral("data.dat")).size(), 320);
}

void WindowTest::storedProfilesWithoutSelectionOpenTheProfilesDialog()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann", "Bob"}, -1));
    InputAnswerer prompt({"Cy"});
    Window window;
    window.show();
    auto *dialog = topLevel<SelProfile>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(rows(dialog->list), (QStringList{"Ann", "Bob"}));

    dialog->list->setCurrentRow(0);
    clickButton(dialog, QStringLiteral("&Delete "));
    QCOMPARE(rows(dialog->list), QStringList{"Bob"});
    dialog->list->setCurrentRow(0);
    clickButton(dialog, QStringLiteral("&Delete "));
    QCOMPARE(rows(dialog->list), QStringList{"Bob"});
    clickButton(dialog, QStringLiteral("&Add New"));
    QCOMPARE(rows(dialog->list), (QStringList{"Bob", "Cy"}));
    dialog->list->setCurrentRow(1);
    clickButton(dialog, QStringLiteral("&OK"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CurrentProfile, 1);

    window.close();
    QCOMPARE(folder.read(QStringLiteral("profiles.dat")), profilesFile({"Bob", "Cy"}, 1));
}

void WindowTest::dismissingTheDialogWithoutAProfileChoosesOne()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann", "Bob"}, -1));
    Window window;
    window.show();
    auto *dialog = topLevel<SelProfile>();
    QVERIFY(dialog->isVisible());
    dialog->list->setCurrentRow(-1);
    static_cast<QWidget *>(dialog)->close(); // as from the title bar
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CurrentProfile, 0);

    // Once a profile is selected, closing the dialog from its title bar keeps it.
    trigger(window, QStringLiteral("&Profiles"));
    QVERIFY(dialog->isVisible());
    dialog->list->setCurrentRow(1);
    static_cast<QWidget *>(dialog)->close(); // as from the title bar
    QCOMPARE(CurrentProfile, 0);

    // After the selected profile is deleted, a choice is needed again.
    trigger(window, QStringLiteral("&Profiles"));
    dialog->list->setCurrentRow(0);
    clickButton(dialog, QStringLiteral("&Delete "));
    dialog->list->setCurrentRow(-1);
    static_cast<QWidget *>(dialog)->close(); // as from the title bar
    QCOMPARE(CurrentProfile, 0);
    window.close();
    QCOMPARE(folder.read(QStringLiteral("profiles.dat")), profilesFile({"Bob"}, 0));
}

void WindowTest::windowTakesTheMenuAndLevelSizes()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann"}, 0));
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int toolbar = toolbarHeight(window);
    QVERIFY(toolbar >= 64);
    QCOMPARE(window.size(), QSize(402, 402 + toolbar));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto *area = window.findChild<RenderArea *>();
    QCOMPARE(area->size(), QSize(400, 400));
    // Minimising, but no maximising, is offered from the title bar.
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    area->StartClassicGame();
    QCOMPARE(window.size(), QSize(260, toolbar + 260 + 70));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(area->size(), QSize(258, 328));

    trigger(window, QStringLiteral("&Main menu"));
    QVERIFY(!area->board.active);
    QCOMPARE(window.size(), QSize(402, 402 + toolbar));
    window.close();
}

void WindowTest::commandsThatDependOnTheGame()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann"}, 0));
    Window window;
    window.show();
    auto *area = window.findChild<RenderArea *>();
    trigger(window, QStringLiteral("P&review"));
    QVERIFY(!topLevel<SPicture>()->isVisible());

    area->StartClassicGame();
    trigger(window, QStringLiteral("&Profiles"));
    QVERIFY(!topLevel<SelProfile>()->isVisible());
    window.close();
}

void WindowTest::previewFollowsTheLevels()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann"}, 0));
    Window window;
    window.show();
    auto *area = window.findChild<RenderArea *>();
    auto *preview = topLevel<SPicture>();
    area->StartClassicGame();
    trigger(window, QStringLiteral("P&review"));
    QVERIFY(preview->isVisible());
    QVERIFY(preview->showPicture);
    QCOMPARE(preview->geometry(), QRect(window.x() + window.width(), window.y(), 80, 80));

    // The next level moves the open preview beside the window and sizes it to the picture.
    area->StopGame();
    area->SetPlayer(QStringLiteral("Ann"), 1, 1);
    area->StartPuzzleGame();
    QCOMPARE(preview->cols, 5);
    QCOMPARE(preview->rows, 3);
    QCOMPARE(preview->geometry(), QRect(window.x() + window.width() + 10, window.y() + 20, 100, 60));
    QVERIFY(preview->isVisible());

    window.close();
    QVERIFY(!preview->isVisible());
}

void WindowTest::bestResultsShowTenRows()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann"}, 0));
    Window window;
    window.show();
    auto *top10 = topLevel<Top10>();
    trigger(window, QStringLiteral("&Top 10"));
    QVERIFY(top10->isVisible());
    QCOMPARE(top10->windowModality(), Qt::ApplicationModal);
    QStringList expected{"Name    Time"};
    for (int place = 1; place <= 10; ++place)
        expected.append(QStringLiteral("%1. user  %2 sec.").arg(place).arg(10000 * place));
    QCOMPARE(rows(top10->classicTab->list), expected);
    QCOMPARE(rows(top10->puzzleTab->list).value(1), QStringLiteral("1. user  10 "));

    top10->close();
    emit window.findChild<RenderArea *>()->ClassicGameComplete(42);
    trigger(window, QStringLiteral("&Top 10"));
    trigger(window, QStringLiteral("&Top 10"));
    expected.insert(1, QStringLiteral("1. Ann  42 sec."));
    expected.removeLast();
    for (int place = 2; place <= 10; ++place)
        expected[place] = QStringLiteral("%1. user  %2 sec.").arg(place).arg(10000 * (place - 1));
    QCOMPARE(rows(top10->classicTab->list), expected);

    window.close();
    QVERIFY(!top10->isVisible());
}

void WindowTest::otherKeysDoNothing()
{
    PlayerFolder folder;
    folder.write(QStringLiteral("profiles.dat"), profilesFile({"Ann"}, 0));
    Window window;
    window.show();
    const int song = CurrentSong;
    const int volume = MasterVolume;
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A, Qt::Key_Escape})
        QTest::keyClick(&window, key);
    QVERIFY(window.isVisible());
    QCOMPARE(CurrentSong, song);
    QCOMPARE(MasterVolume, volume);
    QCOMPARE(window.findChild<RenderArea *>()->board.mode, 0);
    window.close();
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
