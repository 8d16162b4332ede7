#include "top10.h"

#include "desktop.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QListWidget *addListTo(QWidget *page)
{
    auto *list = new QListWidget;
    auto *layout = new QVBoxLayout;
    layout->addWidget(list);
    layout->setSpacing(5);
    layout->setContentsMargins(2, 2, 2, 2);
    page->setLayout(layout);
    return list;
}

void setListBackground(QListWidget *list)
{
    QPalette palette = list->palette();
    palette.setBrush(QPalette::Base, QBrush(QPixmap(QStringLiteral(":/images/top10_fon.png"))));
    list->setPalette(palette);
}

} // namespace

Classic10Tab::Classic10Tab(QWidget *parent)
    : QWidget(parent), list(addListTo(this))
{
}

Puzzle10Tab::Puzzle10Tab(QWidget *parent)
    : QWidget(parent), list(addListTo(this))
{
}

Top10::Top10(QWidget *parent)
    : QWidget(parent)
{
    tabs = new QTabWidget;
    classicTab = new Classic10Tab(nullptr);
    puzzleTab = new Puzzle10Tab(nullptr);
    tabs->addTab(classicTab, tr("&Classic Game top 10"));

    auto *closeButton = new QPushButton(tr("Close"));
    auto *buttonBox = new QHBoxLayout;
    buttonBox->addStretch(1);
    buttonBox->addWidget(closeButton);
    auto *mainBox = new QVBoxLayout;
    mainBox->addWidget(tabs);
    mainBox->addLayout(buttonBox);
    mainBox->setSpacing(5);
    mainBox->setContentsMargins(2, 2, 2, 2);
    setLayout(mainBox);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    setWindowFlags(Qt::Dialog);
    centerOnDesktop(this);
    setListBackground(classicTab->list);
    setListBackground(puzzleTab->list);
    setWindowIcon(QIcon(QStringLiteral(":/images/top10.png")));
}

// The puzzle page has no parent to take it along.
Top10::~Top10()
{
    delete puzzleTab;
}
