#pragma once
#include <optional>
#include <string>

#include "bench/StartComparison.h"

class MedianCollector;

// The bench's closing lines: each measure against its floor as a ratio with
// its target, PASS or MISS, and the absolute times that have no floor.
// starts is empty when they were not timed; startsSkipped then says why.
void PrintSummary(const MedianCollector& times, const std::optional<StartComparison>& starts,
                  const std::string& startsSkipped, bool folderInMemory);
