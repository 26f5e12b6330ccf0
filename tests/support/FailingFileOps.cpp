#include "support/FailingFileOps.h"

#include <fcntl.h>

FailingFileOps::FailingFileOps(FileStep step, int occurrence, int error)
    : step_(step), occurrence_(occurrence), error_(error) {}

bool FailingFileOps::Strikes(FileStep step) {
    if (step != step_) return false;
    ++calls_;
    bool strikes = occurrence_ == kEveryCall || calls_ == occurrence_;
    fired_ = fired_ || strikes;
    return strikes;
}

int FailingFileOps::Fail() const {
    errno = error_;
    return -1;
}

int FailingFileOps::Open(const char* path, int flags, mode_t mode) {
    if (Strikes((flags & O_CREAT) ? FileStep::Create : FileStep::Open)) return Fail();
    return FileOps::Open(path, flags, mode);
}

int FailingFileOps::Fstat(int fd, struct stat* info) {
    if (Strikes(FileStep::Fstat)) return Fail();
    return FileOps::Fstat(fd, info);
}

int FailingFileOps::Stat(const char* path, struct stat* info) {
    if (Strikes(FileStep::Stat)) return Fail();
    return FileOps::Stat(path, info);
}

ssize_t FailingFileOps::Read(int fd, void* buffer, size_t count) {
    if (step_ == FileStep::ShrinkingRead && afterFault_) return 0;
    if (Strikes(FileStep::Read)) return Fail();
    if (Strikes(FileStep::ShrinkingRead)) {
        afterFault_ = true;
        return FileOps::Read(fd, buffer, count / 2);
    }
    return FileOps::Read(fd, buffer, count);
}

ssize_t FailingFileOps::Write(int fd, const void* buffer, size_t count) {
    if (step_ == FileStep::ShortWrite && afterFault_) return Fail();
    if (Strikes(FileStep::Write)) return Fail();
    if (Strikes(FileStep::ZeroWrite)) return 0;
    if (Strikes(FileStep::ShortWrite)) {
        afterFault_ = true;
        return FileOps::Write(fd, buffer, count / 2);
    }
    return FileOps::Write(fd, buffer, count);
}

int FailingFileOps::Fchmod(int fd, mode_t mode) {
    if (Strikes(FileStep::Fchmod)) return Fail();
    return FileOps::Fchmod(fd, mode);
}

int FailingFileOps::Fsync(int fd) {
    if (Strikes(FileStep::Fsync)) return Fail();
    return FileOps::Fsync(fd);
}

int FailingFileOps::Close(int fd) {
    if (Strikes(FileStep::Close)) {
        FileOps::Close(fd);
        return Fail();
    }
    return FileOps::Close(fd);
}

int FailingFileOps::Rename(const char* from, const char* to) {
    if (Strikes(FileStep::Rename)) return Fail();
    return FileOps::Rename(from, to);
}
