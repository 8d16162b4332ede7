// Replays every input in tests/regression (each one broke a reader once, or came close) and
// every seed of the fuzz corpora through the checks the fuzz targets run.
#include "checks.h"

#include <QDirIterator>
#include <QTest>

using fuzzcheck::Reader;
Q_DECLARE_METATYPE(Reader)

class TestRegression : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Opens the dummy audio output too: the module reader needs it, the others ignore it.
        fuzzcheck::prepare(Reader::Module);
    }

    void replay_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("file");
        const Reader readers[] = {Reader::Level, Reader::Settings, Reader::Profiles,
                                  Reader::Results, Reader::Module};
        int regressions = 0;
        for (Reader reader : readers) {
            const QString folder = fuzzcheck::name(reader);
            QStringList roots{TAVNI_REGRESSION_DIR "/" + folder, TAVNI_SEEDS_DIR "/" + folder};
            if (reader == Reader::Level)
                roots << TAVNI_LEVELS_DIR;
            if (reader == Reader::Module)
                roots << TAVNI_MUSIC_DIR;
            for (const QString &root : roots) {
                QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
                while (it.hasNext()) {
                    const QString file = it.next();
                    regressions += root.startsWith(TAVNI_REGRESSION_DIR);
                    QTest::newRow(qPrintable(folder + ": " + QDir(root).relativeFilePath(file)))
                        << reader << file;
                }
            }
        }
        QVERIFY2(regressions > 0, "the regression corpus was not found");
    }

    void replay()
    {
        QFETCH(Reader, reader);
        QFETCH(QString, file);
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString fault = fuzzcheck::check(reader, in.readAll());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestRegression)
#include "tst_regression.moc"
