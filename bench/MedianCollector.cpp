#include "bench/MedianCollector.h"

namespace {

double Seconds(const benchmark::BenchmarkReporter::Run& run) {
    double perUnit = 1;
    switch (run.time_unit) {
        case benchmark::kNanosecond: perUnit = 1e-9; break;
        case benchmark::kMicrosecond: perUnit = 1e-6; break;
        case benchmark::kMillisecond: perUnit = 1e-3; break;
        case benchmark::kSecond: perUnit = 1; break;
    }
    return run.GetAdjustedRealTime() * perUnit;
}

}  // namespace

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        bool only = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (median || only) medians_[run.run_name.function_name] = Seconds(run);
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> MedianCollector::MedianSeconds(const std::string& function) const {
    auto found = medians_.find(function);
    if (found == medians_.end()) return std::nullopt;
    return found->second;
}
