// The best-results window and its two list pages.
#pragma once

#include <QWidget>

class QListWidget;
class QTabWidget;

// The page of the classic game's ten best times.
class Classic10Tab : public QWidget
{
    Q_OBJECT

public:
    explicit Classic10Tab(QWidget *parent);

    // Filled by the main window each time the best results are shown.
    QListWidget *list;
};

// The page of the puzzle game's ten best scores.
class Puzzle10Tab : public QWidget
{
    Q_OBJECT

public:
    explicit Puzzle10Tab(QWidget *parent);

    // Filled by the main window each time the best results are shown.
    QListWidget *list;
};

// Shows the classic best results on its one tab. The window keeps no data: the main window
// refills the lists every time it opens it.
class Top10 : public QWidget
{
    Q_OBJECT

public:
    explicit Top10(QWidget *parent);
    ~Top10() override;

    Classic10Tab *classicTab;
    // Built and filled like the classic page but not placed in the window: the puzzle list
    // never changes, so there is nothing worth showing.
    Puzzle10Tab *puzzleTab;
    QTabWidget *tabs;
};
