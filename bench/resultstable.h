// The console report of the benchmarks: Google Benchmark's own summary line for each case as it
// ends, then one table with every case's median and spread over its repetitions, its ratio to
// the reference measured in the same run and to the 60 Hz frame, and its goal.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

class ResultsTable : public benchmark::ConsoleReporter
{
public:
    ResultsTable();

    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &reports) override;
    void Finalize() override;

    // One line of the table: a case, its reference and its goal.
    struct Row;

    // The repetitions of one case: the time per iteration in seconds and each counter.
    struct Samples {
        std::vector<double> seconds;
        std::map<std::string, std::vector<double>> counters;
        std::string error;
    };

private:
    void printMachine(std::ostream &out) const;
    void printCases(std::ostream &out) const;
    void printRow(std::ostream &out, const Row &row) const;
    void printStartupSteps(std::ostream &out) const;
    const Samples *find(const char *name) const;

    std::map<std::string, Samples> cases;
    int cpuCount = 0;
    double cpuHz = 0;
    std::vector<double> loadAverage; // over 1, 5 and 15 minutes, as the run began
};
