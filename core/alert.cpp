#include "alert.h"

#include <cstdio>

namespace {

void printToStderr(const QString &title, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

AlertPresenter currentPresenter = &printToStderr;

} // namespace

void setAlertPresenter(AlertPresenter presenter)
{
    currentPresenter = presenter ? presenter : &printToStderr;
}

void showCriticalAlert(const QString &title, const QString &text)
{
    currentPresenter(title, text);
}
