#pragma once
#include <cerrno>

#include "save/FileOps.h"
#include "support/ScopedFileOps.h"

// The file call FailingFileOps breaks, and how.
enum class FileStep {
    Stat,           // Stat answers -1
    Open,           // Open without O_CREAT (an existing file or a folder) answers -1
    Create,         // Open with O_CREAT answers -1; nothing is created
    Fstat,          // Fstat answers -1
    Read,           // Read answers -1
    ShrinkingRead,  // Read moves half the bytes asked for; every later Read
                    // answers 0, as when the file shrinks under the reader
    Write,          // Write answers -1; nothing is written
    ShortWrite,     // Write moves half the bytes asked for; every later Write
                    // answers -1, as when the disk fills up
    ZeroWrite,      // Write answers 0; later Writes work again
    Fchmod,         // Fchmod answers -1
    Fsync,          // Fsync answers -1
    Close,          // Close really closes, then answers -1 (as Linux does)
    Rename,         // Rename answers -1; nothing is renamed
};

// The system's file calls, except that one call of the chosen step goes
// wrong with errno set to error. occurrence picks which call of that step
// (1 = the first; kEveryCall = all of them). Install it with ScopedFileOps:
//
//     FailingFileOps ops(FileStep::Rename);
//     ScopedFileOps use(ops);
//     EXPECT_FALSE(WriteFileSafely(path, data, size));
//     EXPECT_TRUE(ops.Fired());
class FailingFileOps : public FileOps {
public:
    static constexpr int kEveryCall = 0;

    explicit FailingFileOps(FileStep step, int occurrence = 1, int error = EIO);

    // Whether the fault has struck; a test whose code never reached the
    // chosen step proves nothing.
    bool Fired() const { return fired_; }

    int Open(const char* path, int flags, mode_t mode) override;
    int Fstat(int fd, struct stat* info) override;
    int Stat(const char* path, struct stat* info) override;
    ssize_t Read(int fd, void* buffer, size_t count) override;
    ssize_t Write(int fd, const void* buffer, size_t count) override;
    int Fchmod(int fd, mode_t mode) override;
    int Fsync(int fd) override;
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override;

private:
    // Counts a call of the chosen step; answers whether this one fails.
    bool Strikes(FileStep step);
    // Sets errno and answers -1, the way a failing system call does.
    int Fail() const;

    FileStep step_;
    int occurrence_;
    int error_;
    int calls_ = 0;
    bool fired_ = false;
    bool afterFault_ = false;  // a shrunk file stays short, a full disk stays full
};
