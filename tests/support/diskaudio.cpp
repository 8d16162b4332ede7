#include "diskaudio.h"

#include <numeric>

QVector<qint16> DiskAudio::samples() const
{
    QFile raw(path);
    const QByteArray bytes = raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
    const auto *first = reinterpret_cast<const qint16 *>(bytes.constData()); // in the mixer's byte order
    return QVector<qint16>(first, first + bytes.size() / 2);
}

QVector<SoundSpan> soundSpans(const QVector<qint16> &stereo, qint64 from)
{
    QVector<SoundSpan> spans;
    for (qint64 frame = from; frame < stereo.size() / 2; ++frame) {
        if (qAbs(stereo[2 * frame]) <= 64 && qAbs(stereo[2 * frame + 1]) <= 64)
            continue;
        if (spans.isEmpty() || frame - spans.last().start - spans.last().length >= framesIn(0.010))
            spans.append({frame, 0});
        spans.last().length = frame + 1 - spans.last().start;
    }
    return spans;
}

double energy(const QVector<qint16> &stereo, qint64 from, qint64 to)
{
    const auto first = stereo.begin() + 2 * from, last = stereo.begin() + qMin<qint64>(2 * to, stereo.size());
    return std::inner_product(first, last, first, 0.0);
}
