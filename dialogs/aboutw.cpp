#include "aboutw.h"

#include "desktop.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// The addresses are only shown in blue: they are not links and a click on them opens nothing.
QLabel *addressLabel(const QString &prefix, const QString &address)
{
    auto *label = new QLabel(prefix + QStringLiteral(" <font color=blue>%1</font>").arg(address));
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

AboutW::AboutW(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(new QLabel(tr("Tavni v.0.6")), 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Tavni developers")), 0, Qt::AlignHCenter);
    layout->addWidget(addressLabel(tr("Web:"), QStringLiteral("https://tavni.invalid")), 0,
                      Qt::AlignHCenter);
    layout->addWidget(addressLabel(tr("Mail:"), QStringLiteral("tavni@tavni.invalid")), 0,
                      Qt::AlignHCenter);
    setLayout(layout);
    setWindowFlags(Qt::Dialog);
    setWindowTitle(tr("About"));

    resize(250, 150);
    adjustSize();
    centerOnDesktop(this);
    setWindowIcon(QIcon(QStringLiteral(":/images/info.png")));
}

void AboutW::mousePressEvent(QMouseEvent *)
{
    close();
}
