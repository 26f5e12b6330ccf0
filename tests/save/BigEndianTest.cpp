#include "save/BigEndian.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using save::Read16;
using save::Read24;
using save::Write16;
using save::Write24;

// Writes land between two guard bytes, so a write one byte too wide shows.
constexpr uint8_t kGuard = 0xA5;

struct Case16 {
    uint32_t value;
    uint8_t high, low;
};

class BigEndian16 : public testing::TestWithParam<Case16> {};

TEST_P(BigEndian16, WritesMostSignificantFirstAndReadsBack) {
    const Case16& c = GetParam();
    std::array<uint8_t, 4> bytes;
    bytes.fill(kGuard);
    Write16(&bytes[1], c.value);
    EXPECT_EQ(bytes, (std::array<uint8_t, 4>{kGuard, c.high, c.low, kGuard}));
    EXPECT_EQ(Read16(&bytes[1]), c.value & 0xFFFF);
}

INSTANTIATE_TEST_SUITE_P(Values, BigEndian16,
                         testing::Values(Case16{0, 0x00, 0x00},
                                         Case16{300, 0x01, 0x2C},      // a max HP
                                         Case16{999, 0x03, 0xE7},
                                         Case16{65535, 0xFF, 0xFF},
                                         Case16{0x12345, 0x23, 0x45},  // only the low 16 bits
                                         Case16{0xFFFFFFFF, 0xFF, 0xFF}));

struct Case24 {
    uint32_t value;
    uint8_t high, middle, low;
};

class BigEndian24 : public testing::TestWithParam<Case24> {};

TEST_P(BigEndian24, WritesMostSignificantFirstAndReadsBack) {
    const Case24& c = GetParam();
    std::array<uint8_t, 5> bytes;
    bytes.fill(kGuard);
    Write24(&bytes[1], c.value);
    EXPECT_EQ(bytes, (std::array<uint8_t, 5>{kGuard, c.high, c.middle, c.low, kGuard}));
    EXPECT_EQ(Read24(&bytes[1]), c.value & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(Values, BigEndian24,
                         testing::Values(Case24{0, 0x00, 0x00, 0x00},
                                         Case24{100000, 0x01, 0x86, 0xA0},  // an experience
                                         Case24{16777215, 0xFF, 0xFF, 0xFF},
                                         Case24{0x01020304, 0x02, 0x03, 0x04},  // only the low 24 bits
                                         Case24{0xFFFFFFFF, 0xFF, 0xFF, 0xFF}));

TEST(BigEndianRead, ReadsOnlyItsOwnBytes) {
    const uint8_t bytes[] = {0xFF, 0x12, 0x34, 0x56, 0xFF};
    EXPECT_EQ(Read16(&bytes[1]), 0x1234u);
    EXPECT_EQ(Read24(&bytes[1]), 0x123456u);
}

}  // namespace
