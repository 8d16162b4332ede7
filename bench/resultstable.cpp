#include "resultstable.h"

#include "startupcases.h"

#include <QFile>
#include <QSysInfo>
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

enum class Unit { Seconds, Megabytes };

// What a row of the table is about, what it is compared with and what it must reach.
struct ResultsTable::Row {
    const char *label;
    const char *name;    // the benchmark
    const char *counter; // the counter measured; null for the time of an iteration
    Unit unit;
    const char *reference; // the benchmark it is divided by; null for none
    const char *referenceLabel;
    const char *goalText;
    double maxValue = 0;     // seconds or MB; 0 for no such goal
    double maxFrames = 0;    // share of a 60 Hz frame; 0 for no such goal
    double maxReference = 0; // times the reference; 0 for no such goal
};

namespace {

constexpr double FrameSeconds = 1.0 / 60.0;

using Row = ResultsTable::Row;

const Row Rows[] = {
    {"Turn: `rotateLeft` + `refreshColours`", "turn", nullptr, Unit::Seconds, "blit", "blit", "",
     0, 0, 0},
    {"Press to new picture", "press", nullptr, Unit::Seconds, "blit", "blit",
     "≤ 5 % frame, ≤ 3 × blit", 0, 0.05, 3},
    {"Press to new picture, colour patterns on", "press_patterns", nullptr, Unit::Seconds, "blit",
     "blit", "≤ 5 % frame, ≤ 3 × blit", 0, 0.05, 3},
    {"Bare blit of the board picture (reference)", "blit", nullptr, Unit::Seconds, nullptr, "", "",
     0, 0, 0},
    {"Press to new picture, pixel ratio 2", "press_2x", nullptr, Unit::Seconds, "blit_2x",
     "blit, ratio 2", "≤ 3 × blit", 0, 0, 3},
    {"Press to new picture, pixel ratio 2, colour patterns on", "press_patterns_2x", nullptr,
     Unit::Seconds, "blit_2x", "blit, ratio 2", "≤ 3 × blit", 0, 0, 3},
    {"Full redraw, grid on, pixel ratio 2", "redraw_grid_2x", nullptr, Unit::Seconds, "blit_2x",
     "blit, ratio 2", "", 0, 0, 0},
    {"Bare blit of the board picture, pixel ratio 2 (reference)", "blit_2x", nullptr,
     Unit::Seconds, nullptr, "", "", 0, 0, 0},
    {"Level start, game level 5", "level_start", nullptr, Unit::Seconds, "blit", "blit",
     "≤ 1 frame", 0, 1, 0},
    {"Level start in the main window, first of the program, to its first frame", "play",
     "level_start", Unit::Seconds, "blit", "blit", "", 0, 0, 0},
    {"Full redraw, grid on", "redraw_grid", nullptr, Unit::Seconds, "blit", "blit", "", 0, 0, 0},
    {"Full redraw, grid off", "redraw_no_grid", nullptr, Unit::Seconds, "blit", "blit", "", 0, 0,
     0},
    {"Full redraw, grid on, colour patterns on", "redraw_patterns", nullptr, Unit::Seconds, "blit",
     "blit", "", 0, 0, 0},
    {"Start-up to first frame", "startup", nullptr, Unit::Seconds, "startup_bare",
     "bare Qt start", "≤ 300 ms", 0.300, 0, 0},
    {"Bare Qt start-up to first frame (reference)", "startup_bare", nullptr, Unit::Seconds,
     nullptr, "", "", 0, 0, 0},
    {"Peak resident memory, one large level played", "play", "peak_rss", Unit::Megabytes,
     "play_bare", "bare Qt process", "≤ 60 MB", 60, 0, 0},
    {"Peak resident memory, bare Qt process (reference)", "play_bare", "peak_rss",
     Unit::Megabytes, nullptr, "", "", 0, 0, 0},
};

// The q-quantile (0 to 1) with linear interpolation between the sorted values.
double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const double at = q * double(values.size() - 1);
    const size_t below = size_t(std::floor(at));
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - double(below)) * (values[above] - values[below]);
}

// Three significant digits without an exponent.
std::string number(double value)
{
    if (std::isnan(value))
        return "–";
    const double magnitude = value == 0 ? 0 : std::floor(std::log10(std::fabs(value)));
    const int decimals = std::max(0, 2 - int(magnitude));
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string duration(double seconds)
{
    if (std::isnan(seconds))
        return "–";
    if (seconds < 1e-6)
        return number(seconds * 1e9) + " ns";
    if (seconds < 1e-3)
        return number(seconds * 1e6) + " µs";
    if (seconds < 1)
        return number(seconds * 1e3) + " ms";
    return number(seconds) + " s";
}

const std::vector<double> *valuesOf(const ResultsTable::Samples &samples, const char *counter)
{
    if (!counter)
        return &samples.seconds;
    const auto found = samples.counters.find(counter);
    return found == samples.counters.end() ? nullptr : &found->second;
}

std::string amount(double value, Unit unit)
{
    return unit == Unit::Seconds ? duration(value) : number(value) + " MB";
}

// "met" or "missed" against every goal the row has; empty for a row without goals.
std::string verdict(const Row &row, double value, double referenceRatio)
{
    if (!row.maxValue && !row.maxFrames && !row.maxReference)
        return "";
    if (row.maxReference && std::isnan(referenceRatio))
        return "reference not run";
    bool met = !row.maxValue || value <= row.maxValue;
    met = met && (!row.maxFrames || value / FrameSeconds <= row.maxFrames);
    met = met && (!row.maxReference || referenceRatio <= row.maxReference);
    return met ? "met" : "**missed**";
}

std::string cpuModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return "unknown CPU";
    for (QByteArray line = cpuinfo.readLine(); !line.isEmpty(); line = cpuinfo.readLine()) {
        if (line.startsWith("model name"))
            return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
    }
    return "unknown CPU";
}

} // namespace

