// Records the critical alerts raised by the libraries under test instead of showing them.
#pragma once

#include "alert.h"

#include <QList>
#include <QString>

struct RecordedAlert { QString title, text; };

// Installs itself as the alert presenter for its lifetime, from an empty record.
struct AlertRecorder {
    AlertRecorder() { recorded.clear(); setAlertPresenter([](const QString &title, const QString &text) { recorded.append({title, text}); }); }
    ~AlertRecorder() { setAlertPresenter(nullptr); }
    const QList<RecordedAlert> &alerts() const { return recorded; }
    static inline QList<RecordedAlert> recorded;
};
