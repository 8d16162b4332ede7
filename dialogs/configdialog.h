// The options dialog: game level, sound, music, grid, music volume, interface language and colour
// patterns.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QSlider;

// Built once from the current settings and run with exec() for every Options command. The
// dialog only holds the controls: the main window reads them back after an accepted exec()
// and applies them. The language choice is the exception, recorded at once in LanguageFile.
class ConfigDialog : public QDialog
{
    Q_OBJECT

public:
    // Arguments as the settings hold them: level 1..5, the three switches 0/1, volume 1..255.
    ConfigDialog(int level, int sound, int grid, int music, int volume, int patterns = 0);

    int levelValue() const;
    int volumeValue() const;
    // 1 when the box is ticked, else 0.
    int soundChecked() const;
    int musicChecked() const;
    int gridChecked() const;
    // The colour patterns box, ticked at construction as patterns is set.
    int patternsChecked() const;

public slots:
    // Sets LanguageFile to the file of the first entry that bears the current entry's text
    // (empty when none does). The index is not used: entries naming the same language
    // all record the first one's file.
    void setNewLang(int itemidx);

protected:
    // Left accepted, so closing from the title bar just hides the dialog and exec() returns
    // Rejected without reject() running.
    void closeEvent(QCloseEvent *) override {}

private:
    QGridLayout *buildControls(int level, int sound, int grid, int music, int volume, int patterns);
    void fillLanguages();
    // The first entry whose text is name, case included; -1 when there is none.
    int findLanguage(const QString &name) const;

    QCheckBox *soundBox;
    QCheckBox *musicBox;
    QCheckBox *gridBox;
    QCheckBox *patternsBox;
    QSlider *levelSlider;

public:
    // The main window's Up and Down keys move it while the dialog is closed.
    QSlider *volumeSlider;

private:
    QComboBox *langBox;
};
