// The About window: the game's name and version, its authors and where to find them.
#pragma once

#include <QWidget>

// Four centred lines of text; a mouse press anywhere in the window closes it.
class AboutW : public QWidget
{
    Q_OBJECT

public:
    explicit AboutW(QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *) override;
};
