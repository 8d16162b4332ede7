// Every shipped translation in turn: its texts fit the windows, boxes, menu screen and information
// bar that show them, and every .ts file holds every text of the code, finished and drawable in
// the faces the game carries.
#include "board.h"
#include "boardfonts.h"
#include "boxanswerer.h"
#include "fmodlayer.h"
#include "gamestage.h"
#include "languages.h"
#include "playerfolder.h"
#include "renderarea.h"
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

// The letter that "&" marks in text, or a null character; "&&" is a plain ampersand.
QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

// What a widget shows and the size it needs for it; an empty text for widgets without one.
QPair<QString, QSize> shownText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->wordWrap())
            return {label->text(), {1, label->heightForWidth(label->width())}};
        return {label->text(), label->sizeHint()};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return {button->text(), button->sizeHint()};
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return {list->currentText(), list->sizeHint()};
    if (auto *bar = qobject_cast<QTabBar *>(widget))
        return {bar->tabText(0), bar->sizeHint()};
    return {};
}

// Every text of window shown smaller than it needs, each mnemonic used twice, and the window
// leaving the screen, as lines naming the window and the text.
QStringList cutTexts(QWidget *window)
{
    QStringList problems;
    const QString where =
        QStringLiteral("%1 \"%2\": ").arg(window->metaObject()->className(), window->windowTitle());
    if (!window->screen()->availableGeometry().contains(window->frameGeometry()))
        problems << where + QStringLiteral("the window leaves the screen");
    QMap<QChar, QString> mnemonics;
    QStringList marked;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisibleTo(window))
            continue;
        const auto [text, needed] = shownText(widget);
        if (!text.isEmpty() && (widget->width() < needed.width() || widget->height() < needed.height()))
            problems << where + QStringLiteral("%1 \"%2\" is %3x%4, needs %5x%6")
                                    .arg(widget->metaObject()->className(), text)
                                    .arg(widget->width()).arg(widget->height())
                                    .arg(needed.width()).arg(needed.height());
        auto *list = qobject_cast<QListWidget *>(widget);
        if (list && (list->verticalScrollBar()->maximum() > 0
                     || list->horizontalScrollBar()->maximum() > 0))
            problems << where + QStringLiteral("the list \"%1\" ... does not show its %2 rows whole")
                                    .arg(list->count() ? list->item(0)->text() : QString()).arg(list->count());
        auto *tool = qobject_cast<QToolButton *>(widget);
        if (!text.isEmpty() && !(tool && tool->defaultAction()))
            marked << text;
    }
    for (QAction *action : window->findChildren<QAction *>())
        marked << action->text();
    for (const QString &text : marked) {
        const QChar letter = mnemonic(text);
        if (!letter.isNull() && mnemonics.contains(letter) && mnemonics[letter] != text)
            problems << where
                    + QStringLiteral("\"%1\" and \"%2\" share &%3").arg(mnemonics[letter], text, letter);
        if (!letter.isNull())
            mnemonics.insert(letter, text);
    }
    return problems;
}

// A scratch player folder holding every shipped translation, with the one given chosen and
// installed as the game does at start-up; "Konstantinos" is the one profile, unless the start
// is the very first.
struct Player : PlayerFolder {
    explicit Player(const QString &language, bool firstStart = false)
    {
        write(QStringLiteral("game.dat"), settingsFile(1, 1, 1, 0, 128, language));
        if (!firstStart)
            write(QStringLiteral("profiles.dat"), profilesFile({PlayerName}, 0));
        QDir().mkdir(QStringLiteral("languages"));
        const QDir shipped(TAVNI_LANGUAGES_DIR);
        for (const QString &file : shipped.entryList({QStringLiteral("*.qm")}, QDir::Files))
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

// Checks each text input dialog while it is open, then confirms it with the player's name.
struct PromptChecker : QObject {
    PromptChecker() { startTimer(0); }
    QStringList seen, problems, buttons;

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!prompt || !prompt->isVisible())
            return;
        seen << prompt->windowTitle() + '|' + prompt->labelText();
        for (const QPushButton *button : prompt->findChildren<QPushButton *>())
            buttons << button->text();
        problems << cutTexts(prompt);
        prompt->setTextValue(PlayerName);
        prompt->done(QDialog::Accepted);
    }
};

// Answers the game's boxes in turn and checks each one while it is open.
struct BoxChecker : GameStage {
    BoxChecker() : GameStage(0) {}
    QStringList problems;
    QString look() override
    {
        problems << cutTexts(QApplication::activeModalWidget());
        return GameStage::look();
    }
};

// Runs the main window's command on the given shortcut, whatever its text in the language.
void run(QWidget &window, QKeyCombination keys)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->shortcut() == QKeySequence(keys)) return action->trigger();
    qFatal("no command on %s", qPrintable(QKeySequence(keys).toString()));
}

