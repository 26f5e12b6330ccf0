#pragma once
#include "save/FileOps.h"

// The system's file calls, but each Read and Write moves at most chunk
// bytes, as a signal or a slow device can make them do. Nothing fails:
// code that loops over partial reads and writes gets every byte through.
class TricklingFileOps : public FileOps {
public:
    explicit TricklingFileOps(size_t chunk) : chunk_(chunk) {}

    ssize_t Read(int fd, void* buffer, size_t count) override;
    ssize_t Write(int fd, const void* buffer, size_t count) override;

private:
    size_t chunk_;
};
