// The game's message boxes: critical boxes raised by the non-widget libraries.
#pragma once

class QString;

// A modal critical box without parent, with a single OK button.
void showCriticalBox(const QString &title, const QString &text);

// Makes every alert of the puzzle core and the data files a critical box on screen.
void installMessageBoxes();
