// SDL's disk audio driver pointed at a temporary file, what was played there, and sound files
// made in code to play.
#pragma once

#include <QtTest>

#include <numeric>

// Sets an environment variable for the object's lifetime, then puts back what was there.
struct ScopedEnvironment {
    ScopedEnvironment(const char *name, const QByteArray &value) : name(name), saved(qgetenv(name)),
        wasSet(qEnvironmentVariableIsSet(name)) { qputenv(name, value); }
    ~ScopedEnvironment() { wasSet ? qputenv(name, saved) : qunsetenv(name); }
    const char *name; QByteArray saved; bool wasSet;
};

// The layer's output is interleaved 16-bit stereo at 44100 Hz.
constexpr qint64 framesIn(double seconds) { return qint64(seconds * 44100); }

// How far the file may trail what the mixer has rendered: stdio buffering plus a buffer in flight.
constexpr qint64 writeSlack = 4 * 1024;

// Makes the next FSOUND_Init write its output to a file, as fast as the mixer renders it; each
// FSOUND_Init starts the file afresh. The output is measured in frames, never in time: a test
// waits for the file to reach a length.
struct DiskAudio {
    QTemporaryDir dir;
    QString path = dir.filePath("output.raw");
    ScopedEnvironment driver{"SDL_AUDIODRIVER", "disk"}, file{"SDL_DISKAUDIOFILE", QFile::encodeName(path)},
        delay{"SDL_DISKAUDIODELAY", "0"};

    qint64 framesWritten() const { return QFileInfo(path).size() / 4; }
    // The deadline only ends a wait on an output that has stopped.
    bool waitForFrames(qint64 frames) const { return QTest::qWaitFor([&] { return framesWritten() >= frames; }); }
    // The whole output, in the mixer's byte order; read it after FSOUND_Close has flushed the file.
    QVector<qint16> samples() const
    {
        QFile raw(path);
        const QByteArray bytes = raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
        const auto *first = reinterpret_cast<const qint16 *>(bytes.constData());
        return QVector<qint16>(first, first + bytes.size() / 2);
    }
};

// A run of audible frames, start and length in frames.
struct SoundSpan { qint64 start, length; };

// The runs of frames where either channel is clearly above silence; gaps shorter than 10 ms
// (zero crossings, wave edges) do not split a run.
inline QVector<SoundSpan> soundSpans(const QVector<qint16> &stereo)
{
    QVector<SoundSpan> spans;
    for (qint64 frame = 0; frame < stereo.size() / 2; ++frame) {
        if (qAbs(stereo[2 * frame]) <= 64 && qAbs(stereo[2 * frame + 1]) <= 64)
            continue;
        if (spans.isEmpty() || frame - spans.last().start - spans.last().length >= framesIn(0.010))
            spans.append({frame, 0});
        spans.last().length = frame + 1 - spans.last().start;
    }
    return spans;
}

// Sum of the squared samples of both channels over the frames [from, to); the ratio of two
// such sums over equally long stretches is the square of their level ratio.
inline double energy(const QVector<qint16> &stereo, qint64 from, qint64 to)
{
    return std::inner_product(stereo.begin() + 2 * from, stereo.begin() + qMin<qint64>(2 * to, stereo.size()),
                              stereo.begin() + 2 * from, 0.0);
}

// A 16-bit mono 22050 Hz PCM WAV file holding a square wave of the given length.
inline QByteArray squareWaveWav(int milliseconds)
{
    QByteArray wav = "RIFF    WAVEfmt " // the sizes are filled in last
        + QByteArray::fromHex("10000000 0100 0100 22560000 44ac0000 0200 1000") + "data    ";
    for (int i = 0; i < 22050 * milliseconds / 1000; ++i)
        wav += QByteArray::fromHex((i / 25) % 2 ? "c0e0" : "401f"); // -8000 or 8000
    qToLittleEndian<quint32>(wav.size() - 8, wav.data() + 4);
    qToLittleEndian<quint32>(wav.size() - 44, wav.data() + 40);
    return wav;
}

// A four-channel ProTracker module that holds one square-wave note for the given whole number
// of seconds (at most 127) and then ends.
inline QByteArray squareWaveModule(int seconds)
{
    // Every order plays the one pattern. Row 0 starts a note of sample 1 on channel 0 and sets
    // 5 ticks a row (0.1 s at 125 BPM); row 9 breaks to the next order, so each order lasts 1 s.
    QByteArray pattern(64 * 4 * 4, '\0');
    pattern.replace(0, 8, QByteArray::fromHex("01ac1000 00000f05"));
    pattern.replace((9 * 4 + 2) * 4, 4, QByteArray::fromHex("00000d00"));
    // Song name, then sample 1: 16 words, volume 64, looped whole; 30 empty samples.
    return QByteArray("square").leftJustified(20 + 22, '\0') + QByteArray::fromHex("0010 0040 0000 0010")
        + QByteArray(30 * 30, '\0') + char(seconds) + char(127) + QByteArray(128, '\0') + "M.K." + pattern
        + QByteArray(16, char(100)) + QByteArray(16, char(-100));
}
