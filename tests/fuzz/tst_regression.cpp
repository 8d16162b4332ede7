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
    void initTestCase() { fuzzcheck::prepare(Reader::Module); } // the others need no more

    void replay_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("file");
        for (Reader reader : {Reader::Level, Reader::Settings, Reader::Profiles, Reader::Results, Reader::Module}) {
            const QString folder = fuzzcheck::name(reader);
            QStringList roots{TAVNI_REGRESSION_DIR "/" + folder, TAVNI_SEEDS_DIR "/" + folder};
            if (reader == Reader::Level || reader == Reader::Module) // and what the game ships
                roots << (reader == Reader::Level ? TAVNI_LEVELS_DIR : TAVNI_MUSIC_DIR);
            for (const QString &root : roots)
                for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
                    const QString file = it.next();
                    QTest::newRow(qPrintable(folder + ": " + QDir(root).relativeFilePath(file))) << reader << file;
                }
            QVERIFY2(!QDir(roots.first()).isEmpty(), qPrintable(roots.first() + " is missing"));
        }
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
