#include "bench/StartComparison.h"

#include <algorithm>
#include <vector>

#include "bench/StartWatch.h"

namespace {

// Generous for a start of well under a second, even on a busy machine.
constexpr double kTimeoutSeconds = 20;
// Long enough for the window's first frames and whatever the program does
// right after showing.
constexpr double kSettleSeconds = 0.3;
// The first starts fill the caches every later one finds filled.
constexpr int kWarmUpStarts = 2;

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

StartComparison CompareStarts(StartWatch& watch, const std::string& editor, const std::string& bare, int runs) {
    StartComparison comparison;
    std::vector<double> editorSeconds, bareSeconds;
    std::vector<long> editorPeaks, barePeaks;
    for (int i = 0; i < kWarmUpStarts + runs; ++i) {
        // Each goes first in every other round.
        const bool editorFirst = i % 2 == 0;
        StartResult first = watch.Start(editorFirst ? editor : bare, kTimeoutSeconds, kSettleSeconds);
        StartResult second = watch.Start(editorFirst ? bare : editor, kTimeoutSeconds, kSettleSeconds);
        for (const StartResult* result : {&first, &second})
            if (!result->failure.empty()) {
                comparison.failure = result->failure;
                return comparison;
            }
        if (i < kWarmUpStarts) continue;
        const StartResult& ofEditor = editorFirst ? first : second;
        const StartResult& ofBare = editorFirst ? second : first;
        editorSeconds.push_back(ofEditor.secondsToShown);
        bareSeconds.push_back(ofBare.secondsToShown);
        editorPeaks.push_back(ofEditor.peakKiB);
        barePeaks.push_back(ofBare.peakKiB);
    }
    comparison.runs = runs;
    comparison.editorSeconds = Median(editorSeconds);
    comparison.bareSeconds = Median(bareSeconds);
    comparison.editorPeakKiB = Median(editorPeaks);
    comparison.barePeakKiB = Median(barePeaks);
    return comparison;
}
