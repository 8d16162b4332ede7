// The sound layer: effects and modules heard through SDL's disk driver, and which files load
// before, while and after the output is open.
#include "diskaudio.h"
#include "fmodlayer.h"
#include "levelfiles.h"

#include <cmath>
#include <memory>

using Sample = std::unique_ptr<FSOUND_SAMPLE, void (*)(FSOUND_SAMPLE *)>;
using Song = std::unique_ptr<FMUSIC_MODULE, bool (*)(FMUSIC_MODULE *)>;

static Sample loadSample(const QString &path) { return Sample(FSOUND_Sample_Load(FSOUND_FREE, qPrintable(path), FSOUND_LOOP_OFF, 0, 0), &FSOUND_Sample_Free); }
static Song loadSong(const QString &path) { return Song(FMUSIC_LoadSong(qPrintable(path)), &FMUSIC_FreeSong); }

class SoundLayerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    DiskAudio disk;

private slots:
    void cleanup() { FSOUND_Close(); }

    // The output stays silent until the effect is played, then it sounds once for its 200 ms.
    // A one-second module then plays to its end at full volume, and from its beginning again at
    // other volumes; the level of each playing against the first is its volume's share of 255.
    void effectThenModuleAtTheirVolumes()
    {
        QVERIFY(FSOUND_Init(44100, 32, 1));
        const Sample sample = loadSample(writeFile(dir, "effect.wav", squareWaveWav(200)));
        const Song song = loadSong(writeFile(dir, "square.mod", squareWaveModule(1)));
        QVERIFY(sample && song && !FMUSIC_IsFinished(song.get()) && !FMUSIC_IsPlaying(song.get()));
        QVERIFY(disk.waitForFrames(framesIn(0.25)));
        const qint64 played = disk.framesWritten();
        QVERIFY(FSOUND_PlaySound(FSOUND_FREE, sample.get()) >= 0);
        const QList<QPair<int, double>> volumes = {{255, 1.0}, {64, 64 / 255.0}, {300, 1.0}, {-10, 0.0}};
        QList<qint64> starts;
        for (const auto &playing : volumes) {
            starts.append(disk.framesWritten() + writeSlack + framesIn(0.5)); // a gap after the last sound
            QVERIFY(disk.waitForFrames(starts.last()) && FMUSIC_SetMasterVolume(song.get(), playing.first));
            QVERIFY(FMUSIC_PlaySong(song.get()) && FMUSIC_IsPlaying(song.get()));
            QVERIFY(QTest::qWaitFor([&] { return FMUSIC_IsFinished(song.get()); }));
            QVERIFY2(!FMUSIC_IsPlaying(song.get()), "finished is not playing");
            QVERIFY2(disk.framesWritten() >= starts.last() + framesIn(1.0) - writeSlack, "finished early");
            QVERIFY2(FMUSIC_StopSong(song.get()) && !FMUSIC_IsFinished(song.get()), "stopped is not finished");
        }
        QVERIFY(disk.waitForFrames(starts.last() + writeSlack + framesIn(1.25)));
        FSOUND_Close();
        const QVector<qint16> output = disk.samples();
        const QVector<SoundSpan> spans = soundSpans(output);
        QVERIFY(spans.size() >= 2 && spans[0].start >= played && spans[1].start >= starts[0]);
        QVERIFY(qAbs(spans[0].length - framesIn(0.2)) <= framesIn(0.01) && qAbs(spans[1].length - framesIn(1.0)) <= framesIn(0.02));
        starts.append(output.size() / 2);
        const double full = energy(output, starts[0], starts[1]);
        for (int i = 1; i < volumes.size(); ++i) {
            const double level = std::sqrt(energy(output, starts[i], starts[i + 1]) / full);
            QVERIFY2(qAbs(level - volumes[i].second) <= 0.001, qPrintable(QString("volume %1: level %2").arg(volumes[i].first).arg(level)));
        }
    }

    // Loads give null before FSOUND_Init and after one that finds no output, and plays do nothing
    // then. In between, the game's effects load, and broken or missing files say why not.
    void whatLoadsAndWhen()
    {
        const QString wav = TAVNI_SOURCE_DATA_DIR "/sound/rotate.wav", mod = writeFile(dir, "a.mod", squareWaveModule(1));
        QVERIFY(!loadSample(wav) && !loadSong(mod));
        QVERIFY(FSOUND_Init(44100, 32, 1));
        const Sample sample = loadSample(wav), completed = loadSample(TAVNI_SOURCE_DATA_DIR "/sound/level_complete.wav");
        const Song song = loadSong(mod);
        QVERIFY(sample && completed && song);
        const QList<QPair<QString, int>> broken = {
            {writeFile(dir, "x.mod", "A calm tune in C major.\n"), FMOD_ERR_FILE_FORMAT}, {writeFile(dir, "empty.xm", ""), FMOD_ERR_FILE_FORMAT},
            {dir.filePath("missing.it"), FMOD_ERR_FILE_NOTFOUND}, {dir.filePath("missing.wav"), FMOD_ERR_FILE_NOTFOUND}};
        for (const auto &[path, error] : broken) {
            QVERIFY2(path.endsWith(".wav") ? !loadSample(path) : !loadSong(path), qPrintable(path));
            QCOMPARE(FSOUND_GetError(), error);
        }
        FSOUND_Close();
        {
            ScopedEnvironment driver("SDL_AUDIODRIVER", "nosuchdriver");
            QVERIFY(!FSOUND_Init(44100, 32, 1) && FSOUND_GetError() == FMOD_ERR_INIT);
        }
        QVERIFY(!loadSample(wav) && !loadSong(mod));
        QCOMPARE(FSOUND_PlaySound(FSOUND_FREE, sample.get()), -1);
        QVERIFY(!FMUSIC_PlaySong(song.get()) && !FMUSIC_IsFinished(song.get()));
        QVERIFY2(FSOUND_Init(44100, 32, 1), "a failed start must leave nothing half open");
    }
};

QTEST_GUILESS_MAIN(SoundLayerTest)
#include "tst_soundlayer.moc"
