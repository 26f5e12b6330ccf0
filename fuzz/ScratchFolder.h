#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The folder one fuzz target works in, emptied before each input. It lies in
// TMPDIR, else in memory (/dev/shm) where there is one, so the editor's
// fsync calls cost nothing and the disk sees none of the millions of files.
// Its helpers use the standard library directly, never the editor's file
// calls, so they see the disk as it is.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Removes everything in the folder.
    void Empty() const;
    std::string PathOf(const std::string& name) const;
    // The names in the folder, sorted, hidden ones included.
    std::vector<std::string> Names() const;
    void Put(const std::string& name, const uint8_t* bytes, size_t size) const;
    void Put(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> Contents(const std::string& name) const;

private:
    std::string path_;
};
