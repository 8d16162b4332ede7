#include "boxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

BoxAnswerer::BoxAnswerer(const QStringList &answers)
    : answers(answers), timer(new QTimer(this))
{
    // The boxes run nested event loops, so the answers come from a timer that looks for the
    // open box whenever events are processed.
    connect(timer, &QTimer::timeout, this, &BoxAnswerer::answerOpenBox);
    timer->start(0);
}

void BoxAnswerer::addAnswers(const QStringList &more)
{
    answers += more;
}

void BoxAnswerer::setInspector(std::function<void(QMessageBox *)> inspect)
{
    inspector = std::move(inspect);
}

QStringList BoxAnswerer::texts() const
{
    QStringList all;
    for (const SeenBox &box : boxes)
        all.append(box.text);
    return all;
}

void BoxAnswerer::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;

    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton *button : box->buttons())
        seen.buttons.append(button->text());
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->text();
    if (box->escapeButton())
        seen.escapeButton = box->escapeButton()->text();
    seen.hasPicture = !box->iconPixmap().isNull();
    boxes.append(seen);
    if (inspector)
        inspector(box);

    // A box nobody expected is recorded and dismissed, so that the test fails instead of
    // waiting for a person.
    const QString answer = answers.isEmpty() ? QStringLiteral("<Escape>") : answers.takeFirst();
    if (answer == QLatin1String("<Enter>"))
        QTest::keyClick(box, Qt::Key_Return);
    else if (answer == QLatin1String("<Escape>"))
        QTest::keyClick(box, Qt::Key_Escape);
    else if (answer == QLatin1String("<Close>"))
        box->close();
    else {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer) {
                button->click();
                return;
            }
        }
        qFatal("no button %s in the box \"%s\"", qPrintable(answer), qPrintable(seen.text));
    }
}
