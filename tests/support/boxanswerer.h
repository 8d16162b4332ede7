// Answers the modal message boxes that the code under test opens, so that no test waits for a
// person, and writes down each box it saw.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

// An answer is a button's text, "<Enter>", "<Escape>" or "<Close>" (the title bar's close); a
// box that finds no answer left is escaped. Each box goes into the log as "text [buttons]",
// then " *" when it shows the game's star picture, then " | " and what look() says while the
// box is open.
struct BoxAnswerer : QObject {
    BoxAnswerer() { startTimer(0); } // the boxes' nested event loops fire it

    QStringList answers;
    QStringList log;
    virtual QString look() { return {}; }

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const QString answer = answers.isEmpty() ? QStringLiteral("<Escape>") : answers.takeFirst();
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons += button->text();
        const QImage star(QStringLiteral(":/images/star.png"));
        const bool starred = box->iconPixmap().toImage().convertToFormat(star.format()) == star;
        log += box->text() + " [" + buttons.join(", ") + (starred ? "] * | " : "] | ") + look();
        if (answer == "<Close>")
            box->close();
        else if (answer == "<Enter>" || answer == "<Escape>")
            QTest::keyClick(box, answer == "<Enter>" ? Qt::Key_Return : Qt::Key_Escape);
        // An answer naming no button leaves the box open, to be escaped and logged again.
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    }
};
