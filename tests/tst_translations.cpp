// Every shipped translation in turn: its texts fit the windows, boxes, menu screen and information
// bar that show them, and every .ts file holds every text of the code, finished, well formed and
// drawable with the installed fonts.
#include "board.h"
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

// Twelve characters: a long-ish name as players give themselves.
const QString PlayerName = QStringLiteral("Konstantinos");

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

// Whether some installed font has every character of text, as Qt falls back from font to font:
// a character without one shows as an empty box.
bool drawable(const QString &text, const QFont &font)
{
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            return false;
    return true;
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
    // The greeting from (200, 50) and the right-aligned "if this is not you click" line with
    // the 32-pixel players picture after it, inside the 400-pixel menu picture.
    void menuTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        RenderArea area;
        const QFontMetrics big(QFont(QStringLiteral("Times"), 16), &area);
        const QFontMetrics small(QFont(QStringLiteral("Times"), 12), &area);
        const QString hello = translated("RenderArea", "Hello") + ' ' + PlayerName;
        // Inside the picture's greeting panel, which is clear up to x = 392, then bordered.
        QVERIFY2(200 + big.horizontalAdvance(hello) <= 393, qPrintable(hello));
        const QString notYou = translated("RenderArea", "if this is not you click");
        const QRect line = small.boundingRect(QRect(135, 0, 230, 50), Qt::AlignRight, notYou);
        QVERIFY2(line.width() <= 230 && line.height() <= 50 && line.right() + 1 + 32 <= 400,
                 qPrintable(notYou));
    }

    void barTextsFit_data() { languages(); }
    // The longest time and level texts on the narrowest bars, the classic and the puzzle board's.
    void barTextsFit()
    {
        QFETCH(QString, file);
        Player player(file);
        Window window;
        window.show(); // the board widget takes the window's size once it is laid out on screen
        auto *area = window.findChild<RenderArea *>();
        const QFontMetrics bar(QFont(QStringLiteral("Times"), 20), area);
        const QString time = translated("RenderArea", "Time:") + QStringLiteral(" 9999");
        const QString level = translated("RenderArea", "Level:") + QStringLiteral(" 5-26");
        const auto width = [&](const QString &text) {
            return bar.boundingRect(QRect(0, 0, 2000, 50), Qt::AlignTop, text).width();
        };
        const auto on = [](const QString &text, int pixels) {
            return QStringLiteral("%1 on %2 pixels").arg(text).arg(pixels).toUtf8();
        };
        area->StartClassicGame(); // its time text may run past its 100-pixel box, up to the edge
        QVERIFY2(10 + width(time) <= area->width(), on(time, area->width()).constData());
        area->SetPlayer(PlayerName, narrowestPuzzle.x(), narrowestPuzzle.y());
        area->board.mode = 2;
        area->LoadPuzzleLevel();
        const int room = area->width() - 10;
        QVERIFY2(width(time) <= qMin(200, room), on(time, room).constData()); // cut at its 200-pixel box
        QVERIFY2(width(level) <= qMin(400, room), on(level, room).constData());
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
    // Every translation can be drawn in the menu screen's "Times" and in the dialogs' font.
    void fontsHaveEveryGlyph()
    {
        QFETCH(QString, file);
        QStringList boxes;
        for (const TsMessage &m : readTs(TAVNI_SOURCE_DIR "/translations/" + file))
            if (!drawable(m.translation, QFont(QStringLiteral("Times"), 16))
                || !drawable(m.translation, QApplication::font()))
                boxes << m.context + ": " + m.translation;
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
