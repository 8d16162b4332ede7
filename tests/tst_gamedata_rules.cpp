// What the player's data does in memory: profiles added, deleted, selected and advanced,
// classic times entering the best-results list, and the music list.
#include "gamedata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Makes a fresh, empty directory the working directory for one test.
class WorkDir
{
public:
    WorkDir() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~WorkDir() { QDir::setCurrent(previous); }

private:
    QTemporaryDir dir;
    QString previous;
};

// The classic list as first created: "user" with 10000, 20000, ..., 100000 seconds.
QList<BestResult> defaultClassicList()
{
    QList<BestResult> list;
    for (int place = 1; place <= 10; ++place) {
        BestResult entry;
        entry.name = "user";
        entry.time = 10000 * place;
        list.append(entry);
    }
    return list;
}

QStringList describe(const QList<BestResult> &list)
{
    QStringList places;
    for (const BestResult &entry : list)
        places.append(entry.name + ' ' + QString::number(entry.time));
    return places;
}

QStringList names(const GameData &data)
{
    QStringList list;
    for (const Profile &profile : data.profiles)
        list.append(profile.name);
    return list;
}

// Profiles "A", "B", "C" with the given one selected.
void addThreeProfiles(GameData &data, int current)
{
    for (const char *name : {"A", "B", "C"})
        data.AddProfile(name);
    CurrentProfile = current;
}

} // namespace

class GameDataRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void classicTimeTakesItsPlace_data();
    void classicTimeTakesItsPlace();
    void classicListKeepsTenPlaces();
    void classicTimeNeedsAList();
    void addedProfileIsSelected();
    void deleteKeepsIndexInsideList_data();
    void deleteKeepsIndexInsideList();
    void selectOnlyExistingProfile_data();
    void selectOnlyExistingProfile();
    void progressGoesToSelectedProfileOnly_data();
    void progressGoesToSelectedProfileOnly();
    void musicFilesInNameOrder();
    void missingMusicFolderGivesEmptyList();
};

void GameDataRulesTest::classicTimeTakesItsPlace_data()
{
    QTest::addColumn<QList<int>>("players");
    QTest::addColumn<QList<int>>("times");
    QTest::addColumn<QStringList>("expectedTop");
    const QStringList users = describe(defaultClassicList());
    QTest::newRow("5 s takes place 1") << QList<int>{0} << QList<int>{5}
                                       << QStringList{"Ann 5"} + users.mid(0, 9);
    QTest::newRow("99999 s takes place 10") << QList<int>{0} << QList<int>{99999}
                                            << users.mid(0, 9) + QStringList{"Ann 99999"};
    QTest::newRow("100000 s is not recorded") << QList<int>{0} << QList<int>{100000} << users;
    QTest::newRow("equal to a stored time goes after it")
        << QList<int>{1} << QList<int>{20000}
        << users.mid(0, 2) + QStringList{"Bob 20000"} + users.mid(2, 7);
    QTest::newRow("equal times keep their order")
        << QList<int>{0, 1} << QList<int>{500, 500}
        << QStringList{"Ann 500", "Bob 500"} + users.mid(0, 8);
    QTest::newRow("better time goes before") << QList<int>{0, 1} << QList<int>{500, 499}
                                             << QStringList{"Bob 499", "Ann 500"} + users.mid(0, 8);
    QTest::newRow("no profile selected records User")
        << QList<int>{-1} << QList<int>{7} << QStringList{"User 7"} + users.mid(0, 9);
}

void GameDataRulesTest::classicTimeTakesItsPlace()
{
    QFETCH(QList<int>, players);
    QFETCH(QList<int>, times);
    QFETCH(QStringList, expectedTop);
    GameData data("game.dat");
    data.AddProfile("Ann");
    data.AddProfile("Bob");
    data.classicTop = defaultClassicList();
    for (int i = 0; i < times.size(); ++i) {
        CurrentProfile = players[i];
        data.AddClassicResult(times[i]);
    }
    QCOMPARE(describe(data.classicTop), expectedTop);
}

void GameDataRulesTest::classicListKeepsTenPlaces()
{
    GameData data("game.dat");
    data.classicTop = defaultClassicList();
    for (int seconds = 300; seconds > 0; seconds -= 20)
        data.AddClassicResult(seconds);
    QCOMPARE(data.classicTop.size(), 10);
    for (int place = 0; place < 10; ++place)
        QCOMPARE(data.classicTop[place].time, 20 * place + 20);
}

void GameDataRulesTest::classicTimeNeedsAList()
{
    GameData data("game.dat");
    data.AddClassicResult(5);
    QVERIFY(data.classicTop.isEmpty());
}

