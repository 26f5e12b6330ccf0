#include "support/TricklingFileOps.h"

#include <algorithm>

ssize_t TricklingFileOps::Read(int fd, void* buffer, size_t count) {
    return FileOps::Read(fd, buffer, std::min(count, chunk_));
}

ssize_t TricklingFileOps::Write(int fd, const void* buffer, size_t count) {
    return FileOps::Write(fd, buffer, std::min(count, chunk_));
}
