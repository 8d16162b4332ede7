// Answers the modal text input dialogs that the code under test opens, in order, and records them.
#pragma once

#include <QObject>
#include <QStringList>

#include <QRect>

// What a dialog showed: its title, its label, the text it opened with, and where it stood.
struct SeenInput { QString title, label, prefilled; QRect geometry, frame; };

// Each answer is the text to enter and confirm with OK, "<Ok>" to confirm the pre-filled text
// as it is, or "<Cancel>" to cancel the dialog. A dialog that finds no answer left is cancelled.
class InputAnswerer : public QObject
{
public:
    explicit InputAnswerer(const QStringList &answers = {});
    const QList<SeenInput> &seen() const { return inputs; }

private:
    QList<SeenInput> inputs;
};
