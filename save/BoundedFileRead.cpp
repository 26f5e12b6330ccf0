#include "save/BoundedFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "save/FileOps.h"

FileReadResult ReadBoundedFile(const std::string& path, size_t minSize, size_t maxSize) {
    FileOps& ops = CurrentFileOps();
    FileReadResult result;

    // O_NONBLOCK keeps a FIFO from holding the open until a writer appears;
    // it changes nothing for the regular files that are all we go on to read.
    int fd = ops.Open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
    if (fd < 0) return result;

    struct stat info;
    if (ops.Fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ops.Close(fd);
        return result;
    }
    const auto size = static_cast<uintmax_t>(info.st_size);
    if (size < minSize || size > maxSize) {
        ops.Close(fd);
        result.status = FileReadStatus::WrongSize;
        return result;
    }

    // Ask for no more than the size learnt above, so a file that grows
    // meanwhile cannot push the result past maxSize.
    result.bytes.resize(static_cast<size_t>(size));
    size_t done = 0;
    while (done < result.bytes.size()) {
        ssize_t n = ops.Read(fd, result.bytes.data() + done, result.bytes.size() - done);
        if (n <= 0) break;  // an error, or the file shrank since fstat
        done += static_cast<size_t>(n);
    }
    ops.Close(fd);

    if (done < result.bytes.size()) {
        result.bytes.clear();
        return result;
    }
    result.status = FileReadStatus::Ok;
    return result;
}
