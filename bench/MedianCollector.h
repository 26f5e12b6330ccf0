#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Prints the benchmarks as the console reporter does and keeps, for each,
// the median of its repetitions' times (the one time of a benchmark run
// once), so the bench can set them against each other when all have run.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the benchmark named function (its function
    // name, e.g. "BM_RawReadSave"); none when it did not run or failed.
    std::optional<double> MedianSeconds(const std::string& function) const;

private:
    std::map<std::string, double> medians_;
};
