#include "configdialog.h"

#include "settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTranslator>
#include <QVBoxLayout>

ConfigDialog::ConfigDialog(int level, int sound, int grid, int music, int volume, int patterns)
{
    QGridLayout *controls = buildControls(level, sound, grid, music, volume, patterns);

    auto *closeButton = new QPushButton(tr("Close"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *controlsBox = new QHBoxLayout;
    controlsBox->addLayout(controls);
    auto *buttonBox = new QHBoxLayout;
    buttonBox->addStretch(1);
    buttonBox->addWidget(closeButton);
    auto *mainBox = new QVBoxLayout;
    mainBox->addLayout(controlsBox);
    mainBox->addStretch(1);
    mainBox->addSpacing(12);
    mainBox->addLayout(buttonBox);
    setLayout(mainBox);

    // Connected before the list is filled, so that LanguageFile follows the entry that
    // filling and preselecting leave current.
    connect(langBox, &QComboBox::currentIndexChanged, this, &ConfigDialog::setNewLang);
    setWindowTitle(tr("Config Dialog"));
    fillLanguages();
    setWindowIcon(QIcon(QStringLiteral(":/images/configure.png")));
}

QGridLayout *ConfigDialog::buildControls(int level, int sound, int grid, int music, int volume,
                                          int patterns)
{
    auto *levelLabel = new QLabel(tr("Game level"));
    auto *easyLabel = new QLabel(tr("Easy"));
    auto *hardLabel = new QLabel(tr("Hard"));
    hardLabel->setAlignment(Qt::AlignRight);

    // The range goes first: a value set before it would be clamped to the default range.
    levelSlider = new QSlider(Qt::Horizontal);
    levelSlider->setRange(1, 5);
    levelSlider->setTickPosition(QSlider::TicksAbove);
    levelSlider->setTickInterval(1);
    levelSlider->setValue(level);

    volumeSlider = new QSlider(Qt::Horizontal);
    volumeSlider->setRange(1, 255);
    volumeSlider->setTickPosition(QSlider::TicksAbove);
    volumeSlider->setTickInterval(15);
    volumeSlider->setValue(volume);
    volumeSlider->setTracking(true);

    auto *layout = new QGridLayout;
    layout->addWidget(easyLabel, 0, 1);
    layout->addWidget(levelSlider, 1, 1, 1, 2);
    layout->addWidget(hardLabel, 2, 2);

    soundBox = new QCheckBox(tr("Sound"));
    soundBox->setChecked(sound != 0);
    musicBox = new QCheckBox(tr("Music"));
    musicBox->setChecked(music != 0);
    gridBox = new QCheckBox(tr("Draw Grid"));
    gridBox->setChecked(grid != 0);
    langBox = new QComboBox;

    auto *maxLabel = new QLabel(tr("max"));
    maxLabel->setAlignment(Qt::AlignRight);
    auto *minLabel = new QLabel(tr("min"));
    layout->addWidget(levelLabel, 1, 0);
    layout->addWidget(soundBox, 3, 0);
    layout->addWidget(musicBox, 3, 1);
    layout->addWidget(minLabel, 4, 1);
    layout->addWidget(volumeSlider, 5, 1, 1, 2);
    layout->addWidget(maxLabel, 6, 2);
    layout->addWidget(gridBox, 4, 0);
    layout->addWidget(new QLabel(tr("Language")), 5, 0);
    layout->addWidget(langBox, 6, 0);
    // A row of its own below the others, so that no control moves.
    patternsBox = new QCheckBox(tr("Colour patterns"));
    patternsBox->setChecked(patterns != 0);
    layout->addWidget(patternsBox, 7, 0, 1, 3);
    return layout;
}

// One entry per translation in the "languages" folder, named as the translation names its
// own language; then the entry of the language loaded at start-up is made current.
void ConfigDialog::fillLanguages()
{
    const QString folder = QDir::currentPath() + QStringLiteral("/languages");
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.qm")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        QTranslator translator;
        // A file that does not load leaves the translator empty: the entry gets no name.
        (void)translator.load(folder + QLatin1Char('/') + file);
        langBox->addItem(translator.translate("Window", "English"), file);
    }
    langBox->setCurrentIndex(findLanguage(LanguageName));
}

int ConfigDialog::findLanguage(const QString &name) const
{
    return langBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ConfigDialog::setNewLang(int)
{
    const int entry = findLanguage(langBox->currentText());
    LanguageFile = entry < 0 ? QString() : langBox->itemData(entry).toString();
}

int ConfigDialog::levelValue() const
{
    return levelSlider->value();
}

int ConfigDialog::volumeValue() const
{
    return volumeSlider->value();
}

int ConfigDialog::soundChecked() const
{
    return soundBox->isChecked() ? 1 : 0;
}

int ConfigDialog::musicChecked() const
{
    return musicBox->isChecked() ? 1 : 0;
}

int ConfigDialog::gridChecked() const
{
    return gridBox->isChecked() ? 1 : 0;
}

int ConfigDialog::patternsChecked() const
{
    return patternsBox->isChecked() ? 1 : 0;
}
