// The game's own message boxes: modal, without parent, titled "Tavni".
#pragma once

class QPixmap;
class QString;

// An information box with the given picture and the single OK button.
void showCompletionBox(const QPixmap &picture, const QString &text);

// A question box with two buttons: the first is the default (Enter), the second answers
// Escape and closing the box. True when the first was chosen.
bool askQuestion(const QString &text, const QString &firstAnswer, const QString &secondAnswer);
