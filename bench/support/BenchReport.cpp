#include "bench/support/BenchReport.h"

#include <ostream>
#include <utility>

namespace benchsupport {

// Tabular without colour codes, which would only clutter a saved log.
BenchReport::BenchReport(std::vector<Ratio> ratios) : ConsoleReporter(OO_Tabular), m_ratios(std::move(ratios)) {}

void BenchReport::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const Times times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        if (run.run_type == Run::RT_Iteration)
            m_runs[run.run_name.function_name] = times;
        else if (run.aggregate_name == "median")
            m_medians[run.run_name.function_name] = times;
    }
}

const BenchReport::Times* BenchReport::timesOf(const std::string& name) const {
    if (const auto median = m_medians.find(name); median != m_medians.end())
        return &median->second;
    if (const auto run = m_runs.find(name); run != m_runs.end())
        return &run->second;
    return nullptr;
}

void BenchReport::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    for (const Ratio& ratio : m_ratios) {
        const Times* measured = timesOf(ratio.measured);
        Times baseline;
        bool complete = measured != nullptr && !ratio.baselines.empty();
        for (const std::string& name : ratio.baselines) {
            const Times* times = timesOf(name);
            complete = complete && times != nullptr;
            if (times) {
                baseline.real += times->real;
                baseline.cpu += times->cpu;
            }
        }
        if (!complete || baseline.real <= 0 || (ratio.processorTime && baseline.cpu <= 0))
            continue;
        out << "ratio " << ratio.measured << " to ";
        for (std::size_t i = 0; i < ratio.baselines.size(); ++i)
            out << (i ? " + " : "") << ratio.baselines[i];
        out << ": " << measured->real / baseline.real << " elapsed";
        if (ratio.processorTime)
            out << ", " << measured->cpu / baseline.cpu << " processor";
        if (!ratio.note.empty())
            out << " (" << ratio.note << ")";
        out << '\n';
    }
}

} // namespace benchsupport
