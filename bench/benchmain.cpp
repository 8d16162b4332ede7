// The benchmark driver: runs every case headless on a 1280 x 1024 offscreen screen (and one at
// pixel ratio 2 beside it), in a player's folder of its own, and prints the results table (see
// the README, "Speed").
#include "boardcases.h"
#include "boardstage.h"
#include "fmodlayer.h"
#include "resultstable.h"
#include "scratchfolder.h"
#include "settings.h"
#include "startupcases.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

// A screen large enough for the 16 x 11 board at 60-pixel cells: 18 * 60 + 80 by 13 * 60 + 80.
constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 1024;

void useScreens(const QString &config)
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}

// For this process, with a second screen at pixel ratio 2, and the probes it starts, which
// get the first screen only once the application is made.
void useHeadlessPlatform(ScratchFolder &folder)
{
    useScreens(folder.writeScreenConfig(ScreenWidth, ScreenHeight, true));
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", folder.makeRuntimeFolder().toLocal8Bit());
}

// As the main window does: effects play on, through SDL's silent output.
void startSound()
{
    FSOUND_Init(44100, 32, 1);
    SoundOn = 1;
    DrawGrid = 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::srand(1);
    ScratchFolder folder(QStringLiteral(TAVNI_RUN_DIR));
    useHeadlessPlatform(folder);
    if (!folder.error().isEmpty()) {
        std::fprintf(stderr, "tavni_bench: %s\n", qPrintable(folder.error()));
        return 1;
    }
    QApplication app(argc, argv);
    useScreens(folder.writeScreenConfig(ScreenWidth, ScreenHeight));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    startSound();
    BoardStage stage(1);
    BoardStage doubled(2);
    registerBoardCases(stage, doubled);
    const QString probe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/tavni_startup_probe");
    registerStartupCases(probe, folder.path());
    ResultsTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    FSOUND_Close();
    return 0;
}
