// The sound layer's music: which files load, and what a playing, finished, stopped, replayed or
// quieter module puts into the output, read back from SDL's disk driver.
#include "diskaudio.h"
#include "fmodlayer.h"
#include "levelfiles.h"
#include "soundfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using Song = std::unique_ptr<FMUSIC_MODULE, bool (*)(FMUSIC_MODULE *)>;

Song loadSong(const QString &path)
{
    return Song(FMUSIC_LoadSong(QFile::encodeName(path).constData()), &FMUSIC_FreeSong);
}

// A module of the given length, written into dir and loaded.
Song squareWaveSong(const QTemporaryDir &dir, int seconds)
{
    return loadSong(writeFile(dir, QStringLiteral("square%1.mod").arg(seconds), squareWaveModule(seconds)));
}

bool waitUntilFinished(FMUSIC_MODULE *song)
{
    return QTest::qWaitFor([song] { return FMUSIC_IsFinished(song); }, 30000);
}

// Lets the output run on for a while, so that what comes next stands apart in it.
bool waitForGap(const DiskAudio &disk)
{
    return disk.waitForFrames(disk.framesWritten() + writeSlack + framesIn(0.25));
}

QString framesText(qint64 frames)
{
    return QStringLiteral("%1 frames (%2 s)").arg(frames).arg(double(frames) / outputRate);
}

} // namespace

class SoundLayerMusicTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void loadsSongsByContent_data();
    void loadsSongsByContent();
    void finishesWhenItHasPlayedToItsEnd();
    void stoppedOrFreedModuleFallsSilent_data();
    void stoppedOrFreedModuleFallsSilent();
    void replayStartsFromTheBeginning_data();
    void replayStartsFromTheBeginning();
    void volumeScalesTheModule_data();
    void volumeScalesTheModule();
    void volumeChangeReachesPlayingModule();
};

void SoundLayerMusicTest::cleanup()
{
    FSOUND_Close();
}

void SoundLayerMusicTest::loadsSongsByContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    // Null bytes: nothing is written; a name ending in '/' is made a folder.
    QTest::newRow("module named .mod") << "tune.mod" << squareWaveModule(1) << int(FMOD_ERR_NONE);
    QTest::newRow("module named .dat") << "tune.dat" << squareWaveModule(1) << int(FMOD_ERR_NONE);
    QTest::newRow("text named x.mod")
        << "x.mod" << QByteArray("Music notes: a calm tune for the puzzle levels, in C major.\n")
        << int(FMOD_ERR_FILE_FORMAT);
    QTest::newRow("empty file") << "empty.xm" << QByteArray("") << int(FMOD_ERR_FILE_FORMAT);
    QTest::newRow("missing file") << "missing.it" << QByteArray() << int(FMOD_ERR_FILE_NOTFOUND);
    QTest::newRow("a folder") << "folder.s3m/" << QByteArray() << int(FMOD_ERR_FILE_BAD);
}

void SoundLayerMusicTest::loadsSongsByContent()
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

    const Song song = loadSong(dir.filePath(name));
    QCOMPARE(song != nullptr, error == FMOD_ERR_NONE);
    QCOMPARE(FSOUND_GetError(), error);
}

// The finished flag never runs ahead of the sound, the sound ends where the module does (no
// fade, no loop), and stopping the module clears the flag.
void SoundLayerMusicTest::finishesWhenItHasPlayedToItsEnd()
{
    QTemporaryDir dir;
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    const Song song = squareWaveSong(dir, 1);
    QVERIFY(song);
    QVERIFY(!FMUSIC_IsFinished(song.get()));

    QVERIFY(FMUSIC_PlaySong(song.get()));
    QVERIFY(waitUntilFinished(song.get()));
    const qint64 atFinish = disk.framesWritten();
    QVERIFY2(atFinish >= framesIn(1.0) - writeSlack, qPrintable(framesText(atFinish)));
    QVERIFY(disk.waitForFrames(atFinish + framesIn(0.5)));
    QVERIFY(FMUSIC_IsFinished(song.get()));
    QVERIFY(FMUSIC_StopSong(song.get()));
    QVERIFY2(!FMUSIC_IsFinished(song.get()), "a stopped module is not finished");
    FSOUND_Close();

    const QVector<SoundSpan> spans = soundSpans(disk.samples());
    QCOMPARE(spans.size(), 1);
    QVERIFY2(qAbs(spans[0].length - framesIn(1.0)) <= framesIn(0.02),
             qPrintable(framesText(spans[0].length)));
}

void SoundLayerMusicTest::stoppedOrFreedModuleFallsSilent_data()
{
    QTest::addColumn<bool>("freed");
    QTest::newRow("stopped") << false;
    QTest::newRow("freed") << true;
}

void SoundLayerMusicTest::stoppedOrFreedModuleFallsSilent()
{
    QFETCH(bool, freed);
    QTemporaryDir dir;
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    Song song = squareWaveSong(dir, 8);
    QVERIFY(song);

    QVERIFY(FMUSIC_PlaySong(song.get()));
    if (freed)
        QVERIFY(FMUSIC_FreeSong(song.release()));
    else
        QVERIFY(FMUSIC_StopSong(song.get()));
    const qint64 stopped = disk.framesWritten();
    QVERIFY(disk.waitForFrames(stopped + framesIn(9.0)));
    if (!freed)
        QVERIFY2(!FMUSIC_IsFinished(song.get()), "a stopped module is not finished");
    FSOUND_Close();

    QVERIFY(soundSpans(disk.samples(), stopped + writeSlack).isEmpty());
}

