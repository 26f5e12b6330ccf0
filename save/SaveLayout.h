#pragma once
#include <cstddef>
#include <cstdint>

// Where the editor finds things in a Red/Blue/Yellow battery save. One layout
// serves every edition; nothing in the file tells them apart.
namespace save {

constexpr uint16_t kMinSaveSize = 13604;  // one past the checksum byte
constexpr uint16_t kMaxSaveSize = 50000;  // the most the image holds

// Where the six regions start; the editor object keeps its own copy of these.
constexpr uint16_t kPartyCountOffset = 0x2F2C;
constexpr uint16_t kPartyRecordsOffset = 0x2F34;
constexpr uint16_t kNicknamesOffset = 0x307E;
constexpr uint16_t kOtNamesOffset = 0x303C;
constexpr uint16_t kDexOwnedOffset = 0x25A3;
constexpr uint16_t kDexSeenOffset = 0x25B6;

constexpr uint16_t kChecksumFirst = 0x2598;  // first byte summed
constexpr uint16_t kChecksumLast = 0x3522;   // last byte summed
constexpr uint16_t kChecksumByte = 0x3523;

constexpr uint8_t kMaxPartyCount = 6;
constexpr size_t kRecordSize = 44;
constexpr size_t kNameSlotSize = 11;
constexpr size_t kNameLength = 10;  // slot bytes 0..9; byte 10 is never touched
constexpr uint8_t kDexCount = 151;
constexpr uint8_t kMoveSlots = 4;

// Byte positions inside one 44-byte party record.
namespace record {
constexpr size_t kSpecies = 0;
constexpr size_t kCurrentHp = 1;   // 16-bit
constexpr size_t kType1 = 5;
constexpr size_t kType2 = 6;
constexpr size_t kMoves = 8;       // four bytes, move 1 first
constexpr size_t kOtId = 12;       // 16-bit
constexpr size_t kExperience = 14; // 24-bit
constexpr size_t kLevel = 33;
constexpr size_t kMaxHp = 34;      // 16-bit, as are the four stats after it
constexpr size_t kAttack = 36;
constexpr size_t kDefense = 38;
constexpr size_t kSpeed = 40;
constexpr size_t kSpecial = 42;
}  // namespace record

// Member addressing: member is a party index 0..5.
constexpr size_t PartySpeciesAt(uint16_t partyCountOffset, uint8_t member) {
    return size_t(partyCountOffset) + 1 + member;
}
constexpr size_t RecordAt(uint16_t partyRecordsOffset, uint8_t member) {
    return size_t(partyRecordsOffset) + kRecordSize * member;
}
constexpr size_t NameSlotAt(uint16_t namesOffset, uint8_t member) {
    return size_t(namesOffset) + kNameSlotSize * member;
}

}  // namespace save
