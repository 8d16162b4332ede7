// The main window: the board widget under a toolbar of seven commands, the player's data, the
// music, and the secondary windows.
#pragma once

#include <QList>
#include <QMainWindow>

class AboutW;
class QAction;
struct BestResult;
class ConfigDialog;
class GameData;
class QListWidget;
class QTimer;
class QToolBar;
class RenderArea;
class SelProfile;
class SPicture;
class Top10;
struct FMUSIC_MODULE;

class Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

protected:
    // The arrow keys control the music; every other key is ignored.
    void keyPressEvent(QKeyEvent *event) override;
    // The window's size is only ever set through its fixed sizes.
    void resizeEvent(QResizeEvent *event) override;
    // Closes the preview and best-results windows and writes the player's three files.
    void closeEvent(QCloseEvent *event) override;

public slots:
    void optionsA();
    void SelectProfile();

private slots:
    void mainMenu();
    void setWinSize(int w, int h);
    void SetProfile(int idx);
    void AddProfileName_slot(QString pname);
    void DeleteProfileName_slot(int idx);
    void LevelCompleted(int level, int sublevel);
    void ClassicGameCompleted(int ptime);
    void SetMainMenuSize();
    void ShowPreview();
    void ShowTop10();
    void ShowAbout();
    void PlayListTime();

private:
    void LoadPlayerData();
    void BuildBoard();
    void CreateSecondaryWindows();
    // Hands the stored Colour patterns option to the board and the preview.
    void ApplyColourPatterns();
    void InitSound();
    // Moves through the playlist by direction (+1 next, -1 previous), wrapping at either end,
    // and plays the song reached. Without songs only CurrentSong moves.
    void PlayAdjacent(int direction);
    void PlaySong();
    void SetMusicVolume(int volume);
    void StartMusicPoll();
    void ChangeVolume(int step);
    void CreateActions();
    void addCommand(QAction *action);
    void ChooseProfile();
    void FixMenuSize();
    int ToolbarHeight();
    int frameRight() const;
    void RefreshProfileList();
    void FillBestResults();
    void FillBestList(QListWidget *list, const QString &valueTitle, const QList<BestResult> &results,
                      int BestResult::*value, const QString &unit);
    bool NeedsProfileChoice() const;

    RenderArea *renderArea;
    GameData *store;
    ConfigDialog *configDialog;
    SelProfile *selProfile;
    Top10 *top10;
    AboutW *about;
    SPicture *preview;
    QToolBar *toolBar;
    QTimer *musicTimer = nullptr;
    FMUSIC_MODULE *song = nullptr;
};
