#include "member/MemberFile.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using member::DecodeMemberFile;
using member::DecodeResult;
using member::EncodeMemberFile;
using member::MemberFile;
using member::MemberFileCheck;

using Record = std::array<uint8_t, 44>;
using Name = std::array<uint8_t, 10>;

// Species maps of the test's own, unlike the games' ones, so a codec that
// reached for any other map would be caught.
struct SpeciesMaps {
    std::array<uint8_t, 256> internalOfDex{};
    std::array<uint8_t, 256> dexOfInternal{};
};

const SpeciesMaps& TestMaps() {
    static const SpeciesMaps maps = [] {
        SpeciesMaps m;
        for (int dex = 0; dex <= 151; ++dex) {
            const uint8_t internal = uint8_t(dex * 7 + 3);  // distinct for every dex
            m.internalOfDex[dex] = internal;
            if (dex > 0) m.dexOfInternal[internal] = uint8_t(dex);
        }
        return m;
    }();
    return maps;
}

uint8_t SpeciesOfDex(uint8_t dex) { return TestMaps().internalOfDex[dex]; }

DecodeResult Decode(const MemberFile& file) {
    return DecodeMemberFile(file.size(), file.data(), TestMaps().internalOfDex.data());
}

MemberFile Encode(const Record& record, const Name& nickname, const Name& otName) {
    return EncodeMemberFile(record.data(), nickname.data(), otName.data(),
                            TestMaps().dexOfInternal.data());
}

// Turns plain bytes into a stored file: bytes 4..72 XOR their offset, the
// XOR of the plain bytes at 73 and the sum of the stored ones at 74.
MemberFile Seal(MemberFile plain) {
    uint8_t xorCheck = 0, sumCheck = 0;
    for (size_t i = 4; i <= 72; ++i) {
        xorCheck ^= plain[i];
        plain[i] ^= uint8_t(i);
        sumCheck = uint8_t(sumCheck + plain[i]);
    }
    plain[73] = xorCheck;
    plain[74] = sumCheck;
    return plain;
}

MemberFile PlainWithMagic() {
    MemberFile plain{};
    plain[0] = 'P';
    plain[1] = 'K';
    plain[2] = 'M';
    plain[3] = 'N';
    return plain;
}

// The stored form of the file whose plain bytes 4..72 are all zero.
MemberFile StoredAllZeroFile() {
    MemberFile stored = PlainWithMagic();
    for (size_t i = 4; i <= 72; ++i) stored[i] = uint8_t(i);  // 0x04..0x48
    stored[73] = 0x00;
    stored[74] = 0x3E;  // 2622 modulo 256
    return stored;
}

TEST(MemberFileScramble, AllZeroPlainBytesStoreTheirOffsets) {
    EXPECT_EQ(Seal(PlainWithMagic()), StoredAllZeroFile());

    const DecodeResult result = Decode(StoredAllZeroFile());
    ASSERT_EQ(result.check, MemberFileCheck::Ok);
    Record expected{};
    expected[0] = SpeciesOfDex(0);
    EXPECT_EQ(result.member.record, expected);
    EXPECT_EQ(result.member.nickname, Name{});
    EXPECT_EQ(result.member.otName, Name{});
}

TEST(MemberFileScramble, DexOneChangesTheStoredByteAndBothChecks) {
    MemberFile stored = StoredAllZeroFile();
    stored[4] = 0x05;
    stored[73] = 0x01;
    stored[74] = 0x3F;
    MemberFile plain = PlainWithMagic();
    plain[4] = 1;
    EXPECT_EQ(Seal(plain), stored);

    const DecodeResult result = Decode(stored);
    ASSERT_EQ(result.check, MemberFileCheck::Ok);
    EXPECT_EQ(result.member.record[0], SpeciesOfDex(1));
}