// The message under each <message> of a .ts file that is not obsolete, as context and source,
// and its translation with the type the translation carries.
struct TsMessage { QString context, source, translation, type; };
QList<TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<TsMessage> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages << TsMessage{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    messages.removeIf([](const TsMessage &m) { return m.type == "obsolete" || m.type == "vanished"; });
    return messages;
}

// Whether the game's own faces draw every character of text, with no character left to
// another font or shown as an empty box.
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

// The light pixels, the bar's white text, of rect in image that lie outside the given areas.
int lightPixelsOutside(const QImage &image, const QRect &rect, const QRegion &areas)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += qGray(image.pixel(x, y)) > 160 && !areas.contains(QPoint(x, y));
    return count;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
    QPoint narrowestPuzzle; // the puzzle sub-level with the narrowest board

    void languages()
    {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(TAVNI_LANGUAGES_DIR).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 16, qPrintable(files.join(' ')));
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void sources()
    {
        QTest::addColumn<QString>("file");
        const QDir folder(TAVNI_SOURCE_DIR "/translations");
        for (const QString &file : folder.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file)) << file;
    }

private slots:
    void initTestCase()
    {
        int narrowest = INT_MAX;
        for (int level = 1; level <= SeriesLevels; ++level)
            for (int sub = 1; sub <= subLevelCount(level); ++sub) {
                Board board;
                board.load(QStringLiteral(":/levels/levels%1/%2.map").arg(level).arg(sub));
                if (board.columns < narrowest) {
                    narrowest = board.columns;
                    narrowestPuzzle = QPoint(level, sub);
                }
            }
    }

    void windowsFit_data() { languages(); }
    // The main window with its toolbar and every secondary window with text, open at once.
    void windowsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        QVERIFY2(!LanguageName.isEmpty(), "the translation does not name its language");
        Window window;
        window.show();
        run(window, Qt::CTRL | Qt::Key_U);
        run(window, Qt::CTRL | Qt::Key_T);
        run(window, Qt::CTRL | Qt::Key_A);
        QStringList problems;
        for (QWidget *top : QApplication::topLevelWidgets()) {
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
        QCoreApplication::processEvents();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible()) problems << cutTexts(top);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        window.close();
    }

    void promptsFit_data() { languages(); }
    // The first start's name prompt, and the profiles window's prompt for another player.
    void promptsFit()
    {
        QFETCH(QString, file);
        Player player(file, true);
        PromptChecker prompts;
        Window window;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *profiles = qobject_cast<SelProfile *>(top))
                profiles->findChildren<QPushButton *>().first()->click(); // Add New
        const QString asked =
            translated("Window", "Creating new profile") + '|' + translated("Window", "Enter your name:");
        QCOMPARE(prompts.seen.size(), 2);
        QCOMPARE(prompts.seen.first(), asked);
        // Qt's own buttons speak the language too, where the system has Qt's translation of it.
        const QString language = player.translator.language();
        QTranslator toolkit;
        const bool qtHasIt = toolkit.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qtHasIt && !language.startsWith(QStringLiteral("en")))
            QVERIFY2(!prompts.buttons.contains(QStringLiteral("Cancel")), qPrintable(prompts.buttons.join(',')));
        QVERIFY2(prompts.problems.isEmpty(), qPrintable(prompts.problems.join('\n')));
        window.close();
    }

    void gameBoxesFit_data() { languages(); }
    // The classic game's completion box, the level and stage boxes after 1-74, and both questions.
    void gameBoxesFit()
    {
        QFETCH(QString, file);
        Player player(file);
        BoxChecker stage;
        // The boards are not scrambled: a press anywhere finds one solved.
        const auto press = [&] { QTest::mouseClick(&stage.area, Qt::MiddleButton, {}, QPoint(150, 150)); };
        stage.area.StartClassicGame();
        press();
        stage.answers = QStringList{"<Enter>"};
        stage.area.SetPlayer(PlayerName, 1, 74);
        stage.area.StartPuzzleGame();
        press();
        stage.area.SetPlayer(PlayerName, 6, 1);
        stage.area.StartPuzzleGame(); // escaped: play from the beginning is cancelled
        const QStringList boxes = stage.log.filter(QStringLiteral(" ["));
        QVERIFY2(boxes.size() == 5, qPrintable(stage.log.join('\n')));
        QVERIFY2(stage.problems.isEmpty(), qPrintable(stage.problems.join('\n')));
    }

    void menuTextsFit_data() { languages(); }
    // The greeting stays inside the menu picture's greeting panel whatever the name's length; a
    // short name is greeted whole in the type of an empty one. Nothing is drawn beyond the panel
    // but the players picture after the line below.
    void menuTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        RenderArea area;
        area.resize(QImage(":/images/1.png").size());
        const QPainterPath panel = RenderArea::GreetingPanel();
        const MenuText longName = area.MenuTextLayout(PlayerName);
        const MenuText shortName = area.MenuTextLayout(ShortName);
        QVERIFY2(panel.contains(QRectF(longName.greetingBounds)), qPrintable(longName.greeting));
        QVERIFY2(panel.contains(QRectF(shortName.greetingBounds)), qPrintable(shortName.greeting));
        QCOMPARE(shortName.greeting, translated("RenderArea", "Hello") + ' ' + ShortName);
        QCOMPARE(shortName.greetingFont, area.MenuTextLayout(QString()).greetingFont);

        area.SetPlayer(PlayerName, 1, 1);
        const QImage menu = QImage(":/images/1.png").convertToFormat(QImage::Format_RGB32);
        QImage screen = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QPainter blank(&screen);
        blank.drawImage(panel.boundingRect().toAlignedRect(), menu, panel.boundingRect().toAlignedRect());
        const QRect users(longName.usersAt, QImage(":/images/users.png").size());
        QVERIFY2(QRect(QPoint(), menu.size()).contains(users), qPrintable(longName.line));
        blank.drawImage(users, menu, users);
        blank.end();
        QVERIFY2(screen == menu, "text drawn beyond the greeting panel");
    }

    void barTextsFit_data() { languages(); }
    // The longest time and level texts on the narrowest bars, the classic and the puzzle board's,
    // and the puzzle bar's two lines apart from each other, as drawn.
    void barTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        Window window;
        window.show(); // the board widget takes the window's size once it is laid out on screen
        auto *area = window.findChild<RenderArea *>();
        const QString time = translated("RenderArea", "Time:") + QStringLiteral(" 9999");
        const QString level = translated("RenderArea", "Level:") + QStringLiteral(" 5-26");
        const auto on = [](const QString &text, int pixels) {
            return QStringLiteral("%1 on %2 pixels").arg(text).arg(pixels).toUtf8();
        };
        area->StartClassicGame(); // its time text may run past its 100-pixel box, up to the edge
        QVERIFY2(area->HudLayout(time, level).timeBounds.right() < area->width(),
                 on(time, area->width()).constData());
        area->SetPlayer(PlayerName, narrowestPuzzle.x(), narrowestPuzzle.y());
        area->board.mode = PuzzleGame;
        area->LoadPuzzleLevel();
        const HudText bar = area->HudLayout(time, level);
        QVERIFY2(bar.timeBox.contains(bar.timeBounds) && bar.timeBounds.right() < area->width(),
                 on(time, area->width()).constData()); // cut at its box
        QVERIFY2(bar.levelBox.contains(bar.levelBounds) && bar.levelBounds.right() < area->width(),
                 on(level, area->width()).constData());
        QVERIFY2(bar.levelBounds.bottom() < area->height(), "the level runs off the bar");
        QVERIFY2(bar.levelBounds.top() > bar.timeBounds.bottom() + 1, "the lines touch");
        // What the bar shows lies where its layout says, antialiasing aside.
        const HudText now = area->HudLayout();
        const QRect shown(0, area->height() - area->hudHeight, area->width(), area->hudHeight);
        const QRegion drawn = QRegion(now.timeBounds.adjusted(-1, -1, 1, 1))
                              + now.levelBounds.adjusted(-1, -1, 1, 1);
        QCOMPARE(lightPixelsOutside(area->grab().toImage(), shown, drawn), 0);
        window.close();
    }

    void inStepWithTheCode_data() { sources(); }
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
        const QList<TsMessage> messages = readTs(copy);
        QVERIFY(!messages.isEmpty());
        QStringList unfinished;
        for (const TsMessage &message : messages)
            if (message.type == "unfinished") unfinished << message.context + ": " + message.source;
        QVERIFY2(unfinished.isEmpty(), qPrintable("untranslated:\n" + unfinished.join('\n')));
        QVERIFY(QFile::exists(TAVNI_LANGUAGES_DIR "/" + QString(file).replace(".ts", ".qm")));
    }

    void fontsHaveEveryGlyph_data() { sources(); }
    // The faces the game carries draw every translation, whatever fonts the machine has.
    void fontsHaveEveryGlyph()
    {
        QFETCH(QString, file);
        installBoardFonts(QString(file).section('_', 1).section('.', 0, 0));
        QStringList missing;
        for (const TsMessage &m : readTs(TAVNI_SOURCE_DIR "/translations/" + file))
            if (!inOwnFaces(m.translation))
                missing << m.context + ": " + m.translation;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
