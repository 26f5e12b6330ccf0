#include "save/SafeFileWrite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "support/FailingFileOps.h"
#include "support/OpenDescriptors.h"
#include "support/FixtureSave.h"
#include "support/TempFolder.h"
#include "support/TricklingFileOps.h"

namespace {

// Repeatable noise, so a stray or shifted byte shows.
mode_t PermissionsOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

std::string LinkTarget(const std::string& link) {
    char target[PATH_MAX];
    ssize_t length = readlink(link.c_str(), target, sizeof target);
    return length < 0 ? "" : std::string(target, size_t(length));
}

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : previous_(umask(mask)) {}
    ~ScopedUmask() { umask(previous_); }

private:
    mode_t previous_;
};

class SafeFileWriteTest : public testing::Test {
protected:
    bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
        return WriteFileSafely(path, bytes.data(), bytes.size());
    }

    TempFolder folder;
    const std::string target = folder.PathOf("game.sav");
    const std::vector<uint8_t> original = fixture::Noise(32768, 1);
    // A different length from the original, so a mix of the two shows.
    const std::vector<uint8_t> replacement = fixture::Noise(20000, 2);
};

using Names = std::vector<std::string>;

TEST_F(SafeFileWriteTest, ReplacesTheFileAndKeepsItsPermissions) {
    folder.Put("game.sav", original);
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);

    ASSERT_TRUE(Write(target, replacement));

    EXPECT_EQ(folder.Names(), Names{"game.sav"});
    EXPECT_EQ(folder.Contents("game.sav"), replacement);
    EXPECT_EQ(PermissionsOf(target), mode_t(0640));
}

TEST_F(SafeFileWriteTest, NewFileGetsThePermissionsTheUmaskAllows) {
    ScopedUmask mask(027);

    ASSERT_TRUE(Write(target, replacement));

    EXPECT_EQ(folder.Names(), Names{"game.sav"});
    EXPECT_EQ(folder.Contents("game.sav"), replacement);
    EXPECT_EQ(PermissionsOf(target), mode_t(0640));
}

TEST_F(SafeFileWriteTest, EmptyDataLeavesAnEmptyFile) {
    folder.Put("game.sav", original);

    ASSERT_TRUE(WriteFileSafely(target, nullptr, 0));

    EXPECT_EQ(folder.Names(), Names{"game.sav"});
    EXPECT_TRUE(folder.Contents("game.sav").empty());
}

TEST_F(SafeFileWriteTest, PartialWritesAreCarriedOnUntilEveryByteIsDown) {
    folder.Put("game.sav", original);
    TricklingFileOps ops(1000);
    ScopedFileOps use(ops);

    ASSERT_TRUE(Write(target, replacement));

    EXPECT_EQ(folder.Contents("game.sav"), replacement);
}

TEST_F(SafeFileWriteTest, LinkKeepsPointingAtTheReplacedFile) {
    // The link lives in another folder than its file: the temporary file must
    // go beside the file, or the rename would replace the link.
    ASSERT_TRUE(std::filesystem::create_directory(folder.PathOf("saves")));
    ASSERT_TRUE(std::filesystem::create_directory(folder.PathOf("links")));
    folder.Put("saves/game.sav", original);
    ASSERT_EQ(chmod(folder.PathOf("saves/game.sav").c_str(), 0640), 0);
    const std::string link = folder.PathOf("links/game.sav");
    ASSERT_EQ(symlink("../saves/game.sav", link.c_str()), 0);

    ASSERT_TRUE(Write(link, replacement));

    EXPECT_EQ(LinkTarget(link), "../saves/game.sav");
    EXPECT_EQ(folder.Names("links"), Names{"game.sav"});
    EXPECT_EQ(folder.Names("saves"), Names{"game.sav"});
    EXPECT_EQ(folder.Contents("saves/game.sav"), replacement);
    EXPECT_EQ(PermissionsOf(folder.PathOf("saves/game.sav")), mode_t(0640));
}

TEST_F(SafeFileWriteTest, DanglingLinkIsRefusedAndLeftAlone) {
    ASSERT_EQ(symlink("gone.sav", target.c_str()), 0);

    EXPECT_FALSE(Write(target, replacement));

    EXPECT_EQ(folder.Names(), Names{"game.sav"});
    EXPECT_EQ(LinkTarget(target), "gone.sav");
}

