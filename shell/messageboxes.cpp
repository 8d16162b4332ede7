#include "messageboxes.h"

#include "alert.h"

#include <QMessageBox>

void showCriticalBox(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

void installMessageBoxes()
{
    setAlertPresenter(&showCriticalBox);
}
