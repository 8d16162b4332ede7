// Every shipped translation in turn: its texts fit the windows, prompts, menu screen and
// information bar that show them (the game's boxes size themselves to their texts), and every
// .ts file holds every text of the code, finished and drawable in the faces the game carries.
#include "boardfonts.h"
#include "boxanswerer.h"
#include "fmodlayer.h"
#include "renderarea.h"
#include "languages.h"
#include "playerfolder.h"
#include "selprofile.h"
#include "series.h"
#include "settings.h"
#include "window.h"

#include <QtTest>
#include <QLibraryInfo>
#include <QtWidgets>

namespace {

// A name as long as the name prompt keeps, and a short one.
const QString PlayerName = QStringLiteral("Maximiliano Wolfgang");
const QString ShortName = QStringLiteral("Konstanti");

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

// What a widget shows and the size it needs for it; an empty text for widgets without one.
QPair<QString, QSize> shownText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return {label->text(), label->wordWrap() ? QSize(1, label->heightForWidth(label->width()))
                                                 : label->sizeHint()};
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return {button->text(), button->sizeHint()};
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return {list->currentText(), list->sizeHint()};
    if (auto *bar = qobject_cast<QTabBar *>(widget))
        return {bar->tabText(0), bar->sizeHint()};
    return {};
}

// Every text of window shown smaller than it needs, a list that must scroll, and the window
// leaving the screen. (tools/check_mnemonics.py checks the mnemonics of each window.)
QStringList cutTexts(QWidget *window)
{
    const QString where = window->metaObject()->className() + QStringLiteral(": ");
    QStringList problems;
    if (!window->screen()->availableGeometry().contains(window->frameGeometry()))
        problems << where + QStringLiteral("the window leaves the screen");
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisibleTo(window))
            continue;
        const auto [text, needed] = shownText(widget);
        if (!text.isEmpty() && (widget->width() < needed.width() || widget->height() < needed.height()))
            problems << where + QStringLiteral("\"%1\" is %2x%3, needs %4x%5").arg(text)
                                    .arg(widget->width()).arg(widget->height())
                                    .arg(needed.width()).arg(needed.height());
        auto *list = qobject_cast<QListWidget *>(widget);
        if (list && (list->verticalScrollBar()->maximum() > 0 || list->horizontalScrollBar()->maximum() > 0))
            problems << where + QStringLiteral("a list does not show its %1 rows whole").arg(list->count());
    }
    return problems;
}

// A scratch player folder holding every shipped translation, with the one given chosen and
// installed as the game does at start-up; PlayerName is the one profile, unless the start is
// the very first.
struct Player : PlayerFolder {
    explicit Player(const QString &language, bool firstStart = false)
    {
        write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128, language));
        if (!firstStart)
            write(QStringLiteral("profiles.dat"), profilesFile({PlayerName}, 0));
        QDir().mkdir(QStringLiteral("languages"));
        for (const QString &file : QDir(TAVNI_LANGUAGES_DIR).entryList({"*.qm"}, QDir::Files))
            QFile::copy(TAVNI_LANGUAGES_DIR "/" + file, QStringLiteral("languages/") + file);
        LanguageName.clear();
        installTranslation(*qApp, translator);
        installBoardFonts(translator.language());
    }
    ~Player()
    {
        QCoreApplication::removeTranslator(&translator);
        qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)); // Qt's own
        FSOUND_Close();
    }
    QTranslator translator;
};

// Answers the name prompts with the player's name, checking each while it is open.
struct PromptChecker : BoxAnswerer {
    PromptChecker() : BoxAnswerer({PlayerName, PlayerName}) {}
    QStringList problems, buttons;
    QString look() override
    {
        QWidget *prompt = QApplication::activeModalWidget();
        problems << cutTexts(prompt);
        for (const QPushButton *button : prompt->findChildren<QPushButton *>())
            buttons << button->text();
        return {};
    }
};

// Runs the main window's command on the given shortcut, whatever its text in the language.
void run(QWidget &window, QKeyCombination keys)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->shortcut() == QKeySequence(keys)) return action->trigger();
    qFatal("no command on %s", qPrintable(QKeySequence(keys).toString()));
}

