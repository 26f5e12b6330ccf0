#pragma once
#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

// The few file system calls the editor makes, behind one seam, so tests can
// make any one of them fail and check that no file on disk is harmed.
// Each method mirrors its POSIX call: -1 (or a short count) and errno on failure.
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual int Fstat(int fd, struct stat* info);
    virtual int Stat(const char* path, struct stat* info);
    virtual ssize_t Read(int fd, void* buffer, size_t count);
    virtual ssize_t Write(int fd, const void* buffer, size_t count);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
};

// The operations in use; the system's own unless a test has put others in.
FileOps& CurrentFileOps();
// Puts ops in use (nullptr brings back the system's); answers the previous.
FileOps* UseFileOps(FileOps* ops);
