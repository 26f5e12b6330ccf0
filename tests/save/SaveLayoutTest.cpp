#include "save/SaveLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace save;

struct MemberAddresses {
    uint8_t member;
    size_t species, record, otName, nickname;
};

class MemberAddressing : public testing::TestWithParam<MemberAddresses> {};

TEST_P(MemberAddressing, FindsEachMembersBytes) {
    const MemberAddresses& a = GetParam();
    EXPECT_EQ(PartySpeciesAt(kPartyCountOffset, a.member), a.species);
    EXPECT_EQ(RecordAt(kPartyRecordsOffset, a.member), a.record);
    EXPECT_EQ(NameSlotAt(kOtNamesOffset, a.member), a.otName);
    EXPECT_EQ(NameSlotAt(kNicknamesOffset, a.member), a.nickname);
}

INSTANTIATE_TEST_SUITE_P(AllSixMembers, MemberAddressing,
                         testing::Values(MemberAddresses{0, 0x2F2D, 0x2F34, 0x303C, 0x307E},
                                         MemberAddresses{1, 0x2F2E, 0x2F60, 0x3047, 0x3089},
                                         MemberAddresses{2, 0x2F2F, 0x2F8C, 0x3052, 0x3094},
                                         MemberAddresses{3, 0x2F30, 0x2FB8, 0x305D, 0x309F},
                                         MemberAddresses{4, 0x2F31, 0x2FE4, 0x3068, 0x30AA},
                                         MemberAddresses{5, 0x2F32, 0x3010, 0x3073, 0x30B5}));

// The regions the editor writes must not overlap one another, and all of them
// must lie in the summed range, or a save would carry a stale checksum.
TEST(SaveRegions, FollowOneAnotherInsideTheSummedRange) {
    struct Region {
        const char* name;
        size_t first, size;
    };
    const Region inOrder[] = {
        {"owned flags", kDexOwnedOffset, 19},
        {"seen flags", kDexSeenOffset, 19},
        {"party count and species", kPartyCountOffset, 1 + kMaxPartyCount},
        {"party records", kPartyRecordsOffset, kRecordSize * kMaxPartyCount},
        {"OT names", kOtNamesOffset, kNameSlotSize * kMaxPartyCount},
        {"nicknames", kNicknamesOffset, kNameSlotSize * kMaxPartyCount},
    };
    size_t end = kChecksumFirst;
    for (const Region& region : inOrder) {
        SCOPED_TRACE(region.name);
        EXPECT_GE(region.first, end);
        end = region.first + region.size;
    }
    EXPECT_EQ(end, 0x30C0u);  // one past the last nickname slot
    EXPECT_LE(end, size_t(kChecksumLast) + 1);
}

TEST(SaveRegions, SmallestSaveEndsWithTheChecksumByte) {
    EXPECT_EQ(kChecksumLast - kChecksumFirst + 1, 3979);
    EXPECT_EQ(kChecksumByte, kChecksumLast + 1);
    EXPECT_EQ(kMinSaveSize, kChecksumByte + 1);
}

// Each field has its own bytes, and with the bytes the editor only carries
// they fill the 44-byte record exactly.
TEST(PartyRecordFields, TileTheRecordWithoutOverlap) {
    struct Field {
        const char* name;
        size_t at, width;
    };
    const Field fields[] = {
        {"species", record::kSpecies, 1},
        {"current HP", record::kCurrentHp, 2},
        {"carried byte 3", 3, 1},
        {"carried byte 4", 4, 1},
        {"type 1", record::kType1, 1},
        {"type 2", record::kType2, 1},
        {"carried byte 7", 7, 1},
        {"moves", record::kMoves, kMoveSlots},
        {"OT ID", record::kOtId, 2},
        {"experience", record::kExperience, 3},
        {"carried bytes 17..32", 17, 16},
        {"level", record::kLevel, 1},
        {"max HP", record::kMaxHp, 2},
        {"attack", record::kAttack, 2},
        {"defense", record::kDefense, 2},
        {"speed", record::kSpeed, 2},
        {"special", record::kSpecial, 2},
    };
    size_t end = 0;
    for (const Field& field : fields) {
        EXPECT_EQ(field.at, end) << field.name;
        end = field.at + field.width;
    }
    EXPECT_EQ(end, kRecordSize);
}

}  // namespace
