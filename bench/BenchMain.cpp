// `make bench`: the editor's speed against the floors it is held to, then
// its start and peak memory against a bare Qt window, and a summary of both.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/BenchFolder.h"
#include "bench/MedianCollector.h"
#include "bench/StartComparison.h"
#include "bench/StartWatch.h"
#include "bench/Summary.h"
#include "ui/TApplication.h"

namespace {

// A machine shared with builds is noisy: many short repetitions, taken in a
// random order across the benchmarks, and their medians compared.
const char* const kDefaultFlags[] = {
    "--benchmark_repetitions=15",
    "--benchmark_min_time=0.1",
    "--benchmark_enable_random_interleaving=true",
    "--benchmark_report_aggregates_only=true",
};
constexpr std::string_view kStartRunsFlag = "--start_runs=";
constexpr int kDefaultStartRuns = 15;

}  // namespace

int main(int argc, char** argv) {
    // The bench's own flag comes out; the defaults go before the caller's
    // flags, so the caller's win.
    int startRuns = kDefaultStartRuns;
    std::vector<char*> flags{argv[0]};
    for (const char* flag : kDefaultFlags) flags.push_back(const_cast<char*>(flag));
    for (int i = 1; i < argc; ++i) {
        std::string_view flag = argv[i];
        if (flag.substr(0, kStartRunsFlag.size()) == kStartRunsFlag)
            startRuns = std::atoi(argv[i] + kStartRunsFlag.size());
        else
            flags.push_back(argv[i]);
    }
    int flagCount = int(flags.size());
    benchmark::Initialize(&flagCount, flags.data());
    if (benchmark::ReportUnrecognizedArguments(flagCount, flags.data())) return 1;

    // The window in the benchmarks is the real one, on Qt's offscreen
    // platform; the starts below run on X, where a frame can be seen.
    char platformFlag[] = "-platform", offscreen[] = "offscreen";
    char* qtArgv[] = {argv[0], platformFlag, offscreen, nullptr};
    int qtArgc = 3;
    QApplication qtApp(qtArgc, qtArgv);
    TApplication application(qtArgc, qtArgv);

    MedianCollector times;
    benchmark::RunSpecifiedBenchmarks(&times);

    std::optional<StartComparison> starts;
    std::string startsSkipped;
    StartWatch watch(BenchFolder::Get().PathOf("start-messages.txt"));
    if (startRuns < 1)
        startsSkipped = "--start_runs=" + std::to_string(startRuns) + " asks for none";
    else if (!watch.Problem().empty())
        startsSkipped = watch.Problem();
    else
        starts = CompareStarts(watch, QUORVANE_EDITOR_PROGRAM, QUORVANE_BARE_WINDOW_PROGRAM, startRuns);

    PrintSummary(times, starts, startsSkipped, BenchFolder::Get().OnMemoryFileSystem());
    benchmark::Shutdown();
    return 0;
}
