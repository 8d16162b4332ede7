// Answers the modal message boxes that the code under test opens, in order, and records them.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <functional>

class QMessageBox;
class QTimer;

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;       // in the order they were added
    QString defaultButton;     // text of the default button
    QString escapeButton;      // text of the button that Escape or closing chooses
    bool hasPicture = false;   // an icon picture was set
};

// Each answer is the text of the button to click, or one of the keys "<Enter>" and
// "<Escape>", or "<Close>" to close the box from its title bar. A box that finds no answer
// left is recorded and escaped.
class BoxAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit BoxAnswerer(const QStringList &answers = {});

    void addAnswers(const QStringList &answers);
    // Runs inside each box before it is answered, e.g. to look at the windows behind it.
    void setInspector(std::function<void(QMessageBox *)> inspector);

    const QList<SeenBox> &seen() const { return boxes; }
    QStringList texts() const;
    // Answers still waiting for a box.
    int pending() const { return int(answers.size()); }

private:
    void answerOpenBox();

    QStringList answers;
    QList<SeenBox> boxes;
    std::function<void(QMessageBox *)> inspector;
    QTimer *timer;
};
