#include "diskaudio.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

ScopedEnvironment::ScopedEnvironment(const char *name, const QByteArray &value)
    : name(name), saved(qgetenv(name)), wasSet(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (wasSet)
        qputenv(name, saved);
    else
        qunsetenv(name);
}

DiskAudio::DiskAudio(int delayMs)
    : path(dir.filePath(QStringLiteral("output.raw"))),
      driver("SDL_AUDIODRIVER", "disk"),
      file("SDL_DISKAUDIOFILE", QFile::encodeName(path)),
      delay("SDL_DISKAUDIODELAY", QByteArray::number(delayMs))
{
}

qint64 DiskAudio::framesWritten() const
{
    return QFileInfo(path).size() / 4;
}

bool DiskAudio::waitForFrames(qint64 frames) const
{
    return QTest::qWaitFor([&] { return framesWritten() >= frames; }, 30000);
}

QVector<qint16> DiskAudio::samples() const
{
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = raw.readAll();
    QVector<qint16> stereo(bytes.size() / 2);
    for (qsizetype i = 0; i < stereo.size(); ++i)
        stereo[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return stereo;
}

namespace {

bool audible(const QVector<qint16> &stereo, qint64 frame)
{
    const int loud = 64;
    return std::abs(stereo[2 * frame]) > loud || std::abs(stereo[2 * frame + 1]) > loud;
}

} // namespace

QVector<SoundSpan> soundSpans(const QVector<qint16> &stereo, qint64 from)
{
    const qint64 bridge = framesIn(0.010);
    const qint64 frames = stereo.size() / 2;
    QVector<SoundSpan> spans;
    for (qint64 frame = qMax<qint64>(from, 0); frame < frames; ++frame) {
        if (!audible(stereo, frame))
            continue;
        if (!spans.isEmpty() && frame - spans.last().end() < bridge)
            spans.last().length = frame + 1 - spans.last().start;
        else
            spans.append({frame, 1});
    }
    return spans;
}

double energy(const QVector<qint16> &stereo, qint64 from, qint64 to)
{
    double sum = 0;
    for (qint64 i = 2 * qMax<qint64>(from, 0); i < qMin<qint64>(2 * to, stereo.size()); ++i)
        sum += double(stereo[i]) * stereo[i];
    return sum;
}
