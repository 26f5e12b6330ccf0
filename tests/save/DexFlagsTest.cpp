#include "save/DexFlags.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// The 19 flag bytes with one guard byte on each side.
using FlagsWithGuards = std::array<uint8_t, 21>;
constexpr size_t kFirstFlag = 1;

struct DexBit {
    uint8_t dex;
    size_t byte;
    uint8_t mask;
};

class DexFlagBit : public testing::TestWithParam<DexBit> {};

TEST_P(DexFlagBit, SetsOnlyItsOwnBit) {
    const DexBit& c = GetParam();
    FlagsWithGuards flags{};
    save::SetDexFlag(&flags[kFirstFlag], c.dex);
    FlagsWithGuards expected{};
    expected[kFirstFlag + c.byte] = c.mask;
    EXPECT_EQ(flags, expected);
}

TEST_P(DexFlagBit, KeepsTheBitsAlreadySet) {
    const DexBit& c = GetParam();
    FlagsWithGuards flags;
    flags.fill(0x5A);
    save::SetDexFlag(&flags[kFirstFlag], c.dex);
    FlagsWithGuards expected;
    expected.fill(0x5A);
    expected[kFirstFlag + c.byte] |= c.mask;
    EXPECT_EQ(flags, expected);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, DexFlagBit,
                         testing::Values(DexBit{1, 0, 0x01}, DexBit{2, 0, 0x02}, DexBit{8, 0, 0x80},
                                         DexBit{9, 1, 0x01}, DexBit{16, 1, 0x80},
                                         DexBit{17, 2, 0x01}, DexBit{150, 18, 0x20},
                                         DexBit{151, 18, 0x40}));

TEST(DexFlags, AllDexNumbersFillNineteenBytesButTheLastBit) {
    FlagsWithGuards flags{};
    for (int dex = 1; dex <= 151; ++dex) save::SetDexFlag(&flags[kFirstFlag], uint8_t(dex));
    FlagsWithGuards expected;
    expected.fill(0xFF);
    expected.front() = 0;
    expected[kFirstFlag + 18] = 0x7F;
    expected.back() = 0;
    EXPECT_EQ(flags, expected);
}

}  // namespace
