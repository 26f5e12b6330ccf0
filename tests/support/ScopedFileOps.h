#pragma once
#include "save/FileOps.h"

// Puts ops in use for one scope and brings back whatever was in use before,
// even when an assertion leaves the test early.
class ScopedFileOps {
public:
    explicit ScopedFileOps(FileOps& ops) : previous_(UseFileOps(&ops)) {}
    ~ScopedFileOps() { UseFileOps(previous_); }
    ScopedFileOps(const ScopedFileOps&) = delete;
    ScopedFileOps& operator=(const ScopedFileOps&) = delete;

private:
    FileOps* previous_;
};
