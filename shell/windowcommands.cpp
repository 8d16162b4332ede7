// The main window's commands and its answers to the board widget and the profiles dialog.
#include "window.h"

#include "aboutw.h"
#include "configdialog.h"
#include "desktop.h"
#include "fmodlayer.h"
#include "gamedata.h"
#include "renderarea.h"
#include "selprofile.h"
#include "spicture.h"
#include "top10.h"

#include <QListWidget>
#include <QTimer>

void Window::mainMenu()
{
    renderArea->StopGame();
    SetMainMenuSize();
    centerOnDesktop(this);
}

void Window::optionsA()
{
    if (configDialog->exec() != QDialog::Accepted)
        return;
    store->gameLevel = configDialog->levelValue();
    SoundOn = configDialog->soundChecked();
    MusicOn = configDialog->musicChecked();
    MasterVolume = configDialog->volumeValue();
    SetMusicVolume(MasterVolume);
    // The poll runs whenever Music is on; it also brings back a song the options stopped.
    if (MusicOn) {
        if (!song)
            PlayAdjacent(+1);
        StartMusicPoll();
    } else if (song) {
        FMUSIC_StopSong(song);
    }
    DrawGrid = configDialog->gridChecked();
    store->colourPatterns = configDialog->patternsChecked();
    ApplyColourPatterns();
    store->SaveSettings();
    renderArea->RedrawBoard(true, 0, 0, 0, 0);
    renderArea->repaint();
}

// Without a valid selected profile the dialog may not be dismissed without choosing one.
bool Window::NeedsProfileChoice() const
{
    return CurrentProfile < 0 || CurrentProfile >= store->profileCount;
}

void Window::SelectProfile()
{
    if (renderArea->board.active)
        return;
    selProfile->setSelectionRequired(NeedsProfileChoice());
    selProfile->setWindowModality(Qt::ApplicationModal);
    selProfile->show();
}

void Window::SetProfile(int idx)
{
    if (!store->SelectProfile(idx))
        return;
    const Profile &profile = store->profiles[idx];
    renderArea->SetPlayer(profile.name, profile.level, profile.sublevel);
    selProfile->setSelectionRequired(false);
}

// The new profile is selected in the store, so the dialog must end with a choice, the new
// row offered first: the board then plays for the profile the store has selected.
void Window::AddProfileName_slot(QString pname)
{
    store->AddProfile(pname);
    RefreshProfileList();
    selProfile->list->setCurrentRow(CurrentProfile);
    selProfile->setSelectionRequired(true);
}

// Deleting the selected profile, or one before it, leaves the player's choice to be made again.
void Window::DeleteProfileName_slot(int idx)
{
    const bool selectionMoved = idx >= 0 && idx < store->profileCount && idx <= CurrentProfile;
    store->DeleteProfile(idx);
    RefreshProfileList();
    selProfile->setSelectionRequired(selectionMoved || NeedsProfileChoice());
}

void Window::RefreshProfileList()
{
    selProfile->list->clear();
    for (const Profile &profile : store->profiles)
        selProfile->list->addItem(profile.name);
}

void Window::LevelCompleted(int level, int sublevel)
{
    store->RecordProgress(level, sublevel);
}

void Window::ClassicGameCompleted(int ptime)
{
    store->AddClassicResult(ptime);
}

void Window::setWinSize(int w, int h)
{
    setFixedSize(w, ToolbarHeight() + h + renderArea->hudHeight);
    renderArea->BoardColours(preview->colours, preview->cols, preview->rows);
    centerOnDesktop(this);
    preview->setGeometry(frameRight() + 10, geometry().y() + 20, 20 * preview->cols, 20 * preview->rows);
    preview->update();
}

// The preview stands beside the main window's frame, level with its client area; without a
// window manager frame and client are one, and this is x() + width().
int Window::frameRight() const
{
    return frameGeometry().x() + frameGeometry().width();
}

void Window::ShowPreview()
{
    if (!renderArea->board.active)
        return;
    renderArea->BoardColours(preview->colours, preview->cols, preview->rows);
    preview->setGeometry(frameRight(), geometry().y(), 20 * preview->cols + 20, 20 * preview->rows + 20);
    preview->showPicture = true;
    preview->show();
}

void Window::ShowTop10()
{
    top10->setWindowModality(Qt::ApplicationModal);
    FillBestResults();
    // Chinese, Japanese and Korean lines are taller: the list grows until every place shows.
    QListWidget *classic = top10->classicTab->list;
    int height = 2 * classic->frameWidth();
    for (int row = 0; row < classic->count(); ++row)
        height += classic->sizeHintForRow(row);
    classic->setMinimumHeight(height);
    top10->show();
}

void Window::ShowAbout()
{
    about->setWindowFlags(Qt::Dialog);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

// The rows are built here, so their texts belong to the main window's translations.
void Window::FillBestResults()
{
    FillBestList(top10->classicTab->list, tr("Time"), store->classicTop, &BestResult::time, tr("sec."));
    FillBestList(top10->puzzleTab->list, tr("Score"), store->puzzleTop, &BestResult::score, QString());
}

// A title row, then "place. name  value unit" for each of the ten places that is held.
void Window::FillBestList(QListWidget *list, const QString &valueTitle, const QList<BestResult> &results,
                          int BestResult::*value, const QString &unit)
{
    list->clear();
    list->addItem(tr("Name") + QStringLiteral("    ") + valueTitle);
    for (int i = 0; i < BestResultPlaces && i < results.size(); ++i) {
        const BestResult &entry = results[i];
        list->addItem((QStringLiteral("%1. ") + entry.name + QStringLiteral("  %2 ") + unit)
                          .arg(i + 1)
                          .arg(entry.*value));
    }
}
