#include "save/GameText.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using save::AsciiToGameChar;
using save::DecodeName;
using save::EncodeName;
using save::GameCharToAscii;

using Slot = std::array<uint8_t, 11>;

// The pairs the games know, written out in runs the way the character map is
// laid out, independently of how the codec stores them.
std::map<uint8_t, char> KnownPairs() {
    std::map<uint8_t, char> pairs = {
        {0x50, '\0'}, {0x7F, ' '},  {0x9A, '('}, {0x9B, ')'}, {0x9C, ':'}, {0x9D, ';'},
        {0x9E, '['},  {0x9F, ']'},  {0xE0, '\''}, {0xE3, '-'}, {0xE6, '?'}, {0xE7, '!'},
        {0xE8, '.'},  {0xE9, '&'},  {0xF3, '/'}, {0xF4, ','},
    };
    for (int k = 0; k < 26; ++k) pairs[uint8_t(0x80 + k)] = char('A' + k);
    for (int k = 0; k < 26; ++k) pairs[uint8_t(0xA0 + k)] = char('a' + k);
    for (int k = 0; k < 10; ++k) pairs[uint8_t(0xF6 + k)] = char('0' + k);
    return pairs;
}

std::map<char, uint8_t> CodeOfKnownCharacter() {
    std::map<char, uint8_t> codes;
    for (const auto& [code, character] : KnownPairs()) codes[character] = code;
    return codes;
}

TEST(GameCharToAscii, AnswersEveryCodeFromTheTableOrUnderscore) {
    const std::map<uint8_t, char> pairs = KnownPairs();
    int defaults = 0;
    for (int code = 0; code < 256; ++code) {
        const auto known = pairs.find(uint8_t(code));
        const char expected = known != pairs.end() ? known->second : '_';
        EXPECT_EQ(GameCharToAscii(uint8_t(code)), expected) << "code " << code;
        defaults += known == pairs.end();
    }
    EXPECT_EQ(defaults, 178);
}

TEST(AsciiToGameChar, AnswersEveryCharacterFromTheTableOrE3) {
    const std::map<char, uint8_t> codes = CodeOfKnownCharacter();
    int defaults = 0;
    for (int value = 0; value < 256; ++value) {
        const char character = char(uint8_t(value));
        const auto known = codes.find(character);
        const uint8_t expected = known != codes.end() ? known->second : 0xE3;
        EXPECT_EQ(AsciiToGameChar(character), expected) << "character " << value;
        defaults += known == codes.end();
    }
    EXPECT_EQ(defaults, 178);
}

TEST(GameText, EveryPairSurvivesBothRoundTrips) {
    for (const auto& [code, character] : KnownPairs()) {
        EXPECT_EQ(AsciiToGameChar(GameCharToAscii(code)), code) << "code " << int(code);
        EXPECT_EQ(GameCharToAscii(AsciiToGameChar(character)), character)
            << "character " << int(uint8_t(character));
    }
}

// A code the games' names do not use shows as "_", is stored back as the
// code of "-", and shows as "-" from then on.
TEST(GameText, UnknownCodeBecomesADashAfterOneRoundTrip) {
    const std::map<uint8_t, char> pairs = KnownPairs();
    for (int code = 0; code < 256; ++code) {
        if (pairs.count(uint8_t(code))) continue;
        const uint8_t stored = AsciiToGameChar(GameCharToAscii(uint8_t(code)));
        EXPECT_EQ(stored, 0xE3) << "code " << code;
        EXPECT_EQ(GameCharToAscii(stored), '-');
    }
}

struct DecodeCase {
    const char* what;
    Slot slot;
    std::string text;
};

