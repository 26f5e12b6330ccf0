#include "bench/Summary.h"

#include <cstdio>

#include "bench/MedianCollector.h"

namespace {

std::string Duration(double seconds) {
    char text[32];
    if (seconds >= 1e-3) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6) std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    else std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
    return text;
}

std::string Memory(long kiB) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", double(kiB) / 1024);
    return text;
}

void PrintRatio(const char* name, double ratio, double target, const std::string& figures) {
    std::printf("  %-28s = %5.2f  (target <= %.2f)  %s   %s\n", name, ratio, target, ratio <= target ? "PASS" : "MISS",
                figures.c_str());
}

void PrintTimedRatio(const MedianCollector& times, const char* name, const char* measured, const char* floor,
                     double target, const char* measuredName, const char* floorName) {
    std::optional<double> top = times.MedianSeconds(measured), bottom = times.MedianSeconds(floor);
    if (!top || !bottom) {
        std::printf("  %-28s   not measured (%s or %s did not run)\n", name, measured, floor);
        return;
    }
    PrintRatio(name, *top / *bottom, target,
               std::string(measuredName) + " " + Duration(*top) + ", " + floorName + " " + Duration(*bottom));
}

void PrintTime(const MedianCollector& times, const char* name, const char* function) {
    std::optional<double> seconds = times.MedianSeconds(function);
    if (seconds) std::printf("  %-28s = %s\n", name, Duration(*seconds).c_str());
    else std::printf("  %-28s   not measured (%s did not run)\n", name, function);
}

}  // namespace

void PrintSummary(const MedianCollector& times, const std::optional<StartComparison>& starts,
                  const std::string& startsSkipped, bool folderInMemory) {
    std::printf("\nSpeed against its floor (medians of the interleaved repetitions)\n");
    PrintTimedRatio(times, "load and show / raw read", "BM_LoadAndShowSave", "BM_RawReadSave", 2.00, "load",
                    "raw read");
    PrintTimedRatio(times, "safe write / raw write", "BM_WriteFileSafely", "BM_RawWriteAndRename", 1.50, "safe",
                    "raw");
    if (folderInMemory)
        std::printf("  (the bench folder is in memory, where a flush costs nothing: the write figures mean little)\n");
    PrintTime(times, "commit", "BM_CommitMember");
    PrintTime(times, "  entry conversion alone", "BM_CommitEntries");
    PrintTime(times, "member file encode", "BM_EncodeMemberFile");
    PrintTime(times, "member file decode", "BM_DecodeMemberFile");

    std::printf("\nStart and peak memory against the bare Qt window\n");
    if (!starts) {
        std::printf("  not measured: %s\n", startsSkipped.c_str());
        return;
    }
    if (!starts->failure.empty()) {
        std::printf("  not measured: %s\n", starts->failure.c_str());
        return;
    }
    std::printf("  (medians of %d starts of each, in turns, launch to first frame under Xvfb)\n", starts->runs);
    PrintRatio("start editor / bare window", starts->editorSeconds / starts->bareSeconds, 1.15,
               "editor " + Duration(starts->editorSeconds) + ", bare " + Duration(starts->bareSeconds));
    PrintRatio("peak memory editor / bare", double(starts->editorPeakKiB) / double(starts->barePeakKiB), 1.15,
               "editor " + Memory(starts->editorPeakKiB) + ", bare " + Memory(starts->barePeakKiB));
}
