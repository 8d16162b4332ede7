#include "desktopsession.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLockFile>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QWidget>
#include <QWindow>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const lockFileName = "tavni.lock";

// The pipe from the signal handler to the GUI thread; a handler may only write to it.
int signalPipe[2] = {-1, -1};

void forwardSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void setApplicationIdentity()
{
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1x%1/apps/tavni.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavni"));
}

bool claimPlayerFolder(QLockFile &lock)
{
    // Only a lock whose game no longer runs is stale, however old it is.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return true;
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("Window", "Tavni"),
                    QCoreApplication::translate("Window", "Tavni is already running."),
                    QMessageBox::Ok);
    box.exec();
    return false;
}

QString playerFolderLockPath()
{
    return QDir::current().absoluteFilePath(QString::fromLatin1(lockFileName));
}

TransientParenting::TransientParenting(QWidget *mainWindow)
    : QObject(mainWindow), mainWindow(mainWindow)
{
    qApp->installEventFilter(this);
}

// A window is shown after its platform window is made and before it is mapped, so the
// parent is known to the desktop from the start. A window shown before the main window (the
// profiles dialog at start-up) is attached once the main window is on screen, and shown anew:
// X11 and Wayland take a transient parent only when a window is mapped.
bool TransientParenting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget == mainWindow)
        QMetaObject::invokeMethod(this, &TransientParenting::attachEarlierWindows, Qt::QueuedConnection);
    else if (widget->isWindow())
        attach(widget);
    return false;
}

void TransientParenting::attachEarlierWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && attach(window)) {
            window->hide();
            window->show();
        }
    }
}

bool TransientParenting::attach(QWidget *window)
{
    QWindow *parent = mainWindow->windowHandle();
    QWindow *own = window->windowHandle();
    if (window == mainWindow || window->parentWidget() || !parent || !own
        || own->transientParent() == parent)
        return false;
    own->setTransientParent(parent);
    return true;
}

SessionEnd::SessionEnd()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
    struct sigaction action = {};
    action.sa_handler = &forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (!notifier)
        return;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        std::signal(signal, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void SessionEnd::readSignal()
{
    char bytes[16];
    bool arrived = false;
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
        arrived = true;
    if (!arrived)
        return;
    requested = true;
    emit endRequested();
}
