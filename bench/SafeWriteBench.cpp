// Writing the save back safely, against the least a write that survives a
// crash must cost: a temporary file written, flushed and renamed over the
// save. Both replace the same file in the same folder, so both flush to the
// same disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "bench/BenchFolder.h"
#include "bench/BenchSave.h"
#include "save/SafeFileWrite.h"

namespace {

const std::string& TargetPath() {
    static const std::string path = [] {
        const BenchFolder& folder = BenchFolder::Get();
        folder.Put("written.sav", BenchSaveImage());
        return folder.PathOf("written.sav");
    }();
    return path;
}

void BM_WriteFileSafely(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = BenchSaveImage();
    for (auto _ : state) {
        if (!WriteFileSafely(TargetPath(), bytes.data(), bytes.size())) {
            state.SkipWithError("the safe write failed");
            break;
        }
    }
}
BENCHMARK(BM_WriteFileSafely)->Unit(benchmark::kMicrosecond);

bool RawWriteAndRename(const std::string& temporary, const std::string& target, const std::vector<uint8_t>& bytes) {
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += size_t(n);
    }
    bool flushed = done == bytes.size() && ::fsync(fd) == 0;
    bool closed = ::close(fd) == 0;
    return flushed && closed && ::rename(temporary.c_str(), target.c_str()) == 0;
}

void BM_RawWriteAndRename(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = BenchSaveImage();
    const std::string temporary = BenchFolder::Get().PathOf(".written.sav.raw");
    for (auto _ : state) {
        if (!RawWriteAndRename(temporary, TargetPath(), bytes)) {
            state.SkipWithError("the raw write failed");
            break;
        }
    }
}
BENCHMARK(BM_RawWriteAndRename)->Unit(benchmark::kMicrosecond);

}  // namespace