TEST_F(SafeFileWriteTest, TargetThatIsNoRegularFileIsLeftAlone) {
    ASSERT_TRUE(std::filesystem::create_directory(target));
    ASSERT_EQ(mkfifo(folder.PathOf("pipe.sav").c_str(), 0600), 0);

    for (const std::string name : {"game.sav", "pipe.sav"}) {
        SCOPED_TRACE(name);
        const auto before = std::filesystem::status(folder.PathOf(name)).type();

        EXPECT_FALSE(Write(folder.PathOf(name), replacement));

        EXPECT_EQ(std::filesystem::status(folder.PathOf(name)).type(), before);
        EXPECT_EQ(folder.Names(), (Names{"game.sav", "pipe.sav"}));
    }
}

TEST_F(SafeFileWriteTest, MissingFolderFailsWithoutCreatingAnything) {
    EXPECT_FALSE(Write(folder.PathOf("missing/game.sav"), replacement));

    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(SafeFileWriteTest, TakenTemporaryNameIsSteppedOver) {
    folder.Put("game.sav", original);
    FailingFileOps ops(FileStep::Create, 1, EEXIST);
    ScopedFileOps use(ops);

    ASSERT_TRUE(Write(target, replacement));

    EXPECT_TRUE(ops.Fired());
    EXPECT_EQ(folder.Names(), Names{"game.sav"});
    EXPECT_EQ(folder.Contents("game.sav"), replacement);
}

struct Fault {
    const char* name;
    FileStep step;
    int occurrence;
    int error;
    bool needsExistingTarget;  // the step only happens when a file is replaced
};

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

class SafeFileWriteFaultTest : public SafeFileWriteTest,
                               public testing::WithParamInterface<Fault> {};

TEST_P(SafeFileWriteFaultTest, FailedStepLeavesTheDiskAsItWas) {
    const Fault& fault = GetParam();
    for (bool targetExists : {true, false}) {
        if (!targetExists && fault.needsExistingTarget) continue;
        SCOPED_TRACE(targetExists ? "replacing a file" : "creating a file");
        std::filesystem::remove(target);
        if (targetExists) {
            folder.Put("game.sav", original);
            ASSERT_EQ(chmod(target.c_str(), 0640), 0);
        }
        const size_t descriptors = OpenDescriptorCount();
        FailingFileOps ops(fault.step, fault.occurrence, fault.error);
        bool written;
        {
            ScopedFileOps use(ops);
            written = Write(target, replacement);
        }

        EXPECT_FALSE(written);
        EXPECT_TRUE(ops.Fired());
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
        if (targetExists) {
            EXPECT_EQ(folder.Names(), Names{"game.sav"});
            EXPECT_EQ(folder.Contents("game.sav"), original);
            EXPECT_EQ(PermissionsOf(target), mode_t(0640));
        } else {
            EXPECT_TRUE(folder.Names().empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SafeFileWrite, SafeFileWriteFaultTest,
    testing::Values(
        Fault{"Stat", FileStep::Stat, 1, EIO, false},
        Fault{"FolderNotWritable", FileStep::Create, 1, EACCES, false},
        Fault{"EveryTemporaryNameTaken", FileStep::Create, FailingFileOps::kEveryCall, EEXIST,
              false},
        Fault{"Fchmod", FileStep::Fchmod, 1, EPERM, true},
        Fault{"Write", FileStep::Write, 1, EIO, false},
        Fault{"ShortWriteThenDiskFull", FileStep::ShortWrite, 1, ENOSPC, false},
        Fault{"WriteOfNothing", FileStep::ZeroWrite, 1, EIO, false},
        Fault{"Fsync", FileStep::Fsync, 1, EIO, false},
        Fault{"Close", FileStep::Close, 1, EIO, false},
        Fault{"Rename", FileStep::Rename, 1, EIO, false}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

// Once the rename has happened the new file is in place; a folder that will
// not sync afterwards must not make the caller think the save was lost.
TEST_F(SafeFileWriteTest, FolderSyncFailureAfterTheRenameStillSucceeds) {
    const struct {
        const char* name;
        FileStep step;
        int occurrence;  // the first Fsync and Close are the temporary file's
    } faults[] = {
        {"opening the folder", FileStep::Open, 1},
        {"syncing the folder", FileStep::Fsync, 2},
        {"closing the folder", FileStep::Close, 2},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        folder.Put("game.sav", original);
        const size_t descriptors = OpenDescriptorCount();
        FailingFileOps ops(fault.step, fault.occurrence);
        bool written;
        {
            ScopedFileOps use(ops);
            written = Write(target, replacement);
        }

        EXPECT_TRUE(written);
        EXPECT_TRUE(ops.Fired());
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
        EXPECT_EQ(folder.Names(), Names{"game.sav"});
        EXPECT_EQ(folder.Contents("game.sav"), replacement);
    }
}

}  // namespace
