// The sound content the game ships in data/: both effects and every music module load through
// the sound layer.
#include "fmodlayer.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QDir shippedData(const QString &folder)
{
    return QDir(QStringLiteral(TAVNI_SOURCE_DATA_DIR "/") + folder);
}

// The music folder's entries as the game's playlist picks them.
QStringList shippedModules()
{
    QDir music = shippedData(QStringLiteral("music"));
    music.setNameFilters({QStringLiteral("*.it"), QStringLiteral("*.s3m"), QStringLiteral("*.xm"),
                          QStringLiteral("*.mod")});
    music.setFilter(QDir::Files);
    QStringList paths;
    for (const QString &name : music.entryList())
        paths.append(music.filePath(name));
    return paths;
}

} // namespace

class SoundLayerContentTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void shippedEffectsLoad_data();
    void shippedEffectsLoad();
    void musicShips();
    void shippedModulesLoad_data();
    void shippedModulesLoad();
};

void SoundLayerContentTest::initTestCase()
{
    QVERIFY(FSOUND_Init(44100, 32, 1));
}

void SoundLayerContentTest::cleanupTestCase()
{
    FSOUND_Close();
}

void SoundLayerContentTest::shippedEffectsLoad_data()
{
    QTest::addColumn<QString>("path");
    const QDir sound = shippedData(QStringLiteral("sound"));
    QTest::newRow("rotate") << sound.filePath(QStringLiteral("rotate.wav"));
    QTest::newRow("level complete") << sound.filePath(QStringLiteral("level_complete.wav"));
}

void SoundLayerContentTest::shippedEffectsLoad()
{
    QFETCH(QString, path);
    FSOUND_SAMPLE *sample =
        FSOUND_Sample_Load(FSOUND_FREE, QFile::encodeName(path).constData(), FSOUND_LOOP_OFF, 0, 0);
    QVERIFY2(sample, qPrintable(path + QStringLiteral(": ") + FMOD_ErrorString(FSOUND_GetError())));
    FSOUND_Sample_Free(sample);
}

void SoundLayerContentTest::musicShips()
{
    QVERIFY2(!shippedModules().isEmpty(), "no module in " TAVNI_SOURCE_DATA_DIR "/music");
}

void SoundLayerContentTest::shippedModulesLoad_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : shippedModules())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void SoundLayerContentTest::shippedModulesLoad()
{
    QFETCH(QString, path);
    FMUSIC_MODULE *song = FMUSIC_LoadSong(QFile::encodeName(path).constData());
    QVERIFY2(song, qPrintable(path + QStringLiteral(": ") + FMOD_ErrorString(FSOUND_GetError())));
    FMUSIC_FreeSong(song);
}

QTEST_GUILESS_MAIN(SoundLayerContentTest)
#include "tst_soundlayer_content.moc"