// The XOR check is over the plain bytes and the SUM check over the stored
// ones; either taken over the other form must be refused.
TEST(MemberFileScramble, ChecksTakenOverTheWrongFormAreRefused) {
    MemberFile xorOfStored = StoredAllZeroFile();
    xorOfStored[73] = 0;
    for (size_t i = 4; i <= 72; ++i) xorOfStored[73] ^= uint8_t(i);
    MemberFile sumOfPlain = StoredAllZeroFile();
    sumOfPlain[74] = 0x00;
    EXPECT_EQ(Decode(xorOfStored).check, MemberFileCheck::BadCheckBytes);
    EXPECT_EQ(Decode(sumOfPlain).check, MemberFileCheck::BadCheckBytes);
}

// A member whose bytes are all different, so a byte taken from the wrong
// place shows. Its species has dex 25 and its moves are all at most 165.
Record SampleRecord() {
    Record record;
    for (size_t i = 0; i < record.size(); ++i) record[i] = uint8_t(i * 37 + 11);
    record[0] = SpeciesOfDex(25);
    record[8] = 1;
    record[9] = 165;
    record[10] = 0;
    record[11] = 100;
    return record;
}
const Name kNickname = {0x8F, 0x88, 0x8A, 0x80, 0x50, 0x00, 0xBA, 0xFF, 0x7F, 0x50};
const Name kOtName = {0x80, 0x92, 0x87, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0xE3};

TEST(EncodeMemberFile, LaysOutThePlainBytesAndSealsThem) {
    const Record r = SampleRecord();
    MemberFile plain = PlainWithMagic();
    plain[4] = 25;     // dex number of the species
    plain[5] = r[7];
    for (size_t k = 0; k < 4; ++k) plain[6 + k] = r[8 + k];     // moves
    plain[10] = r[12], plain[11] = r[13];                       // OT ID
    plain[12] = r[14], plain[13] = r[15], plain[14] = r[16];    // experience
    for (size_t k = 0; k < 16; ++k) plain[15 + k] = r[17 + k];  // bytes 17..32
    plain[31] = 0x46;
    plain[35] = r[33];                                          // level
    plain[36] = r[4];
    plain[38] = r[1], plain[39] = r[2];                         // current HP
    for (size_t k = 0; k < 10; ++k) plain[40 + k] = r[34 + k];  // max HP and stats
    plain[50] = r[42], plain[51] = r[43];                       // special again
    for (size_t k = 0; k < 10; ++k) plain[52 + k] = kNickname[k];
    for (size_t k = 0; k < 10; ++k) plain[62 + k] = kOtName[k];

    const MemberFile file = Encode(r, kNickname, kOtName);
    EXPECT_EQ(file, Seal(plain));
    EXPECT_EQ(file[31], 0x59);
    EXPECT_EQ(file[72], 0x48);
}

TEST(EncodeMemberFile, LeavesOutRecordBytesThreeFiveAndSix) {
    Record other = SampleRecord();
    other[3] ^= 0xFF;
    other[5] ^= 0xFF;
    other[6] ^= 0xFF;
    EXPECT_EQ(Encode(other, kNickname, kOtName), Encode(SampleRecord(), kNickname, kOtName));
}

struct RoundTrip {
    const char* name;
    Record record;
};

Record AllBytes(uint8_t value, uint8_t dex, std::array<uint8_t, 4> moves) {
    Record record;
    record.fill(value);
    record[0] = SpeciesOfDex(dex);
    for (size_t k = 0; k < 4; ++k) record[8 + k] = moves[k];
    return record;
}

class MemberFileRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(MemberFileRoundTrip, GivesBackEveryCarriedByte) {
    const Record& record = GetParam().record;
    const DecodeResult result = Decode(Encode(record, kNickname, kOtName));
    ASSERT_EQ(result.check, MemberFileCheck::Ok);
    Record expected = record;
    expected[3] = expected[5] = expected[6] = 0;
    EXPECT_EQ(result.member.record, expected);
    EXPECT_EQ(result.member.nickname, kNickname);
    EXPECT_EQ(result.member.otName, kOtName);
}

