#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The one folder the benchmarks read and write in, made fresh on the build's
// own disk and removed with everything in it when the bench ends. A flush to
// a folder in memory costs nothing, so the write figures mean something only
// on a real disk; OnMemoryFileSystem() says when they do not.
class BenchFolder {
public:
    static const BenchFolder& Get();

    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }
    // Writes bytes to name, replacing what was there.
    void Put(const std::string& name, const std::vector<uint8_t>& bytes) const;
    bool OnMemoryFileSystem() const;

    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

private:
    BenchFolder();
    ~BenchFolder();

    std::string path_;
};
