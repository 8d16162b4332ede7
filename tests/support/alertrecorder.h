// Records the critical alerts raised by the libraries under test instead of showing them.
#pragma once

#include <QString>
#include <QStringList>

struct RecordedAlert {
    QString title;
    QString text;
};

// Installs itself as the alert presenter for its lifetime.
class AlertRecorder
{
public:
    AlertRecorder();
    ~AlertRecorder();
    AlertRecorder(const AlertRecorder &) = delete;
    AlertRecorder &operator=(const AlertRecorder &) = delete;

    const QList<RecordedAlert> &alerts() const;
    void clear();
};
