#include "inputanswerer.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

InputAnswerer::InputAnswerer(const QStringList &answers)
{
    // The dialogs run nested event loops, so the answers come from a timer that looks for the
    // open dialog whenever events are processed.
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, pending = answers]() mutable {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        inputs.append({dialog->windowTitle(), dialog->labelText(), dialog->textValue(), dialog->geometry(),
                   dialog->frameGeometry()});
        const QString answer = pending.isEmpty() ? QStringLiteral("<Cancel>") : pending.takeFirst();
        if (answer != QLatin1String("<Ok>") && answer != QLatin1String("<Cancel>"))
            dialog->setTextValue(answer);   // as if typed over the pre-filled text
        dialog->done(answer == QLatin1String("<Cancel>") ? QDialog::Rejected : QDialog::Accepted);
    });
    timer->start(0);
}
