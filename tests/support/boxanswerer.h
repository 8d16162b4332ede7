// Answers the modal message boxes and text prompts that the code under test opens, so that no
// test waits for a person, and writes down each one it saw.
#pragma once

#include <QTest>
#include <QtWidgets>

// An answer is "<Enter>" (a prompt keeps its pre-filled text), "<Escape>", "<Close>" (the title
// bar's close), or else a box's button text or the text typed into a prompt; with no answer left
// a box or prompt is escaped. A box goes into the log as "text [buttons]", then " *" when it
// shows the game's star picture; a prompt as "title|label|pre-filled text"; then " | " and what
// look() says while it is open.
struct BoxAnswerer : QObject {
    explicit BoxAnswerer(const QStringList &answers = {}) : answers(answers) { startTimer(0); } // the boxes' nested event loops fire it
    QStringList answers, log;
    virtual QString look() { return {}; }

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *open = QApplication::activeModalWidget();
        auto *prompt = qobject_cast<QInputDialog *>(open);
        auto *box = qobject_cast<QMessageBox *>(open);
        if (!(prompt || box) || !open->isVisible())
            return;
        const QString answer = answers.isEmpty() ? QStringLiteral("<Escape>") : answers.takeFirst();
        if (prompt) {
            log += prompt->windowTitle() + '|' + prompt->labelText() + '|' + prompt->textValue() + " | " + look();
            if (!answer.startsWith('<'))
                prompt->setTextValue(answer);
        } else {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons()) buttons += button->text();
            const QImage star(QStringLiteral(":/images/star.png"));
            const bool starred = box->iconPixmap().toImage().convertToFormat(star.format()) == star;
            log += box->text() + " [" + buttons.join(", ") + (starred ? "] * | " : "] | ") + look();
            // An answer naming no button leaves the box open, to be escaped and logged again.
            if (const int chosen = buttons.indexOf(answer); chosen >= 0)
                return box->buttons().at(chosen)->click();
        }
        if (answer == "<Close>")
            open->close();
        else if (prompt || answer == "<Escape>" || answer == "<Enter>")
            QTest::keyClick(open, answer == "<Escape>" ? Qt::Key_Escape : Qt::Key_Return);
    }
};
