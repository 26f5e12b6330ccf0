#include "save/TextToNumber.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

struct Entry {
    std::string_view text;
    uint32_t number;
};

class TextToNumberEntry : public testing::TestWithParam<Entry> {};

TEST_P(TextToNumberEntry, ReadsLikeAtolAsUnsigned32) {
    EXPECT_EQ(save::TextToNumber(GetParam().text), GetParam().number)
        << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Plain, TextToNumberEntry,
    testing::Values(Entry{"0", 0}, Entry{"42", 42}, Entry{"007", 7}, Entry{"65535", 65535},
                    Entry{"16777215", 16777215}, Entry{"4294967295", 0xFFFFFFFF}));

INSTANTIATE_TEST_SUITE_P(
    WithoutDigits, TextToNumberEntry,
    testing::Values(Entry{"", 0}, Entry{"abc", 0}, Entry{"+", 0}, Entry{"-", 0}, Entry{"   ", 0},
                    Entry{"+-5", 0}, Entry{"- 5", 0}, Entry{"x12", 0}));

INSTANTIATE_TEST_SUITE_P(
    StopsAtFirstNonDigit, TextToNumberEntry,
    testing::Values(Entry{"12ab", 12}, Entry{"5 6", 5}, Entry{"0x10", 0}, Entry{"3.9", 3},
                    Entry{"99-1", 99}, Entry{std::string_view("4\0" "2", 3), 4}));

INSTANTIATE_TEST_SUITE_P(
    LeadingWhiteSpace, TextToNumberEntry,
    testing::Values(Entry{" 7", 7}, Entry{"\t7", 7}, Entry{"\n7", 7}, Entry{"\v7", 7},
                    Entry{"\f7", 7}, Entry{"\r7", 7}, Entry{" \t\n\v\f\r+7", 7},
                    // Not white space in the C locale.
                    Entry{"\xA0" "7", 0}, Entry{std::string_view("\0" "7", 2), 0}));

INSTANTIATE_TEST_SUITE_P(
    Signs, TextToNumberEntry,
    testing::Values(Entry{"+5", 5}, Entry{"-0", 0}, Entry{"-1", 0xFFFFFFFF},
                    Entry{" -12", 0xFFFFFFF4}, Entry{"-65535", 0xFFFF0001},
                    Entry{"-2147483648", 0x80000000}));

// No number of digits may wrap round into a value the editor accepts.
INSTANTIATE_TEST_SUITE_P(
    TooLongToFit, TextToNumberEntry,
    testing::Values(Entry{"4294967296", 0xFFFFFFFF}, Entry{"4294967297", 0xFFFFFFFF},
                    Entry{"42949672950", 0xFFFFFFFF}, Entry{"18446744073709551617", 0xFFFFFFFF},
                    Entry{"99999999999999999999999999999999999999", 0xFFFFFFFF},
                    Entry{"-2147483649", 0x80000000}, Entry{"-4294967295", 0x80000000},
                    Entry{"-4294967296", 0x80000000}, Entry{"-4294967297", 0x80000000},
                    Entry{"-18446744073709551615", 0x80000000},
                    Entry{"-99999999999999999999999999999999999999", 0x80000000}));

}  // namespace
