// The profiles dialog: pick, create and delete player profiles.
#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// The longest name a profile keeps; longer names are cut.
constexpr int MaxProfileNameLength = 20;

// Asks for a new profile's name with the given title and label (each caller's own translation),
// offering the name of the home folder, and returns it cut to MaxProfileNameLength; empty when
// the player cancels or enters nothing. While parent is not on screen the prompt stands in the
// middle of the desktop instead of over it.
QString askProfileName(QWidget *parent, const QString &title, const QString &label);

// Shows the profile names and reports the player's choices through its signals; the main
// window owns the profiles, carries out each request and refills the list afterwards.
class SelProfile : public QWidget
{
    Q_OBJECT

public:
    explicit SelProfile(QWidget *parent);

    // Set by the main window while no valid profile is selected. Dismissing the dialog other
    // than with OK then selects a profile all the same, as OK would; otherwise it just hides.
    void setSelectionRequired(bool required);

    // One row per profile, row i naming profile i; refilled by the main window.
    QListWidget *list;

signals:
    // The profile chosen: the current row, or 0 when no row is current.
    void EndProfileSelect(int row);
    // A new profile asked for, the name cut to 20 characters.
    void AddProfileName(QString name);
    // The profile of the current row asked to be deleted; never the last one left.
    void DeleteName(int row);

protected slots:
    // The OK button: selects the current profile and hides the dialog. Hides QWidget::close().
    void close();
    void AddNameToList();
    void DeleteNameFromList();

protected:
    // The title bar's close button and Escape hide the dialog; while a selection is required
    // they end it as OK does, so that the game never goes on without a valid profile.
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void endSelection();

    QPushButton *addButton;
    QPushButton *deleteButton;
    QPushButton *okButton;
    bool selectionRequired = false;
};
