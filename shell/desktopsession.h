// How the game lives on a desktop: its name and icon there, one game per player folder, the
// transient parent of its secondary windows, and the end of the session.
#pragma once

#include <QObject>
#include <QString>

class QLockFile;
class QSocketNotifier;
class QWidget;

// Gives the application the game's icon and the name of its desktop entry, so that task bars,
// window switchers and Wayland compositors show the game as "tavni.desktop" describes it.
void setApplicationIdentity();

// The lock file that marks the working directory as the folder of a running game.
QString playerFolderLockPath();

// Takes the player folder (the working directory) for this game. False when another game runs
// in it: the player is told in a box, and nothing in the folder is touched. A lock left by a
// game that crashed or was killed does not count. Where the folder allows no lock file at all,
// the game runs without one.
bool claimPlayerFolder(QLockFile &lock);

// Attaches every parentless window the program shows (dialogs, message boxes, the preview) to
// the main window as its transient parent, so that the desktop keeps it above the main window
// and with it; the windows keep no Qt parent.
class TransientParenting : public QObject
{
public:
    explicit TransientParenting(QWidget *mainWindow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes the main window the parent of window, unless it already is; true when it changed.
    bool attach(QWidget *window);
    void attachEarlierWindows();

    QWidget *mainWindow;
};

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, `kill`, Ctrl+C in a terminal) into an
// ordinary request on the GUI thread, so that the game can end as by its Close command.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    SessionEnd();
    ~SessionEnd() override;

    // Whether a request has arrived since construction.
    bool wasRequested() const { return requested; }

signals:
    // Emitted on the GUI thread when one or more of those signals have arrived.
    void endRequested();

private:
    void readSignal();

    QSocketNotifier *notifier = nullptr;
    bool requested = false;
};
