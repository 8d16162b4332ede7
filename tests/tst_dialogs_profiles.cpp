// The profiles dialog: the choices it reports to the main window, and how it ends.
#include "inputanswerer.h"
#include "selprofile.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A shown dialog listing the given names, with row current (-1 for none).
struct ProfileStage {
    ProfileStage(const QStringList &names, int row)
    {
        dialog.list->addItems(names);
        dialog.list->setCurrentRow(row);
        dialog.show();
    }

    void click(const QString &text)
    {
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == text)
                return QTest::mouseClick(button, Qt::LeftButton);
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    }

    SelProfile dialog{nullptr};
    QSignalSpy selected{&dialog, &SelProfile::EndProfileSelect};
    QSignalSpy added{&dialog, &SelProfile::AddProfileName};
    QSignalSpy deleted{&dialog, &SelProfile::DeleteName};
};

QList<int> intArguments(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toInt());
    return values;
}

const QStringList threeNames{"Ann", "Bob", "Cy"};

// Points HOME at a folder named name for as long as it lives.
class HomeFolder
{
public:
    explicit HomeFolder(const QString &name) : previous(qgetenv("HOME"))
    {
        qputenv("HOME", (QDir::tempPath() + QLatin1Char('/') + name).toUtf8());
    }
    ~HomeFolder() { qputenv("HOME", previous); }

private:
    QByteArray previous;
};

} // namespace

class SelProfileTest : public QObject
{
    Q_OBJECT

private slots:
    void okSelectsTheCurrentRow_data();
    void okSelectsTheCurrentRow();
    void deleteAsksForTheCurrentRow_data();
    void deleteAsksForTheCurrentRow();
    void addAsksForTheName_data();
    void addAsksForTheName();
    void dismissalSelectsOnlyWhenRequired_data();
    void dismissalSelectsOnlyWhenRequired();
};

void SelProfileTest::okSelectsTheCurrentRow_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("required");
    QTest::addColumn<int>("chosen");
    QTest::newRow("first row") << threeNames << 0 << false << 0;
    QTest::newRow("last row") << threeNames << 2 << false << 2;
    QTest::newRow("no current row") << threeNames << -1 << false << 0;
    QTest::newRow("empty list") << QStringList{} << -1 << false << 0;
    QTest::newRow("selection required") << threeNames << 1 << true << 1;
}

void SelProfileTest::okSelectsTheCurrentRow()
{
    QFETCH(QStringList, names);
    QFETCH(int, row);
    QFETCH(bool, required);
    QFETCH(int, chosen);

    ProfileStage stage(names, row);
    stage.dialog.setSelectionRequired(required);
    stage.click(QStringLiteral("&OK"));
    // Exactly once: OK must not also run as a dismissal.
    QCOMPARE(intArguments(stage.selected), QList<int>{chosen});
    QVERIFY(stage.dialog.isHidden());
    QCOMPARE(stage.added.count() + stage.deleted.count(), 0);
}

void SelProfileTest::deleteAsksForTheCurrentRow_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("deleted");
    QTest::newRow("the only profile") << QStringList{"Ann"} << 0 << QList<int>{};
    QTest::newRow("first of two") << QStringList{"Ann", "Bob"} << 0 << QList<int>{0};
    QTest::newRow("second of two") << QStringList{"Ann", "Bob"} << 1 << QList<int>{1};
    QTest::newRow("no current row") << threeNames << -1 << QList<int>{};
}

void SelProfileTest::deleteAsksForTheCurrentRow()
{
    QFETCH(QStringList, names);
    QFETCH(int, row);
    QFETCH(QList<int>, deleted);

    ProfileStage stage(names, row);
    stage.click(QStringLiteral("&Delete "));
    QCOMPARE(intArguments(stage.deleted), deleted);
    // The main window refills the list; the dialog itself leaves it and stays open.
    QCOMPARE(stage.dialog.list->count(), names.size());
    QVERIFY(stage.dialog.isVisible());
    QCOMPARE(stage.selected.count(), 0);
}

void SelProfileTest::addAsksForTheName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("a name") << "Ann" << QStringList{"Ann"};
    QTest::newRow("the pre-filled name") << "<Ok>" << QStringList{"Robin"};
    QTest::newRow("30 characters") << "abcdefghijklmnopqrstuvwxyz1234"
                                   << QStringList{"abcdefghijklmnopqrst"};
    QTest::newRow("blanks only") << "   " << QStringList{"   "};
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("cancelled") << "<Cancel>" << QStringList{};
}

void SelProfileTest::addAsksForTheName()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, added);

    // The prompt offers the name of the player's home folder.
    const HomeFolder home(QStringLiteral("Robin"));
    ProfileStage stage(threeNames, 0);
    InputAnswerer answerer({answer});
    stage.click(QStringLiteral("&Add New"));

    QCOMPARE(answerer.seen().size(), 1);
    const SeenInput &input = answerer.seen().first();
    QCOMPARE(input.title, QStringLiteral("Creating new profile"));
    QCOMPARE(input.label, QStringLiteral("Enter your name:"));
    QCOMPARE(input.prefilled, QStringLiteral("Robin"));

    QStringList names;
    for (const QList<QVariant> &arguments : stage.added)
        names.append(arguments.at(0).toString());
    QCOMPARE(names, added);
    QVERIFY(stage.dialog.isVisible());
    QCOMPARE(stage.selected.count(), 0);
}

void SelProfileTest::dismissalSelectsOnlyWhenRequired_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addColumn<bool>("required");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("title bar, selection kept") << false << false << 1 << QList<int>{};
    QTest::newRow("Escape, selection kept") << true << false << 1 << QList<int>{};
    QTest::newRow("title bar, selection required") << false << true << 1 << QList<int>{1};
    QTest::newRow("Escape, selection required") << true << true << 2 << QList<int>{2};
    QTest::newRow("required, no current row") << false << true << -1 << QList<int>{0};
}

void SelProfileTest::dismissalSelectsOnlyWhenRequired()
{
    QFETCH(bool, escape);
    QFETCH(bool, required);
    QFETCH(int, row);
    QFETCH(QList<int>, selected);

    ProfileStage stage(threeNames, row);
    stage.dialog.setSelectionRequired(required);
    if (escape)
        QTest::keyClick(stage.dialog.list, Qt::Key_Escape);
    else
        static_cast<QWidget &>(stage.dialog).close();
    QVERIFY(stage.dialog.isHidden());
    QCOMPARE(intArguments(stage.selected), selected);
}

QTEST_MAIN(SelProfileTest)
#include "tst_dialogs_profiles.moc"
