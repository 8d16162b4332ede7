// The sound layer's output and effects: start-up and its failures, error texts, effects that
// reach the output, and sample files that cannot be loaded.
#include "diskaudio.h"
#include "fmodlayer.h"
#include "levelfiles.h"
#include "soundfiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

FSOUND_SAMPLE *loadSample(const QString &path)
{
    return FSOUND_Sample_Load(FSOUND_FREE, nativePath(path).constData(), FSOUND_LOOP_OFF, 0, 0);
}

enum class LayerState { NeverStarted, StartFailed, Closed };

} // namespace

Q_DECLARE_METATYPE(LayerState)

class SoundLayerTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void errorTextsAreTheGamesOwn_data();
    void errorTextsAreTheGamesOwn();
    void startsOnceAtTheRequiredVersion();
    void startFailsWithoutUsableOutput();
    void callsWithoutOutputAreHarmless_data();
    void callsWithoutOutputAreHarmless();
    void outputIsSilentWithoutEffects();
    void effectReachesOutputOnce();
    void thirtyTwoEffectsPlayAtOnce();
    void unloadableSamplesGiveNull_data();
    void unloadableSamplesGiveNull();
};

void SoundLayerTest::cleanup()
{
    FSOUND_Close();
}

void SoundLayerTest::errorTextsAreTheGamesOwn_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("text");
    const QList<QByteArray> texts = {
        "No errors",
        "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
        "This command failed because FSOUND_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory ",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording not supported on this device",
        "Required Mediaplayer codec is not installed",
    };
    for (int code = 0; code < texts.size(); ++code)
        QTest::addRow("code %d", code) << code << texts[code];
    QTest::newRow("below the table") << -1 << QByteArray("Unknown error");
    QTest::newRow("above the table") << 19 << QByteArray("Unknown error");
    QTest::newRow("far above") << 1000 << QByteArray("Unknown error");
}

void SoundLayerTest::errorTextsAreTheGamesOwn()
{
    QFETCH(int, code);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray(FMOD_ErrorString(code)), text);
}

void SoundLayerTest::startsOnceAtTheRequiredVersion()
{
    QVERIFY(FSOUND_GetVersion() >= 3.75f);
    QVERIFY(FSOUND_Init(44100, 32, 1));
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_NONE));

    QVERIFY(!FSOUND_Init(44100, 32, 1));
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_BUSY));
}

void SoundLayerTest::startFailsWithoutUsableOutput()
{
    {
        ScopedEnvironment driver("SDL_AUDIODRIVER", "nosuchdriver");
        QVERIFY(!FSOUND_Init(44100, 32, 1));
        QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_INIT));
        QCOMPARE(QByteArray(FMOD_ErrorString(FSOUND_GetError())), "Error initializing output device.");
    }
    QVERIFY2(FSOUND_Init(44100, 32, 1), "a failed start must leave nothing half open");
}

void SoundLayerTest::callsWithoutOutputAreHarmless_data()
{
    QTest::addColumn<LayerState>("state");
    QTest::newRow("never started") << LayerState::NeverStarted;
    QTest::newRow("start failed") << LayerState::StartFailed;
    QTest::newRow("closed") << LayerState::Closed;
}

void SoundLayerTest::callsWithoutOutputAreHarmless()
{
    QFETCH(LayerState, state);
    QTemporaryDir dir;
    const QString wav = writeFile(dir, QStringLiteral("effect.wav"), squareWaveWav(100));
    const QString mod = writeFile(dir, QStringLiteral("tune.mod"), squareWaveModule(1));

    FSOUND_SAMPLE *earlierSample = nullptr;
    FMUSIC_MODULE *earlierSong = nullptr;
    if (state == LayerState::StartFailed) {
        ScopedEnvironment driver("SDL_AUDIODRIVER", "nosuchdriver");
        QVERIFY(!FSOUND_Init(44100, 32, 1));
    } else if (state == LayerState::Closed) {
        QVERIFY(FSOUND_Init(44100, 32, 1));
        earlierSample = loadSample(wav);
        earlierSong = FMUSIC_LoadSong(nativePath(mod).constData());
        QVERIFY(earlierSample && earlierSong);
        FSOUND_Close();
    }

    QCOMPARE(loadSample(wav), nullptr);
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_UNINITIALIZED));
    QCOMPARE(FMUSIC_LoadSong(nativePath(mod).constData()), nullptr);
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_UNINITIALIZED));
    QCOMPARE(FSOUND_PlaySound(FSOUND_FREE, earlierSample), -1);
    if (earlierSong) {
        QVERIFY(!FMUSIC_PlaySong(earlierSong));
        QVERIFY(!FMUSIC_IsFinished(earlierSong));
    }
    FSOUND_Sample_Free(earlierSample);
    FMUSIC_FreeSong(earlierSong);
}

