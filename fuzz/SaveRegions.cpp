#include "SaveRegions.h"

#include "core/ReferenceTables.h"
#include "save/SaveLayout.h"

namespace fuzz {

namespace {

using namespace save;

constexpr size_t kFlagBytes = 19;

bool Within(size_t offset, size_t first, size_t length) { return offset >= first && offset < first + length; }

// Record bytes a commit or the save's type stamp may write.
bool CommitOrStampMayChange(size_t recordByte) {
    return recordByte <= record::kCurrentHp + 1 || recordByte == record::kType1 || recordByte == record::kType2 ||
           (recordByte >= record::kMoves && recordByte <= record::kExperience + 2) ||
           recordByte >= record::kLevel;
}

bool MemberMayChange(size_t offset, uint8_t member, bool imported) {
    if (offset == PartySpeciesAt(kPartyCountOffset, member)) return true;
    if (Within(offset, NameSlotAt(kNicknamesOffset, member), kNameLength)) return true;
    if (Within(offset, NameSlotAt(kOtNamesOffset, member), kNameLength)) return true;
    size_t recordAt = RecordAt(kPartyRecordsOffset, member);
    if (!Within(offset, recordAt, kRecordSize)) return false;
    size_t recordByte = offset - recordAt;
    return CommitOrStampMayChange(recordByte) || (imported && recordByte != 3);
}

bool InFlags(size_t offset) { return Within(offset, kDexOwnedOffset, kFlagBytes) || Within(offset, kDexSeenOffset, kFlagBytes); }

std::string At(size_t offset) { return "byte " + std::to_string(offset); }

// What the save stamps from each member's party species: the type pair in
// its record and its dex bit in both flag arrays, and no other flag bit.
std::string FaultOfStamp(const std::vector<uint8_t>& loaded, const std::vector<uint8_t>& written, uint8_t count) {
    uint8_t partyBits[kFlagBytes] = {};
    for (uint8_t member = 0; member < count; ++member) {
        uint8_t dex = core::kDexOfInternal[written[PartySpeciesAt(kPartyCountOffset, member)]];
        std::string who = "member " + std::to_string(member);
        if (dex == 0 || dex > kDexCount) return who + " was written with no species";
        const uint8_t* r = &written[RecordAt(kPartyRecordsOffset, member)];
        if (r[record::kType1] != core::kSpeciesTypes[dex - 1][0] || r[record::kType2] != core::kSpeciesTypes[dex - 1][1])
            return who + " does not carry the types of its species";
        partyBits[(dex - 1) / 8] |= uint8_t(1u << ((dex - 1) % 8));
    }
    for (uint16_t flags : {kDexOwnedOffset, kDexSeenOffset}) {
        for (size_t i = 0; i < kFlagBytes; ++i) {
            uint8_t before = loaded[flags + i], after = written[flags + i];
            if ((after & partyBits[i]) != partyBits[i]) return At(flags + i) + ": a party species is not flagged";
            if ((after & ~(before | partyBits[i])) != 0) return At(flags + i) + ": a flag of no party species was set";
        }
    }
    return "";
}

}  // namespace

bool ImportMayChange(size_t offset, uint8_t slot) {
    size_t recordAt = RecordAt(kPartyRecordsOffset, slot);
    if (Within(offset, recordAt, kRecordSize)) {
        size_t recordByte = offset - recordAt;
        return recordByte != 3 && recordByte != record::kType1 && recordByte != record::kType2;
    }
    return offset == PartySpeciesAt(kPartyCountOffset, slot) ||
           Within(offset, NameSlotAt(kNicknamesOffset, slot), kNameLength) ||
           Within(offset, NameSlotAt(kOtNamesOffset, slot), kNameLength);
}

std::string FaultOfWrittenSave(const std::vector<uint8_t>& loaded, const std::vector<uint8_t>& written,
                               int importedSlot) {
    if (written.size() != loaded.size())
        return "written " + std::to_string(written.size()) + " bytes of a " + std::to_string(loaded.size()) + "-byte save";
    if (written.size() < kMinSaveSize) return "a save too short to hold its checksum was written";
    uint8_t count = loaded[kPartyCountOffset];
    if (count == 0 || count > kMaxPartyCount) return "a save with a party of " + std::to_string(count) + " was written";
    for (size_t offset = 0; offset < written.size(); ++offset) {
        uint8_t before = loaded[offset], after = written[offset];
        if (before == after || offset == kChecksumByte) continue;
        if (InFlags(offset)) {
            if ((before & ~after) != 0) return At(offset) + ": a dex flag was cleared";
            continue;  // which bits it may gain is the stamp's to check
        }
        bool allowed = false;
        for (uint8_t member = 0; member < count && !allowed; ++member)
            allowed = MemberMayChange(offset, member, member == importedSlot);
        if (!allowed) return At(offset) + " changed from " + std::to_string(before) + " to " + std::to_string(after);
    }
    if (std::string fault = FaultOfStamp(loaded, written, count); !fault.empty()) return fault;
    uint8_t sum = 0;
    for (size_t offset = kChecksumFirst; offset <= kChecksumByte; ++offset) sum = uint8_t(sum + written[offset]);
    if (sum != 0xFF) return "the checksum byte does not match the bytes it covers";
    return "";
}

}  // namespace fuzz
