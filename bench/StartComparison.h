#pragma once
#include <string>

class StartWatch;

// The editor's start against the bare Qt window's: medians over runs starts
// of each, taken in turns so that a busy moment of the machine weighs on
// both alike.
struct StartComparison {
    std::string failure;  // empty when every start showed its window
    int runs = 0;
    double editorSeconds = 0, bareSeconds = 0;
    long editorPeakKiB = 0, barePeakKiB = 0;
};

StartComparison CompareStarts(StartWatch& watch, const std::string& editor, const std::string& bare, int runs);