class DecodeNameCase : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeNameCase, EndsAtTheFirstTerminator) {
    EXPECT_EQ(DecodeName(GetParam().slot.data()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, DecodeNameCase,
    testing::Values(
        DecodeCase{"TwoLettersThenNoise",
                   {0x80, 0x81, 0x50, 0x82, 0x00, 0xFF, 0x83, 0x84, 0x85, 0x86, 0x87}, "AB"},
        DecodeCase{"TerminatorFirst", {0x50, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89}, ""},
        DecodeCase{"ZeroByteIsNoTerminator",
                   {0x00, 0x80, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}, "_A"},
        DecodeCase{"TenLettersAndALetterInByteTen",
                   {0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A}, "ABCDEFGHIJ"},
        DecodeCase{"SpaceDigitsPunctuation",
                   {0x7F, 0xF6, 0xFF, 0xE7, 0xE0, 0x9A, 0xB9, 0x50, 0x50, 0x50, 0x50}, " 09!'(z"},
        DecodeCase{"CodesOutsideTheTable",
                   {0xBA, 0x80, 0xF5, 0x4F, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}, "_A__"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.what); });

struct EncodeCase {
    std::string text;
    std::array<uint8_t, 10> codes;
};

class EncodeNameCase : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeNameCase, WritesTenCodesAndKeepsByteTen) {
    Slot slot;
    slot.fill(0x11);
    slot[10] = 0x8C;
    EncodeName(GetParam().text, slot.data());
    Slot expected;
    std::copy(GetParam().codes.begin(), GetParam().codes.end(), expected.begin());
    expected[10] = 0x8C;
    EXPECT_EQ(slot, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeNameCase,
    testing::Values(
        EncodeCase{"Ab-1", {0x80, 0xA1, 0xE3, 0xF7, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}},
        EncodeCase{"a_b", {0xA0, 0xE3, 0xA1, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}},
        EncodeCase{" ", {0x7F, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}},
        EncodeCase{"ABCDEFGHIJ", {0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89}},
        EncodeCase{"(z) 9.", {0x9A, 0xB9, 0x9B, 0x7F, 0xFF, 0xE8, 0x50, 0x50, 0x50, 0x50}},
        // A byte above 0x7F is no character of the table, whatever the
        // signedness of char.
        EncodeCase{"\xE9\x80", {0xE3, 0xE3, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50}}));

TEST(GameText, NameWithUnknownCharacterShowsADashNextTime) {
    Slot slot{};
    EncodeName("a_b", slot.data());
    EXPECT_EQ(DecodeName(slot.data()), "a-b");
}

TEST(GameText, UnchangedNameIsWrittenBackWithCleanPadding) {
    Slot slot = {0x80, 0x81, 0x50, 0x82, 0x83, 0x00, 0xFF, 0x84, 0x85, 0x86, 0x77};
    EncodeName(DecodeName(slot.data()), slot.data());
    EXPECT_EQ(slot, (Slot{0x80, 0x81, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x77}));
}

// Ten bytes that end a page followed by one the process may neither read nor
// write: whoever touches slot byte 10 faults.
class GuardedSlot {
public:
    GuardedSlot() {
        page_ = size_t(sysconf(_SC_PAGESIZE));
        void* memory = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) std::abort();
        base_ = static_cast<uint8_t*>(memory);
        if (mprotect(base_ + page_, page_, PROT_NONE) != 0) std::abort();
    }
    ~GuardedSlot() { munmap(base_, 2 * page_); }
    GuardedSlot(const GuardedSlot&) = delete;
    GuardedSlot& operator=(const GuardedSlot&) = delete;

    uint8_t* slot() { return base_ + page_ - 10; }

private:
    size_t page_ = 0;
    uint8_t* base_ = nullptr;
};

TEST(GameTextDeathTest, TenLetterNameNeverTouchesByteTen) {
    GuardedSlot guarded;
    uint8_t* slot = guarded.slot();
    for (int i = 0; i < 10; ++i) slot[i] = uint8_t(0x80 + i);
    EXPECT_EXIT(
        {
            const bool decoded = DecodeName(slot) == "ABCDEFGHIJ";
            EncodeName("KLMNOPQRST", slot);
            std::exit(decoded && slot[0] == 0x8A && slot[9] == 0x93 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
