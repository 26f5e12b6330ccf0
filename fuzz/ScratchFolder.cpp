#include "ScratchFolder.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string TempRoot() {
    const char* tmp = getenv("TMPDIR");
    if (tmp && *tmp) return tmp;
    struct stat info;
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode)) return "/dev/shm";
    return "/tmp";
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& purpose) {
    std::string pattern = TempRoot() + "/quorvane-" + purpose + "-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::Empty() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry.path());
}

std::string ScratchFolder::PathOf(const std::string& name) const { return path_ + "/" + name; }

std::vector<std::string> ScratchFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ScratchFolder::Put(const std::string& name, const uint8_t* bytes, size_t size) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), std::streamsize(size));
    if (!out) throw std::runtime_error("cannot write " + PathOf(name));
}

void ScratchFolder::Put(const std::string& name, const std::vector<uint8_t>& bytes) const {
    Put(name, bytes.data(), bytes.size());
}

std::vector<uint8_t> ScratchFolder::Contents(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary | std::ios::ate);
    if (!in) throw std::runtime_error("cannot read " + PathOf(name));
    std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!in) throw std::runtime_error("cannot read " + PathOf(name));
    return bytes;
}