void SoundLayerMusicTest::replayStartsFromTheBeginning_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("stopFirst");
    QTest::newRow("after its end") << 1 << false;
    QTest::newRow("after a stop") << 8 << true;
}

// Replayed, the module sounds for its whole length again.
void SoundLayerMusicTest::replayStartsFromTheBeginning()
{
    QFETCH(int, seconds);
    QFETCH(bool, stopFirst);
    QTemporaryDir dir;
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    const Song song = squareWaveSong(dir, seconds);
    QVERIFY(song);

    QVERIFY(FMUSIC_PlaySong(song.get()));
    if (stopFirst)
        QVERIFY(FMUSIC_StopSong(song.get()));
    else
        QVERIFY(waitUntilFinished(song.get()));
    QVERIFY(waitForGap(disk));

    const qint64 replayed = disk.framesWritten();
    QVERIFY(FMUSIC_PlaySong(song.get()));
    QVERIFY(waitUntilFinished(song.get()));
    QVERIFY(disk.waitForFrames(replayed + writeSlack + framesIn(seconds + 0.25)));
    FSOUND_Close();

    const QVector<SoundSpan> spans = soundSpans(disk.samples(), replayed);
    QCOMPARE(spans.size(), 1);
    QVERIFY2(qAbs(spans[0].length - framesIn(seconds)) <= framesIn(0.02),
             qPrintable(framesText(spans[0].length)));
}

void SoundLayerMusicTest::volumeScalesTheModule_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<double>("level");
    QTest::newRow("full") << 255 << 1.0;
    QTest::newRow("half") << 128 << 128 / 255.0;
    QTest::newRow("quarter") << 64 << 64 / 255.0;
    QTest::newRow("lowest of the game") << 1 << 1 / 255.0;
    QTest::newRow("silent") << 0 << 0.0;
    QTest::newRow("above the range") << 300 << 1.0;
    QTest::newRow("below the range") << -10 << 0.0;
}

// The module plays at full volume, then again at the volume under test; the level of the
// second playing against the first is the volume's share of 255.
void SoundLayerMusicTest::volumeScalesTheModule()
{
    QFETCH(int, volume);
    QFETCH(double, level);
    QTemporaryDir dir;
    DiskAudio disk;
    QVERIFY(FSOUND_Init(44100, 32, 1));
    const Song song = squareWaveSong(dir, 1);
    QVERIFY(song);

    QVERIFY(FMUSIC_SetMasterVolume(song.get(), 255));
    QVERIFY(FMUSIC_PlaySong(song.get()));
    QVERIFY(waitUntilFinished(song.get()));
    QVERIFY(waitForGap(disk));
    const qint64 second = disk.framesWritten();
    QVERIFY(FMUSIC_SetMasterVolume(song.get(), volume));
    QVERIFY(FMUSIC_PlaySong(song.get()));
    QVERIFY(waitUntilFinished(song.get()));
    QVERIFY(disk.waitForFrames(second + writeSlack + framesIn(1.25)));
    FSOUND_Close();

    const QVector<qint16> output = disk.samples();
    const double full = energy(output, 0, second);
    QVERIFY(full > 0);
    const double measured = std::sqrt(energy(output, second, output.size() / 2) / full);
    QVERIFY2(qAbs(measured - level) <= 0.005,
             qPrintable(QStringLiteral("level %1, expected %2").arg(measured).arg(level)));
}

// The game sets the volume while the module plays; the rest of the module follows it. The
// driver is slowed so that the module is still playing when the test changes the volume.
void SoundLayerMusicTest::volumeChangeReachesPlayingModule()
{
    QTemporaryDir dir;
    DiskAudio disk(4);
    QVERIFY(FSOUND_Init(44100, 32, 1));
    const Song song = squareWaveSong(dir, 12);
    QVERIFY(song);

    QVERIFY(FMUSIC_SetMasterVolume(song.get(), 255));
    QVERIFY(FMUSIC_PlaySong(song.get()));
    const qint64 started = disk.framesWritten();
    QVERIFY(disk.waitForFrames(started + framesIn(2.0)));
    QVERIFY(FMUSIC_SetMasterVolume(song.get(), 64));
    const qint64 changed = disk.framesWritten();
    QVERIFY(waitUntilFinished(song.get()));
    FSOUND_Close();

    const QVector<qint16> output = disk.samples();
    const QVector<SoundSpan> spans = soundSpans(output);
    QCOMPARE(spans.size(), 1);
    const SoundSpan played = spans[0];
    QVERIFY2(changed + writeSlack <= played.end() - framesIn(1.5),
             "the module ended before the volume changed: the machine is far too slow");
    const double before = energy(output, played.start + framesIn(0.5), played.start + framesIn(1.5));
    const double after = energy(output, played.end() - framesIn(1.5), played.end() - framesIn(0.5));
    const double measured = std::sqrt(after / before);
    QVERIFY2(qAbs(measured - 64 / 255.0) <= 0.005, qPrintable(QStringLiteral("level %1").arg(measured)));
}

QTEST_GUILESS_MAIN(SoundLayerMusicTest)
#include "tst_soundlayer_music.moc"
