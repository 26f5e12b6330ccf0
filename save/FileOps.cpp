#include "save/FileOps.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal arriving mid-call must not turn into a failed save or load.
template <typename Call>
auto RetryOnInterrupt(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

FileOps systemOps;
std::atomic<FileOps*> currentOps{&systemOps};

}  // namespace

int FileOps::Open(const char* path, int flags, mode_t mode) {
    return RetryOnInterrupt([&] { return ::open(path, flags, mode); });
}

int FileOps::Fstat(int fd, struct stat* info) { return ::fstat(fd, info); }

int FileOps::Stat(const char* path, struct stat* info) { return ::stat(path, info); }

ssize_t FileOps::Read(int fd, void* buffer, size_t count) {
    return RetryOnInterrupt([&] { return ::read(fd, buffer, count); });
}

ssize_t FileOps::Write(int fd, const void* buffer, size_t count) {
    return RetryOnInterrupt([&] { return ::write(fd, buffer, count); });
}

int FileOps::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }

int FileOps::Fsync(int fd) {
    return RetryOnInterrupt([&] { return ::fsync(fd); });
}

// Never retried: Linux frees the descriptor even when close reports EINTR,
// and a second close could hit a descriptor opened since.
int FileOps::Close(int fd) { return ::close(fd); }

int FileOps::Rename(const char* from, const char* to) { return ::rename(from, to); }

int FileOps::Unlink(const char* path) { return ::unlink(path); }

FileOps& CurrentFileOps() { return *currentOps.load(); }

FileOps* UseFileOps(FileOps* ops) {
    FileOps* previous = currentOps.exchange(ops ? ops : &systemOps);
    return previous;
}
