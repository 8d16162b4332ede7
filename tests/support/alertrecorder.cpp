#include "alertrecorder.h"

#include "alert.h"

namespace {

QList<RecordedAlert> recorded;

void record(const QString &title, const QString &text)
{
    recorded.append({title, text});
}

} // namespace

AlertRecorder::AlertRecorder()
{
    recorded.clear();
    setAlertPresenter(&record);
}

AlertRecorder::~AlertRecorder()
{
    setAlertPresenter(nullptr);
    recorded.clear();
}

const QList<RecordedAlert> &AlertRecorder::alerts() const
{
    return recorded;
}

void AlertRecorder::clear()
{
    recorded.clear();
}
