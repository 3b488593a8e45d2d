// The console report of a benchmark run that ends with the ratios of each
// measured operation to its baseline of the same run, in elapsed and in
// processor time (which a busy machine disturbs less).
//
//     benchsupport::BenchReport report({{"Search/all", {"QueryAlone/all"}},
//                                       {"Information", {"QueriesAlone"}, "goal: at most 1.5", false}});
//     benchmark::RunSpecifiedBenchmarks(&report);
//
// prints, after the usual table,
//
//     ratio Search/all to QueryAlone/all: 1.21 elapsed, 1.12 processor
//     ratio Information to QueriesAlone: 1.30 elapsed (goal: at most 1.5)
//
// With --benchmark_repetitions the medians are compared. A ratio whose
// benchmarks did not all run, or failed, is left out.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace benchsupport {

class BenchReport : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        Ratio(std::string measured, std::vector<std::string> baselines, std::string note = {},
              bool processorTime = true)
            : measured(std::move(measured)), baselines(std::move(baselines)), note(std::move(note)),
              processorTime(processorTime) {}

        std::string measured;               // the benchmark's name as registered
        std::vector<std::string> baselines; // their times are added up
        std::string note;                   // printed in brackets after the ratio, when not empty
        // False for a benchmark that sets its own elapsed time (UseManualTime):
        // its processor time covers more than that and has no ratio.
        bool processorTime;
    };

    explicit BenchReport(std::vector<Ratio> ratios);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    // The median of the repetitions where there were some, else the single run.
    const Times* timesOf(const std::string& name) const;

    std::vector<Ratio> m_ratios;
    std::map<std::string, Times> m_runs;
    std::map<std::string, Times> m_medians;
};

} // namespace benchsupport
