// Answers the modal text input dialogs that the code under test opens, in order, and records them.
#pragma once

#include <QObject>
#include <QStringList>

class QTimer;

struct SeenInput {
    QString title;
    QString label;
    QString prefilled;   // the text the dialog opened with
};

// Each answer is the text to enter and confirm with OK, "<Ok>" to confirm the pre-filled text
// as it is, or "<Cancel>" to cancel the dialog.
// A dialog that finds no answer left is recorded and cancelled.
class InputAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit InputAnswerer(const QStringList &answers = {});

    const QList<SeenInput> &seen() const { return inputs; }

private:
    void answerOpenDialog();

    QStringList answers;
    QList<SeenInput> inputs;
    QTimer *timer;
};
