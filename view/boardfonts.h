// The faces of the board widget's texts. The game carries them, so that the greeting and the
// information bar look alike, and fit alike, on every machine.
#pragma once

#include <QFont>

class QString;

// Registers the game's faces, once, and puts first among the Chinese, Japanese and Korean ones
// the face of language (a translation's language code such as "ja_JP"; empty for none), whose
// forms of the shared characters its readers expect. Called before the first window is built.
void installBoardFonts(const QString &language);

// The game's serif at the given point size, standing for "Times": Latin, Greek and Cyrillic
// from Tavni Serif, Chinese, Japanese and Korean from the Tavni Serif CJK faces, and whatever
// else from the machine's fonts. Installs the faces first if nobody has.
QFont boardFont(int points);