void SoundLayerTest::outputIsSilentWithoutEffects()
{
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    QVERIFY(disk.waitForFrames(framesIn(0.5)));
    FSOUND_Close();

    const QVector<qint16> output = disk.samples();
    QVERIFY(output.size() / 2 >= framesIn(0.5));
    QVERIFY(soundSpans(output).isEmpty());
}

// The effect is silent in the output until it is played, then sounds once for its length.
void SoundLayerTest::effectReachesOutputOnce()
{
    QTemporaryDir dir;
    const QString wav = writeFile(dir, QStringLiteral("effect.wav"), squareWaveWav(200));
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    FSOUND_SAMPLE *sample = loadSample(wav);
    QVERIFY(sample);
    QVERIFY(disk.waitForFrames(framesIn(0.25)));

    const qint64 played = disk.framesWritten();
    QVERIFY(FSOUND_PlaySound(FSOUND_FREE, sample) >= 0);
    QVERIFY(disk.waitForFrames(played + framesIn(0.75)));
    FSOUND_Close();
    FSOUND_Sample_Free(sample);

    const QVector<SoundSpan> spans = soundSpans(disk.samples());
    QCOMPARE(spans.size(), 1);
    QVERIFY(spans[0].start >= played);
    QVERIFY2(qAbs(spans[0].length - framesIn(0.2)) <= framesIn(0.01),
             qPrintable(QStringLiteral("sounded %1 frames").arg(spans[0].length)));
}

// Effects overlap on the 32 channels asked for; a named channel is taken over, and a channel
// outside the range is refused.
void SoundLayerTest::thirtyTwoEffectsPlayAtOnce()
{
    QTemporaryDir dir;
    const QString wav = writeFile(dir, QStringLiteral("long.wav"), squareWaveWav(10000));
    QVERIFY(FSOUND_Init(44100, 32, 1));
    FSOUND_SAMPLE *sample = loadSample(wav);
    QVERIFY(sample);

    QSet<int> channels;
    for (int i = 0; i < 32; ++i)
        channels.insert(FSOUND_PlaySound(FSOUND_FREE, sample));
    QCOMPARE(channels.size(), 32);
    QCOMPARE(*std::min_element(channels.begin(), channels.end()), 0);
    QCOMPARE(*std::max_element(channels.begin(), channels.end()), 31);

    QCOMPARE(FSOUND_PlaySound(FSOUND_FREE, sample), -1);
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_CHANNEL_ALLOC));
    QCOMPARE(FSOUND_PlaySound(7, sample), 7);
    QCOMPARE(FSOUND_PlaySound(32, sample), -1);
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_INVALID_PARAM));
    QCOMPARE(FSOUND_PlaySound(FSOUND_FREE, nullptr), -1);
    QCOMPARE(FSOUND_GetError(), int(FMOD_ERR_INVALID_PARAM));
    FSOUND_Sample_Free(sample);
}

void SoundLayerTest::unloadableSamplesGiveNull_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    // Null bytes: nothing is written; a name ending in '/' is made a folder.
    QTest::newRow("missing file") << "missing.wav" << QByteArray() << int(FMOD_ERR_FILE_NOTFOUND);
    QTest::newRow("missing folder") << "nowhere/rotate.wav" << QByteArray() << int(FMOD_ERR_FILE_NOTFOUND);
    QTest::newRow("text named x.wav") << "x.wav" << QByteArray("Turn sound: a short click.\n")
                                      << int(FMOD_ERR_FILE_FORMAT);
    QTest::newRow("empty file") << "empty.wav" << QByteArray("") << int(FMOD_ERR_FILE_FORMAT);
    QTest::newRow("a folder") << "folder.wav/" << QByteArray() << int(FMOD_ERR_FILE_BAD);
}

void SoundLayerTest::unloadableSamplesGiveNull()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QTemporaryDir dir;
    if (!bytes.isNull())
        writeFile(dir, name, bytes);
    if (name.endsWith(QLatin1Char('/')))
        QVERIFY(QDir(dir.path()).mkdir(name));
    QVERIFY(FSOUND_Init(44100, 32, 1));

    QCOMPARE(loadSample(dir.filePath(name)), nullptr);
    QCOMPARE(FSOUND_GetError(), error);
}

QTEST_GUILESS_MAIN(SoundLayerTest)
#include "tst_soundlayer.moc"
