// SDL's disk audio driver pointed at a temporary file, and tools to read what was played there.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QVector>

// Sets an environment variable for the object's lifetime, then puts back what was there.
struct ScopedEnvironment {
    ScopedEnvironment(const char *name, const QByteArray &value)
        : name(name), saved(qgetenv(name)), wasSet(qEnvironmentVariableIsSet(name)) { qputenv(name, value); }
    ~ScopedEnvironment() { if (wasSet) qputenv(name, saved); else qunsetenv(name); }
    Q_DISABLE_COPY(ScopedEnvironment)
    const char *name;
    QByteArray saved;
    bool wasSet;
};

// The layer's output is interleaved 16-bit stereo at 44100 Hz.
constexpr qint64 framesIn(double seconds) { return qint64(seconds * 44100); }

// How far the file may trail what the mixer has rendered: stdio buffering plus a buffer in flight.
constexpr qint64 writeSlack = 4 * 1024;

// Makes the next FSOUND_Init write its output to a file instead of a device. delayMs is how long
// the driver rests after each buffer; 0 writes as fast as it can.
struct DiskAudio {
    explicit DiskAudio(int delayMs = 0)
        : path(dir.filePath("output.raw")), driver("SDL_AUDIODRIVER", "disk"),
          file("SDL_DISKAUDIOFILE", QFile::encodeName(path)),
          delay("SDL_DISKAUDIODELAY", QByteArray::number(delayMs)) {}

    // Frames in the file so far; may trail the mixer by up to writeSlack.
    qint64 framesWritten() const { return QFileInfo(path).size() / 4; }
    // Polls until the file holds at least frames, or a generous deadline passes.
    bool waitForFrames(qint64 frames) const
    {
        return QTest::qWaitFor([&] { return framesWritten() >= frames; }, 30000);
    }
    // The whole output; read it after FSOUND_Close has flushed the file.
    QVector<qint16> samples() const;

    QTemporaryDir dir;
    QString path;
    ScopedEnvironment driver, file, delay;
};

// A run of audible frames, start and length in frames.
struct SoundSpan { qint64 start, length; };

// The runs of frames where either channel is clearly above silence, from frame `from` on;
// gaps shorter than 10 ms (zero crossings, wave edges) do not split a run.
QVector<SoundSpan> soundSpans(const QVector<qint16> &stereo, qint64 from = 0);

// Sum of the squared samples of both channels over the frames [from, to); the ratio of two
// such sums over equally long stretches is the square of their level ratio.
double energy(const QVector<qint16> &stereo, qint64 from, qint64 to);