INSTANTIATE_TEST_SUITE_P(
    Members, MemberFileRoundTrip,
    testing::Values(RoundTrip{"AllBytesDifferent", SampleRecord()},
                    RoundTrip{"AllBytesHigh", AllBytes(0xFF, 151, {165, 165, 165, 165})},
                    RoundTrip{"AllBytesZero", AllBytes(0x00, 1, {0, 0, 0, 0})}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(DecodeMemberFile, ChecksTheLengthBeforeReadingAnyByte) {
    for (size_t length : {size_t(0), size_t(1), size_t(74), size_t(76), size_t(150)}) {
        EXPECT_EQ(DecodeMemberFile(length, nullptr, TestMaps().internalOfDex.data()).check,
                  MemberFileCheck::WrongLength)
            << "length " << length;
    }
}

TEST(DecodeMemberFile, RefusesAGoodFileGivenWithTheWrongLength) {
    std::vector<uint8_t> bytes(76, 0);
    const MemberFile good = Encode(SampleRecord(), kNickname, kOtName);
    std::copy(good.begin(), good.end(), bytes.begin());
    for (size_t length : {size_t(74), size_t(76)}) {
        EXPECT_EQ(DecodeMemberFile(length, bytes.data(), TestMaps().internalOfDex.data()).check,
                  MemberFileCheck::WrongLength)
            << "length " << length;
    }
}

// A file built from plain bytes: the sample member's, then some set to other
// values, sealed, and then some stored bytes flipped by a mask.
struct CheckCase {
    const char* name;
    std::vector<std::pair<size_t, uint8_t>> plainValues;
    std::vector<std::pair<size_t, uint8_t>> storedFlips;
    MemberFileCheck check;
};

class DecodeMemberFileCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(DecodeMemberFileCheck, StopsAtTheFirstFailingCheck) {
    MemberFile stored = Encode(SampleRecord(), kNickname, kOtName);
    MemberFile plain = stored;
    for (size_t i = 4; i <= 72; ++i) plain[i] ^= uint8_t(i);
    for (const auto& [at, value] : GetParam().plainValues) plain[at] = value;
    stored = Seal(plain);
    for (const auto& [at, mask] : GetParam().storedFlips) stored[at] ^= mask;
    EXPECT_EQ(Decode(stored).check, GetParam().check);
}

constexpr MemberFileCheck kOk = MemberFileCheck::Ok;
constexpr MemberFileCheck kMagic = MemberFileCheck::WrongMagic;
constexpr MemberFileCheck kCheckBytes = MemberFileCheck::BadCheckBytes;
constexpr MemberFileCheck kSpecies = MemberFileCheck::NoSuchSpecies;
constexpr MemberFileCheck kMove = MemberFileCheck::NoSuchMove;

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeMemberFileCheck,
    testing::Values(
        CheckCase{"SampleMember", {}, {}, kOk},
        CheckCase{"MagicFirstLetter", {}, {{0, 'P' ^ 'X'}}, kMagic},
        CheckCase{"MagicInLowerCase", {}, {{1, 0x20}, {2, 0x20}}, kMagic},
        CheckCase{"MagicLastLetter", {}, {{3, 0x01}}, kMagic},
        CheckCase{"MagicBeforeCheckBytes", {}, {{0, 0x01}, {74, 0x01}}, kMagic},
        CheckCase{"XorCheckOff", {}, {{73, 0x01}}, kCheckBytes},
        CheckCase{"SumCheckOff", {}, {{74, 0x80}}, kCheckBytes},
        CheckCase{"ScrambledByteChanged", {}, {{40, 0x04}}, kCheckBytes},
        CheckCase{"CheckBytesBeforeSpecies", {{4, 152}}, {{73, 0x10}}, kCheckBytes},
        CheckCase{"CheckBytesBeforeMoves", {{6, 166}}, {{74, 0x10}}, kCheckBytes},
        CheckCase{"DexZero", {{4, 0}}, {}, kOk},
        CheckCase{"Dex151", {{4, 151}}, {}, kOk},
        CheckCase{"Dex152", {{4, 152}}, {}, kSpecies},
        CheckCase{"Dex255", {{4, 255}}, {}, kSpecies},
        CheckCase{"LastByteOne", {{72, 0x01}}, {}, kSpecies},
        CheckCase{"LastByteHigh", {{72, 0x80}}, {}, kSpecies},
        CheckCase{"SpeciesBeforeMoves", {{4, 152}, {9, 166}}, {}, kSpecies},
        CheckCase{"AllMoves165", {{6, 165}, {7, 165}, {8, 165}, {9, 165}}, {}, kOk},
        CheckCase{"Move1Is166", {{6, 166}}, {}, kMove},
        CheckCase{"Move2Is166", {{7, 166}}, {}, kMove},
        CheckCase{"Move3Is166", {{8, 166}}, {}, kMove},
        CheckCase{"Move4Is166", {{9, 166}}, {}, kMove},
        CheckCase{"Move4Is255", {{9, 255}}, {}, kMove},
        // Bytes nobody reads, and values nothing limits.
        CheckCase{"UnusedBytesSet",
                  {{31, 0x00}, {32, 9}, {33, 9}, {34, 9}, {37, 9}, {50, 0}, {51, 7}},
                  {},
                  kOk},
        CheckCase{"LevelAndStatsExtreme",
                  {{35, 0}, {38, 0xFF}, {39, 0xFF}, {40, 0}, {41, 0}, {48, 0xFF}, {49, 0xFF}},
                  {},
                  kOk}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(DecodeMemberFile, IgnoresTheSecondCopyOfSpecial) {
    const Record record = SampleRecord();
    MemberFile plain = Encode(record, kNickname, kOtName);
    for (size_t i = 4; i <= 72; ++i) plain[i] ^= uint8_t(i);
    plain[50] ^= 0xFF;
    plain[51] ^= 0xFF;
    const DecodeResult result = Decode(Seal(plain));
    ASSERT_EQ(result.check, MemberFileCheck::Ok);
    EXPECT_EQ(result.member.record[42], record[42]);
    EXPECT_EQ(result.member.record[43], record[43]);
}

TEST(DecodeMemberFile, AnySingleFlippedBitFailsMagicOrCheckBytes) {
    const MemberFile good = Encode(SampleRecord(), kNickname, kOtName);
    for (size_t at = 0; at < good.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            MemberFile file = good;
            file[at] ^= uint8_t(1u << bit);
            const MemberFileCheck expected = at < 4 ? kMagic : kCheckBytes;
            EXPECT_EQ(Decode(file).check, expected) << "byte " << at << " bit " << bit;
        }
    }
}

// The check bytes cannot see bytes that trade places: neither the sum of the
// stored bytes nor the XOR of the unscrambled ones changes.
TEST(DecodeMemberFile, ExchangedScrambledBytesPassTheCheckBytes) {
    const MemberFile good = Encode(SampleRecord(), kNickname, kOtName);
    int exchanged = 0;
    for (size_t a = 4; a <= 72; ++a) {
        for (size_t b = a + 1; b <= 72; ++b) {
            if (good[a] == good[b]) continue;
            MemberFile file = good;
            std::swap(file[a], file[b]);
            const MemberFileCheck check = Decode(file).check;
            EXPECT_TRUE(check == kOk || check == kSpecies || check == kMove)
                << "bytes " << a << " and " << b << " gave check " << int(check);
            ++exchanged;
        }
    }
    EXPECT_GT(exchanged, 2000);  // the sample's bytes differ almost everywhere
}

}  // namespace