// The translations that the .ts file at path gives.
QStringList translationsIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
            texts << xml.readElementText();
    return texts;
}

// Whether the game's own faces draw every character of text, none left to another font.
bool inOwnFaces(const QString &text)
{
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')), boardFont(16));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        if (!run.rawFont().familyName().startsWith(QLatin1String("Tavni Serif"))
            || run.glyphIndexes().contains(0))
            return false;
    return true;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
    QPoint narrowestPuzzle; // the puzzle stage with the narrowest board

    void files(const QString &folder, const QString &pattern)
    {
        QTest::addColumn<QString>("file");
        const QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 16, qPrintable(names.join(' ')));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

private slots:
    void initTestCase()
    {
        int narrowest = INT_MAX;
        for (int level = 1; level <= SeriesLevels; ++level)
            for (int sub = 1; sub <= subLevelCount(level); ++sub) {
                Board board;
                board.load(QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(sub));
                if (board.columns < narrowest)
                    std::tie(narrowest, narrowestPuzzle) = std::tuple(board.columns, QPoint(level, sub));
            }
    }

    void windowsFit_data() { files(TAVNI_LANGUAGES_DIR, "*.qm"); }
    // A first start: both name prompts, then the main window with its toolbar and every
    // secondary window with text open at once, the languages listed each by its own name.
    void windowsFit()
    {
        QFETCH(QString, file);
        Player player(file, true);
        QVERIFY2(!LanguageName.isEmpty(), "the translation does not name its language");
        PromptChecker prompts;
        Window window;
        window.show();
        run(window, Qt::CTRL | Qt::Key_U);
        run(window, Qt::CTRL | Qt::Key_T);
        run(window, Qt::CTRL | Qt::Key_A);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *profiles = qobject_cast<SelProfile *>(top))
                profiles->findChildren<QPushButton *>().first()->click(); // Add New
            if (auto *options = qobject_cast<QDialog *>(top)) {
                options->show();
                auto *list = options->findChild<QComboBox *>();
                QSet<QString> names;
                for (int i = 0; i < list->count(); ++i)
                    names << list->itemText(i);
                QVERIFY2(names.size() == list->count() && !names.contains(QString()),
                         "two languages share a name, or one has none");
                QCOMPARE(list->currentText(), LanguageName);
            }
        }
        const QString asked = translated("Window", "Creating new profile") + '|' + translated("Window", "Enter your name:");
        QCOMPARE(prompts.log.size(), 2);
        for (const QString &prompt : prompts.log)
            QCOMPARE(prompt.section('|', 0, 1), asked);
        // Qt's own buttons speak the language too, where the system has Qt's translation of it.
        QTranslator toolkit;
        const QString language = player.translator.language();
        if (!language.startsWith(QLatin1String("en"))
            && toolkit.load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QVERIFY2(!prompts.buttons.contains("Cancel"), qPrintable(prompts.buttons.join(',')));
        QCoreApplication::processEvents();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible()) prompts.problems << cutTexts(top);
        QVERIFY2(prompts.problems.isEmpty(), qPrintable(prompts.problems.join('\n')));
        window.close();
    }

    void menuTextsFit_data() { files(TAVNI_LANGUAGES_DIR, "*.qm"); }
    // The greeting stays inside the menu picture's greeting panel whatever the name's length; a
    // short name is greeted whole in the type of an empty one. Nothing is drawn beyond the panel
    // but the players picture after the line below.
    void menuTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        const QImage menu = QImage(":/images/1.png").convertToFormat(QImage::Format_RGB32);
        RenderArea area;
        area.resize(menu.size());
        const QPainterPath panel = RenderArea::GreetingPanel();
        const MenuText longName = area.MenuTextLayout(PlayerName);
        const MenuText shortName = area.MenuTextLayout(ShortName);
        QVERIFY2(panel.contains(QRectF(longName.greetingBounds)), qPrintable(longName.greeting));
        QVERIFY2(panel.contains(QRectF(shortName.greetingBounds)), qPrintable(shortName.greeting));
        QCOMPARE(shortName.greeting, translated("RenderArea", "Hello") + ' ' + ShortName);
        QCOMPARE(shortName.greetingFont, area.MenuTextLayout(QString()).greetingFont);

        area.SetPlayer(PlayerName, 1, 1);
        QImage screen = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect users(longName.usersAt, QImage(":/images/users.png").size());
        QVERIFY2(menu.rect().contains(users), qPrintable(longName.line));
        QPainter blank(&screen);
        for (const QRect &drawn : {panel.boundingRect().toAlignedRect(), users})
            blank.drawImage(drawn, menu, drawn);
        blank.end();
        QVERIFY2(screen == menu, "text drawn beyond the greeting panel");
    }

    void barTextsFit_data() { files(TAVNI_LANGUAGES_DIR, "*.qm"); }
    // The longest time and level texts on the narrowest bars, the classic and the puzzle board's,
    // and the puzzle bar's two lines apart from each other. (tst_renderarea finds the bar's
    // texts as drawn where this layout puts them.)
    void barTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        Window window;
        window.show(); // the board widget takes the window's size once it is laid out on screen
        auto *area = window.findChild<RenderArea *>();
        const QString time = translated("RenderArea", "Time:") + QStringLiteral(" 9999");
        const QString level = translated("RenderArea", "Level:") + QStringLiteral(" 5-26");
        area->StartClassicGame(); // its time text may run past its box, up to the edge
        QVERIFY2(area->HudLayout(time, level).timeBounds.right() < area->width(), qPrintable(time));
        area->SetPlayer(PlayerName, narrowestPuzzle.x(), narrowestPuzzle.y());
        area->board.mode = PuzzleGame;
        area->LoadPuzzleLevel();
        const HudText bar = area->HudLayout(time, level);
        QVERIFY2(bar.timeBox.contains(bar.timeBounds) && bar.timeBounds.right() < area->width(), qPrintable(time));
        QVERIFY2(bar.levelBox.contains(bar.levelBounds) && bar.levelBounds.right() < area->width(), qPrintable(level));
        QVERIFY2(bar.levelBounds.bottom() < area->height(), "the level runs off the bar");
        QVERIFY2(bar.levelBounds.top() > bar.timeBounds.bottom() + 1, "the lines touch");
        window.close();
    }

    void inStepWithTheCode_data() { files(TAVNI_SOURCE_DIR "/translations", "*.ts"); }
    // lupdate over the code adds what a .ts lacks as unfinished: none may be left, and the file
    // must be compiled into the run folder.
    void inStepWithTheCode()
    {
        QFETCH(QString, file);
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(file);
        QVERIFY(QFile::copy(TAVNI_SOURCE_DIR "/translations/" + file, copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(TAVNI_SOURCE_DIR);
        lupdate.start(TAVNI_LUPDATE, {"-silent", "-locations", "none", "-no-obsolete",
                                      "view", "shell", "dialogs", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        static const QRegularExpression entry(R"(<source>([^<]*)</source>\s*<translation type="unfinished")");
        QStringList unfinished;
        for (const QRegularExpressionMatch &match : entry.globalMatch(QString::fromUtf8(updated.readAll())))
            unfinished << match.captured(1);
        QVERIFY2(unfinished.isEmpty(), qPrintable("untranslated:\n" + unfinished.join('\n')));
        QVERIFY(!translationsIn(copy).isEmpty());
        QVERIFY(QFile::exists(TAVNI_LANGUAGES_DIR "/" + QString(file).replace(".ts", ".qm")));
    }

    void fontsHaveEveryGlyph_data() { files(TAVNI_SOURCE_DIR "/translations", "*.ts"); }
    // The faces the game carries draw every translation, whatever fonts the machine has.
    void fontsHaveEveryGlyph()
    {
        QFETCH(QString, file);
        installBoardFonts(QString(file).section('_', 1).section('.', 0, 0));
        QStringList missing = translationsIn(TAVNI_SOURCE_DIR "/translations/" + file);
        missing.removeIf(inOwnFaces);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
