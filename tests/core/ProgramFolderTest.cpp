#include <gtest/gtest.h>

#include "core/ProgramFolder.h"

namespace {

TEST(ProgramFolder, CutsAtTheLastSeparatorOnly) {
    struct Case { const char* path; const char* separators; const char* folder; } cases[] = {
        {"/usr/local/bin/quorvane", "/", "/usr/local/bin"},
        {"/home/ash/games/x/quorvane", "/", "/home/ash/games/x"},
        {"/quorvane", "/", "/"},
        {"quorvane", "/", ""},
        {"", "/", ""},
        {"C:\\Games\\x.exe", "\\/", "C:\\Games"},
        {"C:\\x.exe", "\\/", "C:"},
        {"C:\\a\\b\\c\\x.exe", "\\/", "C:\\a\\b\\c"},
        {"C:/Games/Mixed\\x.exe", "\\/", "C:/Games/Mixed"},
        {"/a/b\\c", "/", "/a"},
    };
    for (auto c : cases) EXPECT_EQ(core::ProgramFolderOf(c.path, c.separators), c.folder) << c.path;
}

}  // namespace