// The summaries go to the console uncoloured, so that the output can be kept as text.
ResultsTable::ResultsTable()
    : ConsoleReporter(OO_Tabular)
{
}

bool ResultsTable::ReportContext(const Context &context)
{
    cpuCount = context.cpu_info.num_cpus;
    cpuHz = context.cpu_info.cycles_per_second;
    loadAverage = context.cpu_info.load_avg;
    return ConsoleReporter::ReportContext(context);
}

// Every repetition is kept for the table; only the summaries are shown as the cases end.
void ResultsTable::ReportRuns(const std::vector<Run> &reports)
{
    std::vector<Run> summaries;
    for (const Run &run : reports) {
        Samples &samples = cases[run.run_name.function_name];
        if (run.error_occurred) {
            samples.error = run.error_message;
            summaries.push_back(run);
        } else if (run.run_type == Run::RT_Aggregate) {
            summaries.push_back(run);
        } else {
            samples.seconds.push_back(run.GetAdjustedRealTime()
                                      / benchmark::GetTimeUnitMultiplier(run.time_unit));
            for (const auto &[name, counter] : run.counters)
                samples.counters[name].push_back(counter.value);
        }
    }
    if (!summaries.empty())
        ConsoleReporter::ReportRuns(summaries);
}

void ResultsTable::Finalize()
{
    std::ostream &out = GetOutputStream();
    out << '\n';
    printMachine(out);
    printCases(out);
    printStartupSteps(out);
    ConsoleReporter::Finalize();
}

const ResultsTable::Samples *ResultsTable::find(const char *name) const
{
    const auto found = cases.find(name);
    return found == cases.end() ? nullptr : &found->second;
}

void ResultsTable::printMachine(std::ostream &out) const
{
    out << "Machine: " << cpuModel() << ", " << cpuCount << " cores at " << number(cpuHz / 1e9)
        << " GHz; " << QSysInfo::prettyProductName().toStdString() << ", Qt " << qVersion()
        << ", " << TAVNI_BUILD_TYPE
        << " build; offscreen screens 1280 × 1024 at pixel ratios 1 and 2";
    if (!loadAverage.empty())
        out << "; load average " << number(loadAverage.front()) << " as the run began";
    out << ".\n\n";
}

void ResultsTable::printCases(std::ostream &out) const
{
    out << "| Case | Runs | Median | Spread (p10 – p90) | Reference | × reference | × 60 Hz frame"
           " | Goal | |\n"
           "|---|---|---|---|---|---|---|---|---|\n";
    for (const Row &row : Rows)
        printRow(out, row);
    out << '\n';
}

void ResultsTable::printRow(std::ostream &out, const Row &row) const
{
    const Samples *samples = find(row.name);
    const std::vector<double> *values = samples ? valuesOf(*samples, row.counter) : nullptr;
    if (!values || values->empty()) {
        out << "| " << row.label << " | 0 | "
            << (samples && !samples->error.empty() ? samples->error : "not run") << " | | | | | "
            << row.goalText << " | |\n";
        return;
    }
    const double median = quantile(*values, 0.5);
    const Samples *reference = row.reference ? find(row.reference) : nullptr;
    // A time is compared with the reference's time, an amount with the same amount.
    const char *referenceCounter = row.unit == Unit::Seconds ? nullptr : row.counter;
    const std::vector<double> *referenceValues =
        reference ? valuesOf(*reference, referenceCounter) : nullptr;
    const double ratio = referenceValues && !referenceValues->empty()
        ? median / quantile(*referenceValues, 0.5)
        : std::nan("");
    const double frames = row.unit == Unit::Seconds ? median / FrameSeconds : std::nan("");
    out << "| " << row.label << " | " << values->size() << " | " << amount(median, row.unit)
        << " | " << amount(quantile(*values, 0.1), row.unit) << " – "
        << amount(quantile(*values, 0.9), row.unit) << " | " << row.referenceLabel << " | "
        << number(ratio) << " | " << number(frames) << " | " << row.goalText << " | "
        << verdict(row, median, ratio) << " |\n";
}

// Where the start-up time goes: the median time of each step after the process was started.
void ResultsTable::printStartupSteps(std::ostream &out) const
{
    const Samples *game = find("startup");
    const Samples *bare = find("startup_bare");
    if (!game && !bare)
        return;
    auto step = [](const Samples *samples, const char *name) {
        if (!samples)
            return std::string("–");
        const auto counter = samples->counters.find(name);
        return counter == samples->counters.end()
            ? std::string("–")
            : number(quantile(counter->second, 0.5) * 1e3) + " ms";
    };
    out << "| Start-up step (median time since the process was started) | Tavni | Bare Qt |\n"
           "|---|---|---|\n";
    for (int i = 0; i < ProbeStepCount; ++i)
        out << "| " << ProbeSteps[i] << " | " << step(game, ProbeSteps[i]) << " | "
            << step(bare, ProbeSteps[i]) << " |\n";
    out << '\n';
}
