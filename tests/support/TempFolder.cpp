#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() {
    std::string pattern = testing::TempDir() + "quorvane-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::PathOf(const std::string& name) const { return path_ + "/" + name; }

std::vector<std::string> TempFolder::Names(const std::string& subfolder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathOf(subfolder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void TempFolder::Put(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + PathOf(name));
}

std::vector<uint8_t> TempFolder::Contents(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + PathOf(name));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