void GameDataRulesTest::addedProfileIsSelected()
{
    GameData data("game.dat");
    QCOMPARE(CurrentProfile, -1);
    data.AddProfile("Ann");
    data.AddProfile("Ann");
    QCOMPARE(data.profileCount, 2);
    QCOMPARE(CurrentProfile, 1);
    const Profile &added = data.profiles[1];
    QCOMPARE(added.name, QStringLiteral("Ann"));
    QCOMPARE(added.level, 1);
    QCOMPARE(added.sublevel, 1);
    QCOMPARE(added.reserved, 0);
}

void GameDataRulesTest::deleteKeepsIndexInsideList_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::addColumn<int>("expectedCurrent");
    const QStringList all = {"A", "B", "C"};
    QTest::newRow("index -1") << 1 << -1 << all << 1;
    QTest::newRow("index past the end") << 1 << 3 << all << 1;
    QTest::newRow("before the selected") << 1 << 0 << QStringList{"B", "C"} << 1;
    QTest::newRow("after the selected") << 0 << 2 << QStringList{"A", "B"} << 0;
    QTest::newRow("the selected, last") << 2 << 2 << QStringList{"A", "B"} << -1;
    QTest::newRow("selected would point past the end") << 2 << 0 << QStringList{"B", "C"} << -1;
    QTest::newRow("none selected") << -1 << 1 << QStringList{"A", "C"} << -1;
}

void GameDataRulesTest::deleteKeepsIndexInsideList()
{
    QFETCH(int, current);
    QFETCH(int, deleted);
    QFETCH(QStringList, expectedNames);
    QFETCH(int, expectedCurrent);
    GameData data("game.dat");
    addThreeProfiles(data, current);
    data.DeleteProfile(deleted);
    QCOMPARE(names(data), expectedNames);
    QCOMPARE(data.profileCount, int(expectedNames.size()));
    QCOMPARE(CurrentProfile, expectedCurrent);
}

void GameDataRulesTest::selectOnlyExistingProfile_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("expectedCurrent");
    QTest::newRow("first") << 0 << true << 0;
    QTest::newRow("last") << 2 << true << 2;
    QTest::newRow("-1") << -1 << false << 1;
    QTest::newRow("past the end") << 3 << false << 1;
}

void GameDataRulesTest::selectOnlyExistingProfile()
{
    QFETCH(int, index);
    QFETCH(bool, selected);
    QFETCH(int, expectedCurrent);
    GameData data("game.dat");
    addThreeProfiles(data, 1);
    QCOMPARE(data.SelectProfile(index), selected);
    QCOMPARE(CurrentProfile, expectedCurrent);
}

void GameDataRulesTest::progressGoesToSelectedProfileOnly_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("expectedPositions");
    QTest::newRow("second selected") << 1 << QStringList{"1-1", "4-12", "1-1"};
    QTest::newRow("none selected") << -1 << QStringList{"1-1", "1-1", "1-1"};
    QTest::newRow("index past the end") << 3 << QStringList{"1-1", "1-1", "1-1"};
}

void GameDataRulesTest::progressGoesToSelectedProfileOnly()
{
    QFETCH(int, current);
    QFETCH(QStringList, expectedPositions);
    GameData data("game.dat");
    addThreeProfiles(data, current);
    data.RecordProgress(4, 12);
    QStringList positions;
    for (const Profile &profile : data.profiles)
        positions.append(QString("%1-%2").arg(profile.level).arg(profile.sublevel));
    QCOMPARE(positions, expectedPositions);
}

void GameDataRulesTest::musicFilesInNameOrder()
{
    WorkDir dir;
    QVERIFY(QDir().mkpath("data/music/folder.xm"));
    for (const char *name : {"b.XM", "a.mod", "C.it", "d.S3m", "notes.txt", "mod"}) {
        QFile file(QString("data/music/") + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    GameData data("game.dat");
    CurrentSong = -1;
    data.ScanMusic();
    QCOMPARE(data.musicFiles, (QStringList{"a.mod", "b.XM", "C.it", "d.S3m"}));
    QCOMPARE(CurrentSong, 0);
}

void GameDataRulesTest::missingMusicFolderGivesEmptyList()
{
    WorkDir dir;
    GameData data("game.dat");
    CurrentSong = -1;
    data.ScanMusic();
    QVERIFY(data.musicFiles.isEmpty());
    QCOMPARE(CurrentSong, 0);
}

QTEST_GUILESS_MAIN(GameDataRulesTest)
#include "tst_gamedata_rules.moc"
