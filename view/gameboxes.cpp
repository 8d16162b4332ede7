#include "gameboxes.h"

#include <QMessageBox>
#include <QPushButton>

void showCompletionBox(const QPixmap &picture, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tavni"), text, QMessageBox::Ok);
    box.setIconPixmap(picture);
    box.exec();
}

bool askQuestion(const QString &text, const QString &firstAnswer, const QString &secondAnswer)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tavni"), text);
    QPushButton *first = box.addButton(firstAnswer, QMessageBox::AcceptRole);
    QPushButton *second = box.addButton(secondAnswer, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first;
}
