#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads a whole regular file whose size must lie in [minSize, maxSize].
// The size is learnt before any byte is read, so an oversized file is never
// read. All file calls go through CurrentFileOps().
enum class FileReadStatus {
    Ok,          // bytes hold the whole file
    CannotRead,  // cannot be opened, is no regular file, or gave fewer bytes than its size
    WrongSize,   // size outside [minSize, maxSize]; nothing read
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::CannotRead;
    std::vector<uint8_t> bytes;
};

FileReadResult ReadBoundedFile(const std::string& path, size_t minSize, size_t maxSize);
