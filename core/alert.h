// How the non-widget libraries report a failure to the player: a modal critical box without
// parent. The game installs a presenter that shows the box; tests install one that records it.
#pragma once

#include <QString>

using AlertPresenter = void (*)(const QString &title, const QString &text);

// Replaces the presenter; null restores the default, which writes the message to stderr.
void setAlertPresenter(AlertPresenter presenter);

void showCriticalAlert(const QString &title, const QString &text);
