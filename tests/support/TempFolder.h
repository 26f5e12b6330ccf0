#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A fresh, empty folder for one test, removed with everything in it when the
// test ends. Its helpers use the standard library directly, never FileOps,
// so they see the disk as it is whatever ops a test has installed.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of name (which may hold subfolders) inside the folder.
    std::string PathOf(const std::string& name) const;
    // The names in the folder itself, sorted, hidden ones included.
    std::vector<std::string> Names(const std::string& subfolder = "") const;

    void Put(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> Contents(const std::string& name) const;

private:
    std::string path_;
};
