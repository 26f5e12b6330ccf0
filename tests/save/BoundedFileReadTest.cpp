#include "save/BoundedFileRead.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>

#include "support/FailingFileOps.h"
#include "support/OpenDescriptors.h"
#include "support/FixtureSave.h"
#include "support/TempFolder.h"
#include "support/TricklingFileOps.h"

namespace {

class BoundedFileReadTest : public testing::Test {
protected:
    TempFolder folder;
    const std::string path = folder.PathOf("game.sav");
};

TEST_F(BoundedFileReadTest, SizeMustLieWithinTheBounds) {
    const struct {
        size_t size, minSize, maxSize;
        FileReadStatus expected;
    } cases[] = {
        {0, 0, 0, FileReadStatus::Ok},
        {0, 1, 100, FileReadStatus::WrongSize},
        {100, 100, 200, FileReadStatus::Ok},
        {200, 100, 200, FileReadStatus::Ok},
        {99, 100, 200, FileReadStatus::WrongSize},
        {201, 100, 200, FileReadStatus::WrongSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes in [" << c.minSize << ", "
                                        << c.maxSize << "]");
        const auto bytes = fixture::Noise(c.size, uint32_t(c.size));
        folder.Put("game.sav", bytes);
        const size_t descriptors = OpenDescriptorCount();

        FileReadResult result = ReadBoundedFile(path, c.minSize, c.maxSize);

        EXPECT_EQ(result.status, c.expected);
        EXPECT_EQ(result.bytes, c.expected == FileReadStatus::Ok ? bytes : std::vector<uint8_t>{});
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
    }
}

TEST_F(BoundedFileReadTest, OversizedFileIsNeverRead) {
    folder.Put("game.sav", fixture::Noise(201, 1));
    FailingFileOps ops(FileStep::Read, FailingFileOps::kEveryCall);
    ScopedFileOps use(ops);

    EXPECT_EQ(ReadBoundedFile(path, 100, 200).status, FileReadStatus::WrongSize);
    EXPECT_FALSE(ops.Fired());
}

// Bounds wide enough for any size, so only the kind of file can refuse it.
TEST_F(BoundedFileReadTest, OnlyARegularFileIsRead) {
    ASSERT_TRUE(std::filesystem::create_directory(folder.PathOf("folder")));
    for (const std::string& name : {folder.PathOf("folder"), std::string("/dev/null"),
                                    folder.PathOf("missing.sav")}) {
        SCOPED_TRACE(name);
        const size_t descriptors = OpenDescriptorCount();

        FileReadResult result = ReadBoundedFile(name, 0, SIZE_MAX);

        EXPECT_EQ(result.status, FileReadStatus::CannotRead);
        EXPECT_TRUE(result.bytes.empty());
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
    }
}

TEST_F(BoundedFileReadTest, FifoWithoutAWriterIsRefusedWithoutWaiting) {
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);

    auto reading = std::async(std::launch::async, [&] { return ReadBoundedFile(path, 0, SIZE_MAX); });
    if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        // Become the writer it waits for, so the test ends instead of hanging.
        int writer = open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) close(writer);
        FAIL() << "reading a FIFO waited for a writer";
    }
    EXPECT_EQ(reading.get().status, FileReadStatus::CannotRead);
}

TEST_F(BoundedFileReadTest, FailedStepGivesCannotReadAndClosesTheFile) {
    const struct {
        const char* name;
        FileStep step;
        int error;
    } faults[] = {
        {"open", FileStep::Open, EACCES},
        {"fstat", FileStep::Fstat, EIO},
        {"read", FileStep::Read, EIO},
        {"file shrinks while read", FileStep::ShrinkingRead, EIO},
    };
    folder.Put("game.sav", fixture::Noise(32768, 1));
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        const size_t descriptors = OpenDescriptorCount();
        FailingFileOps ops(fault.step, 1, fault.error);
        FileReadResult result;
        {
            ScopedFileOps use(ops);
            result = ReadBoundedFile(path, 0, 65536);
        }

        EXPECT_TRUE(ops.Fired());
        EXPECT_EQ(result.status, FileReadStatus::CannotRead);
        EXPECT_TRUE(result.bytes.empty());
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
    }
}

TEST_F(BoundedFileReadTest, PartialReadsAreJoined) {
    const auto bytes = fixture::Noise(32768, 1);
    folder.Put("game.sav", bytes);
    TricklingFileOps ops(1000);
    ScopedFileOps use(ops);

    FileReadResult result = ReadBoundedFile(path, 0, 65536);

    EXPECT_EQ(result.status, FileReadStatus::Ok);
    EXPECT_EQ(result.bytes, bytes);
}

// Appends to the file once its size has been learnt, as another program
// still writing it would.
class GrowingFileOps : public FileOps {
public:
    explicit GrowingFileOps(std::string path) : path_(std::move(path)) {}

    int Fstat(int fd, struct stat* info) override {
        int result = FileOps::Fstat(fd, info);
        std::ofstream(path_, std::ios::binary | std::ios::app) << "more bytes";
        return result;
    }

private:
    std::string path_;
};

TEST_F(BoundedFileReadTest, FileThatGrowsWhileReadGivesTheSizeItHadOnly) {
    const auto bytes = fixture::Noise(200, 1);
    folder.Put("game.sav", bytes);
    GrowingFileOps ops(path);
    ScopedFileOps use(ops);

    FileReadResult result = ReadBoundedFile(path, 100, 200);

    EXPECT_EQ(result.status, FileReadStatus::Ok);
    EXPECT_EQ(result.bytes, bytes);
}

}  // namespace
