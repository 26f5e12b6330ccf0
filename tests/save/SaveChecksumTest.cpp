#include "save/SaveChecksum.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "save/SaveLayout.h"
#include "support/FixtureSave.h"

namespace {

using save::kChecksumFirst;
using save::kChecksumLast;
using save::SaveChecksum;

// A smallest save whose summed range is all zero and whose other bytes are
// not, so a range one byte too wide or too narrow shows.
std::vector<uint8_t> ZeroRangeSave() {
    std::vector<uint8_t> image(save::kMinSaveSize, 0xC3);
    std::fill(image.begin() + kChecksumFirst, image.begin() + kChecksumLast + 1, 0);
    return image;
}

TEST(SaveChecksum, OfAnAllZeroRangeIsFF) { EXPECT_EQ(SaveChecksum(ZeroRangeSave().data()), 0xFF); }

TEST(SaveChecksum, IsTheComplementOfTheLowByteOfTheSum) {
    std::vector<uint8_t> image = ZeroRangeSave();
    // 18 x 0xFF + 0x46 = 0x1234, spread to both ends of the range.
    for (size_t i = 0; i < 17; ++i) image[kChecksumFirst + i] = 0xFF;
    image[kChecksumLast - 1] = 0xFF;
    image[kChecksumLast] = 0x46;
    EXPECT_EQ(SaveChecksum(image.data()), 0xCB);
}

struct OneByte {
    size_t at;
    uint8_t checksum;
};

class SaveChecksumRange : public testing::TestWithParam<OneByte> {};

TEST_P(SaveChecksumRange, CountsABytePreciselyWhenInsideTheRange) {
    std::vector<uint8_t> image = ZeroRangeSave();
    image[GetParam().at] = 1;
    EXPECT_EQ(SaveChecksum(image.data()), GetParam().checksum);
}

INSTANTIATE_TEST_SUITE_P(Edges, SaveChecksumRange,
                         testing::Values(OneByte{kChecksumFirst - 1, 0xFF},
                                         OneByte{kChecksumFirst, 0xFE},
                                         OneByte{kChecksumLast, 0xFE},
                                         OneByte{save::kChecksumByte, 0xFF}));

TEST(SaveChecksum, IgnoresEveryByteOutsideTheRange) {
    std::vector<uint8_t> a = fixture::MakeSave({fixture::Member{}}, 32768, 1);
    std::vector<uint8_t> b = fixture::MakeSave({fixture::Member{}}, 32768, 2);
    std::copy(a.begin() + kChecksumFirst, a.begin() + kChecksumLast + 1, b.begin() + kChecksumFirst);
    ASSERT_NE(a, b);
    EXPECT_EQ(SaveChecksum(a.data()), SaveChecksum(b.data()));
}

}  // namespace
