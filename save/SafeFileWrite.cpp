#include "save/SafeFileWrite.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "save/FileOps.h"

namespace {

// Enough tries to step past names left by a crashed run, few enough that a
// folder refusing every name still fails at once.
constexpr int kTemporaryNameTries = 100;

std::atomic<unsigned> temporaryCounter{0};

// Where the bytes must finally land, and whether a file is there already.
struct Target {
    std::string path;
    bool exists = false;
    mode_t mode = 0;
};

// Follows a symbolic link to the file it names, so the rename replaces that
// file and leaves the link alone. A link pointing nowhere is refused rather
// than guessed at: the user's save is not where they think it is.
bool FindTarget(FileOps& ops, const std::string& path, Target& target) {
    struct stat info;
    if (ops.Stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return false;
        struct stat link;
        if (::lstat(path.c_str(), &link) == 0) return false;  // a dangling link
        target.path = path;
        return true;
    }
    // Renaming over a folder, FIFO or device would replace the node itself.
    if (!S_ISREG(info.st_mode)) return false;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return false;
    target.path = resolved;
    std::free(resolved);
    target.exists = true;
    target.mode = info.st_mode & 07777;
    return true;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The temporary file lives beside the target so the rename stays within
// one file system, where it is atomic.
int CreateTemporary(FileOps& ops, const std::string& target, std::string& temporary) {
    size_t slash = target.rfind('/');
    std::string prefix = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) {
        errno = EISDIR;
        return -1;
    }
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        temporary = prefix + "." + name + "." + std::to_string(::getpid()) + "." +
                    std::to_string(temporaryCounter++) + ".tmp";
        // 0666 lets the umask decide a new file's permissions, as for any
        // file the user creates.
        int fd = ops.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(FileOps& ops, int fd, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ops.Write(fd, data + done, size - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes the rename itself survive a power cut. The file is already replaced
// by then, so a folder that will not sync costs durability, not the save.
void SyncFolder(FileOps& ops, const std::string& folder) {
    int fd = ops.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    ops.Fsync(fd);
    ops.Close(fd);
}

}  // namespace

bool WriteFileSafely(const std::string& path, const uint8_t* data, size_t size) {
    FileOps& ops = CurrentFileOps();

    Target target;
    if (!FindTarget(ops, path, target)) return false;

    std::string temporary;
    int fd = CreateTemporary(ops, target.path, temporary);
    if (fd < 0) return false;

    bool written = (!target.exists || ops.Fchmod(fd, target.mode) == 0) &&
                   WriteAll(ops, fd, data, size) && ops.Fsync(fd) == 0;
    // A failed close may mean the bytes never reached the disk; the
    // descriptor is gone either way.
    bool closed = ops.Close(fd) == 0;
    if (!written || !closed || ops.Rename(temporary.c_str(), target.path.c_str()) != 0) {
        ops.Unlink(temporary.c_str());
        return false;
    }
    SyncFolder(ops, FolderOf(target.path));
    return true;
}
