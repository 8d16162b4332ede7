// The main window: construction, sizing, the keys and closing.
#include "window.h"

#include "aboutw.h"
#include "configdialog.h"
#include "desktop.h"
#include "desktopsession.h"
#include "fmodlayer.h"
#include "gamedata.h"
#include "renderarea.h"
#include "selprofile.h"
#include "spicture.h"
#include "top10.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QTimer>
#include <QToolBar>

namespace {

// The toolbar shows its icons at 64 pixels. The player picture is drawn at 32 for the menu
// screen, so the toolbar also takes its double-size version rather than stretching it.
QIcon toolbarIcon(const QString &path)
{
    QIcon icon(path);
    QPixmap doubled(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
    if (!doubled.isNull()) {
        doubled.setDevicePixelRatio(1.0);
        icon.addPixmap(doubled);
    }
    return icon;
}

} // namespace

Window::Window(QWidget *parent)
    : QMainWindow(parent)
{
    setMouseTracking(true);
    new TransientParenting(this);
    LoadPlayerData();
    InitSound();
    if (MusicOn) {
        PlayAdjacent(+1);
        StartMusicPoll();
    }
    BuildBoard();
    CreateActions();
    setWindowTitle(tr("Tavni"));
    CreateSecondaryWindows();
    ApplyColourPatterns();
    // Minimise but no maximise, and the window keeps its close button: with the minimise hint
    // alone, window managers that honour the hints drop the close button from the title bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    ChooseProfile();
    FixMenuSize();
    centerOnDesktop(this);
    RefreshProfileList();
}

void Window::LoadPlayerData()
{
    store = new GameData(QStringLiteral("game.dat"));
    store->LoadSettings();
    store->LoadProfiles();
    store->LoadBestResults();
    store->ScanMusic();
}

// The toolbar over the board widget, which sits in a one-pixel box.
void Window::BuildBoard()
{
    toolBar = new QToolBar(this);
    toolBar->setWindowTitle(tr("Main toolbar"));
    toolBar->setIconSize(QSize(64, 64));
    toolBar->setMovable(false);
    // The toolbar holds every command: its context menu must not hide it for good.
    toolBar->toggleViewAction()->setEnabled(false);
    addToolBar(toolBar);

    auto *frame = new QFrame(this);
    frame->setLineWidth(1);
    frame->setFrameShape(QFrame::Box);

    renderArea = new RenderArea(this);
    connect(renderArea, &RenderArea::LevelLoaded, this, &Window::setWinSize);
    connect(renderArea, &RenderArea::LevelComplete, this, &Window::LevelCompleted);
    connect(renderArea, &RenderArea::MainMenuWin, this, &Window::SetMainMenuSize);
    connect(renderArea, &RenderArea::ClassicGameComplete, this, &Window::ClassicGameCompleted);

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(renderArea, 0);
    frame->setLayout(layout);
    setCentralWidget(frame);
}

// The secondary windows have no Qt parent; the main window owns and deletes them.
void Window::CreateSecondaryWindows()
{
    configDialog = new ConfigDialog(store->gameLevel, SoundOn, DrawGrid, MusicOn, MasterVolume,
                                    store->colourPatterns);
    selProfile = new SelProfile(nullptr);
    connect(selProfile, &SelProfile::EndProfileSelect, this, &Window::SetProfile);
    connect(selProfile, &SelProfile::AddProfileName, this, &Window::AddProfileName_slot);
    connect(selProfile, &SelProfile::DeleteName, this, &Window::DeleteProfileName_slot);
    preview = new SPicture(nullptr);
    top10 = new Top10(nullptr);
    about = new AboutW(nullptr);
}

void Window::ApplyColourPatterns()
{
    renderArea->board.colourPatterns = store->colourPatterns != 0;
    preview->patterns = store->colourPatterns != 0;
}

Window::~Window()
{
    // The module playing last is released with the window, as every earlier one was on the
    // change of song.
    if (song)
        FMUSIC_FreeSong(song);
    delete about;
    delete top10;
    delete preview;
    delete selProfile;
    delete configDialog;
    delete store;
}

void Window::CreateActions()
{
    const struct {
        const char *icon;
        QString text;
        QKeySequence shortcut;
        void (Window::*slot)();
    } commands[] = {
        {":/images/gotomenu.png", tr("&Main menu"), QKeySequence(Qt::CTRL | Qt::Key_M), &Window::mainMenu},
        {":/images/configure.png", tr("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O), &Window::optionsA},
        {":/images/users.png", tr("&Profiles"), QKeySequence(Qt::CTRL | Qt::Key_U), &Window::SelectProfile},
        {":/images/preview.png", tr("P&review"), QKeySequence(Qt::CTRL | Qt::Key_P), &Window::ShowPreview},
        {":/images/top10.png", tr("&Top 10"), QKeySequence(Qt::CTRL | Qt::Key_T), &Window::ShowTop10},
        {":/images/info.png", tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_A), &Window::ShowAbout},
    };
    for (const auto &command : commands) {
        auto *action = new QAction(toolbarIcon(QString::fromLatin1(command.icon)), command.text, this);
        action->setShortcut(command.shortcut);
        connect(action, &QAction::triggered, this, command.slot);
        addCommand(action);
    }
    auto *closeAction = new QAction(toolbarIcon(QStringLiteral(":/images/exit.png")), tr("&Close"), this);
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addCommand(closeAction);
}

// On the toolbar, and on the window itself so that the shortcut works whether or not the
// toolbar is shown.
void Window::addCommand(QAction *action)
{
    toolBar->addAction(action);
    addAction(action);
}

// On the very first start the player is asked for a name; with profiles but none selected
// the profiles dialog opens; otherwise the profile selected at the last close is resumed.
void Window::ChooseProfile()
{
    if (store->profileCount == 0) {
        // The window is not shown yet, so the prompt is centred on the desktop rather than
        // over it (a window manager would otherwise put it in a corner).
        const QString name = askProfileName(this, tr("Creating new profile"), tr("Enter your name:"));
        store->AddProfile(name.isEmpty() ? QStringLiteral("User") : name);
        SetProfile(CurrentProfile);
    } else if (CurrentProfile < 0) {
        SelectProfile();
    } else {
        SetProfile(CurrentProfile);
    }
}

// The toolbar's height once the window's layout has placed it, also before the first show.
int Window::ToolbarHeight()
{
    layout()->activate();
    return toolBar->height();
}

void Window::FixMenuSize()
{
    setFixedSize(402, 402 + ToolbarHeight());
}

void Window::SetMainMenuSize()
{
    FixMenuSize();
    centerOnDesktop(this);
}

void Window::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        PlayAdjacent(-1);
        break;
    case Qt::Key_Right:
        PlayAdjacent(+1);
        break;
    case Qt::Key_Up:
        ChangeVolume(15);
        break;
    case Qt::Key_Down:
        ChangeVolume(-15);
        break;
    default:
        break;
    }
}

void Window::resizeEvent(QResizeEvent *)
{
}

// No window outlives the main window: whatever else is open (a dialog, a box, the profiles
// dialog, which then settles the player's choice) closes first, and the program ends, also
// from inside a dialog's own event loop.
void Window::closeEvent(QCloseEvent *event)
{
    if (preview->isVisible())
        preview->close();
    if (top10->isVisible())
        top10->close();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    store->SaveSettings();
    store->SaveProfiles();
    store->SaveBestResults();
    event->accept();
    QCoreApplication::quit();
}
