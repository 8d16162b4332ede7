// SDL's disk audio driver pointed at a temporary file, and tools to read what was played there.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

// Sets an environment variable for the object's lifetime, then puts back what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *name;
    QByteArray saved;
    bool wasSet;
};

// The layer's output: interleaved 16-bit stereo frames at 44100 Hz.
constexpr int outputRate = 44100;
constexpr qint64 framesIn(double seconds) { return qint64(seconds * outputRate); }

// How far the file may trail what the mixer has rendered: stdio buffering plus the buffer in
// flight, with room to spare.
constexpr qint64 writeSlack = 4 * 1024;

// Makes the next FSOUND_Init write its output to a file instead of a device.
class DiskAudio
{
public:
    // delayMs is how long the driver rests after each buffer; 0 writes as fast as it can.
    explicit DiskAudio(int delayMs = 0);

    // Frames in the file so far; may trail the mixer by up to writeSlack.
    qint64 framesWritten() const;
    // Polls until the file holds at least frames, or a generous deadline passes.
    bool waitForFrames(qint64 frames) const;
    // The whole output; read it after FSOUND_Close has flushed the file.
    QVector<qint16> samples() const;

private:
    QTemporaryDir dir;
    QString path;
    ScopedEnvironment driver;
    ScopedEnvironment file;
    ScopedEnvironment delay;
};

// A run of audible frames, start and length in frames.
struct SoundSpan {
    qint64 start;
    qint64 length;
    qint64 end() const { return start + length; }
};

// The runs of frames where either channel is clearly above silence, from frame `from` on;
// gaps shorter than 10 ms (zero crossings, wave edges) do not split a run.
QVector<SoundSpan> soundSpans(const QVector<qint16> &stereo, qint64 from = 0);

// Sum of the squared samples of both channels over the frames [from, to); the ratio of two
// such sums over equally long stretches is the square of their level ratio.
double energy(const QVector<qint16> &stereo, qint64 from, qint64 to);
