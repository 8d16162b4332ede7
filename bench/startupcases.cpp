#include "startupcases.h"

#include <QMap>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

const char *const ProbeSteps[] = {"main",   "application", "translation",
                                  "window", "shown",       "painted"};
const int ProbeStepCount = int(std::size(ProbeSteps));

namespace {

constexpr int StartupRuns = 10;
constexpr int PlayRuns = 5;
constexpr int ProbeTimeoutMs = 60000;

// What one run of the probe printed: when it reached each step, in seconds after the driver
// started it, and its peak resident memory in kB.
struct ProbeRun {
    QString error;
    QMap<QByteArray, double> steps;
    double peakKb = 0;
    double seconds = 0; // from start to exit
};

qint64 steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void readProbeOutput(const QByteArray &output, qint64 started, ProbeRun &run)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 2)
            continue;
        if (fields[0] == "peak_rss_kb")
            run.peakKb = fields[1].toDouble();
        else
            run.steps.insert(fields[0], double(fields[1].toLongLong() - started) * 1e-9);
    }
}

// The driver's clock and the probe's are the same steady clock, so the probe's times are
// taken against the moment just before the process is created. What the probe says on its
// error channel is shown only when it fails.
ProbeRun runProbe(const QString &probe, const QString &folder, const QStringList &arguments)
{
    ProbeRun run;
    QProcess process;
    process.setWorkingDirectory(folder);
    const qint64 started = steadyNanoseconds();
    process.start(probe, arguments);
    const bool finished = process.waitForFinished(ProbeTimeoutMs);
    run.seconds = double(steadyNanoseconds() - started) * 1e-9;
    if (!finished) {
        process.kill();
        process.waitForFinished();
        run.error = QStringLiteral("the probe did not finish: ") + process.errorString();
    } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        run.error = QStringLiteral("the probe failed");
    }
    readProbeOutput(process.readAllStandardOutput(), started, run);
    if (run.error.isEmpty() && !run.steps.contains("painted"))
        run.error = QStringLiteral("the probe painted no frame");
    if (!run.error.isEmpty())
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
    return run;
}

void startup(benchmark::State &state, const QString &probe, const QString &folder,
             const QStringList &arguments)
{
    for (auto _ : state) {
        const ProbeRun run = runProbe(probe, folder, arguments);
        if (!run.error.isEmpty()) {
            state.SkipWithError(qPrintable(run.error));
            return;
        }
        state.SetIterationTime(run.steps.value("painted"));
        for (const char *step : ProbeSteps) {
            if (run.steps.contains(step))
                state.counters[step] = run.steps.value(step);
        }
    }
}

// The whole run is its time; the peak memory (MB) and, when the probe played, the time from the
// start of the level to its first picture are its counters.
void play(benchmark::State &state, const QString &probe, const QString &folder,
          const QStringList &arguments)
{
    for (auto _ : state) {
        const ProbeRun run = runProbe(probe, folder, arguments);
        const QString error = run.error.isEmpty() && run.peakKb <= 0
            ? QStringLiteral("the probe reported no peak memory")
            : run.error;
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        state.SetIterationTime(run.seconds);
        state.counters["peak_rss"] = run.peakKb / 1024.0;
        if (run.steps.contains("level_painted")) {
            state.counters["level_start"] =
                run.steps.value("level_painted") - run.steps.value("level");
        }
    }
}

template<typename Case>
void registerProbeCase(const char *name, Case function, int runs, const QString &probe,
                       const QString &folder, const QStringList &arguments)
{
    benchmark::RegisterBenchmark(name, [=](benchmark::State &state) {
        function(state, probe, folder, arguments);
    })
        ->Iterations(1)
        ->Repetitions(runs)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

void registerStartupCases(const QString &probe, const QString &folder)
{
    const QStringList bare = {QStringLiteral("--bare")};
    registerProbeCase("startup", &startup, StartupRuns, probe, folder, {});
    registerProbeCase("startup_bare", &startup, StartupRuns, probe, folder, bare);
    registerProbeCase("play", &play, PlayRuns, probe, folder, {QStringLiteral("--play")});
    registerProbeCase("play_bare", &play, PlayRuns, probe, folder, bare);
}
