#include "selprofile.h"

#include "desktop.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

QString askProfileName(QWidget *parent, const QString &title, const QString &label)
{
    QInputDialog prompt(parent);
    prompt.setWindowTitle(title);
    prompt.setLabelText(label);
    prompt.setTextEchoMode(QLineEdit::Normal);
    prompt.setTextValue(QDir(QDir::homePath()).dirName());
    if (!parent->isVisible()) {
        prompt.ensurePolished(); // its style's margins count in the size being centred
        prompt.adjustSize();
        centerOnDesktop(&prompt);
    }
    if (prompt.exec() != QDialog::Accepted)
        return {};
    return prompt.textValue().left(MaxProfileNameLength);
}

SelProfile::SelProfile(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QGridLayout;
    list = new QListWidget;
    addButton = new QPushButton(QIcon(QStringLiteral(":/images/bt/add.png")), tr("&Add New"));
    deleteButton = new QPushButton(QIcon(QStringLiteral(":/images/bt/delete.png")), tr("&Delete "));
    okButton = new QPushButton(QIcon(QStringLiteral(":/images/bt/ok.png")), tr("&OK"));

    layout->addWidget(list, 0, 0, 1, 2);
    layout->addWidget(addButton, 1, 0, 1, 2);
    layout->addWidget(deleteButton, 2, 0, 1, 1);
    layout->addWidget(okButton, 2, 1, 1, 1);
    layout->setSpacing(5);
    layout->setContentsMargins(2, 2, 2, 2);
    setLayout(layout);

    connect(okButton, &QPushButton::clicked, this, &SelProfile::close);
    connect(addButton, &QPushButton::clicked, this, &SelProfile::AddNameToList);
    connect(deleteButton, &QPushButton::clicked, this, &SelProfile::DeleteNameFromList);

    adjustSize();
    list->setCurrentRow(0);
    setWindowFlags(Qt::Dialog);
    centerOnDesktop(this);

    QPalette palette = list->palette();
    palette.setBrush(QPalette::Base, QBrush(QPixmap(QStringLiteral(":/images/p_user.png"))));
    list->setPalette(palette);
    setWindowTitle(tr("Profiles"));
    setWindowIcon(QIcon(QStringLiteral(":/images/users.png")));
}

void SelProfile::setSelectionRequired(bool required)
{
    selectionRequired = required;
}

void SelProfile::close()
{
    endSelection();
    hide();
}

void SelProfile::endSelection()
{
    const int row = list->currentRow();
    emit EndProfileSelect(row < 0 ? 0 : row);
}

void SelProfile::AddNameToList()
{
    const QString name = askProfileName(this, tr("Creating new profile"), tr("Enter your name:"));
    if (!name.isEmpty())
        emit AddProfileName(name);
}

void SelProfile::DeleteNameFromList()
{
    // The last profile stays; without a current row there is nothing to delete.
    const int row = list->currentRow();
    if (list->count() > 1 && row >= 0)
        emit DeleteName(row);
}

void SelProfile::closeEvent(QCloseEvent *event)
{
    if (selectionRequired)
        endSelection();
    event->accept();
}

void SelProfile::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        QWidget::close();
    else
        QWidget::keyPressEvent(event);
}
