// The preview window: the target picture of the level being played.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

// Paints one 20 x 20 square per playing cell in the colour the cell has when the level is
// solved, with the colour's pattern while patterns is set. The main window writes the picture
// and the switch directly.
class SPicture : public QWidget
{
    Q_OBJECT

public:
    explicit SPicture(QWidget *parent);

    // Row by row: entry r * cols + c is the colour of playing cell (r, c).
    std::vector<QColor> colours;
    int cols = 0;
    int rows = 0;
    // Set by the first Preview command; until then the window stays white.
    bool showPicture = false;
    // Each square with its colour's pattern: the player's Colour patterns option.
    bool patterns = false;

protected:
    void paintEvent(QPaintEvent *event) override;
};
