#include "bench/BenchFolder.h"

#include <linux/magic.h>
#include <stdlib.h>
#include <sys/vfs.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

const BenchFolder& BenchFolder::Get() {
    static const BenchFolder folder;
    return folder;
}

BenchFolder::BenchFolder() {
    std::string pattern = std::string(QUORVANE_BENCH_WORK_PARENT) + "/bench-work-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void BenchFolder::Put(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + PathOf(name));
}

bool BenchFolder::OnMemoryFileSystem() const {
    struct statfs info;
    if (statfs(path_.c_str(), &info) != 0) return false;
    return info.f_type == TMPFS_MAGIC || info.f_type == RAMFS_MAGIC;
}
