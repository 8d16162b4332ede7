#include "inputanswerer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

InputAnswerer::InputAnswerer(const QStringList &answers)
    : answers(answers), timer(new QTimer(this))
{
    // The dialogs run nested event loops, so the answers come from a timer that looks for the
    // open dialog whenever events are processed.
    connect(timer, &QTimer::timeout, this, &InputAnswerer::answerOpenDialog);
    timer->start(0);
}

void InputAnswerer::answerOpenDialog()
{
    auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;

    const QLabel *label = dialog->findChild<QLabel *>();
    inputs.append({dialog->windowTitle(), label ? label->text() : QString(), dialog->textValue()});

    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    const QString answer = answers.isEmpty() ? QStringLiteral("<Cancel>") : answers.takeFirst();
    if (answer == QLatin1String("<Cancel>")) {
        buttons->button(QDialogButtonBox::Cancel)->click();
        return;
    }
    if (answer != QLatin1String("<Ok>")) {
        // Typed into the field as a player would, replacing the pre-filled text.
        auto *field = dialog->findChild<QLineEdit *>();
        field->clear();
        QTest::keyClicks(field, answer);
    }
    buttons->button(QDialogButtonBox::Ok)->click();
}
