#include "member/MemberFile.h"

#include <algorithm>

#include "save/SaveLayout.h"

namespace member {

namespace {

constexpr uint8_t kMagic[4] = {'P', 'K', 'M', 'N'};

// File positions the codec handles by name; plain copies of record bytes
// are listed in kCarried below.
constexpr size_t kDexAt = 4;
constexpr size_t kMovesAt = 6;
constexpr size_t kMarkerAt = 31;  // always 0x46, read by nobody
constexpr uint8_t kMarker = 0x46;
constexpr size_t kSpecialCopyAt = 50;  // special a second time, read by nobody
constexpr size_t kNicknameAt = 52;
constexpr size_t kOtNameAt = 62;
constexpr size_t kMustBeZeroAt = 72;
constexpr size_t kXorCheckAt = 73;
constexpr size_t kSumCheckAt = 74;

// Bytes 4..72 are scrambled and covered by both check bytes.
constexpr size_t kScrambledFirst = 4;
constexpr size_t kScrambledLast = 72;

// Record bytes the file carries as they are, in file order.
struct CarriedSpan {
    size_t fileAt;
    size_t recordAt;
    size_t length;
};
constexpr CarriedSpan kCarried[] = {
    {5, 7, 1},  // not interpreted
    {kMovesAt, save::record::kMoves, save::kMoveSlots},
    {10, save::record::kOtId, 2},
    {12, save::record::kExperience, 3},
    {15, 17, 16},  // not interpreted
    {35, save::record::kLevel, 1},
    {36, 4, 1},  // not interpreted
    {38, save::record::kCurrentHp, 2},
    {40, save::record::kMaxHp, 10},  // max HP and the four stats after it
};

}  // namespace

MemberFile EncodeMemberFile(const uint8_t* record, const uint8_t* nickname,
                            const uint8_t* otName, const uint8_t* dexOfInternal) {
    MemberFile file{};
    std::copy(std::begin(kMagic), std::end(kMagic), file.begin());
    file[kDexAt] = dexOfInternal[record[save::record::kSpecies]];
    for (const CarriedSpan& span : kCarried)
        std::copy_n(record + span.recordAt, span.length, file.begin() + span.fileAt);
    file[kMarkerAt] = kMarker;
    std::copy_n(record + save::record::kSpecial, 2, file.begin() + kSpecialCopyAt);
    std::copy_n(nickname, save::kNameLength, file.begin() + kNicknameAt);
    std::copy_n(otName, save::kNameLength, file.begin() + kOtNameAt);

    uint8_t xorCheck = 0;
    uint8_t sumCheck = 0;
    for (size_t i = kScrambledFirst; i <= kScrambledLast; ++i) {
        xorCheck ^= file[i];
        file[i] ^= uint8_t(i);
        sumCheck = uint8_t(sumCheck + file[i]);
    }
    file[kXorCheckAt] = xorCheck;
    file[kSumCheckAt] = sumCheck;
    return file;
}

DecodeResult DecodeMemberFile(size_t length, const uint8_t* bytes, const uint8_t* internalOfDex) {
    DecodeResult result;
    if (length != kMemberFileSize) {
        result.check = MemberFileCheck::WrongLength;
        return result;
    }
    if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes)) {
        result.check = MemberFileCheck::WrongMagic;
        return result;
    }

    MemberFile plain{};
    uint8_t xorCheck = 0;
    uint8_t sumCheck = 0;
    for (size_t i = kScrambledFirst; i <= kScrambledLast; ++i) {
        sumCheck = uint8_t(sumCheck + bytes[i]);
        plain[i] = bytes[i] ^ uint8_t(i);
        xorCheck ^= plain[i];
    }
    if (xorCheck != bytes[kXorCheckAt] || sumCheck != bytes[kSumCheckAt]) {
        result.check = MemberFileCheck::BadCheckBytes;
        return result;
    }
    if (plain[kMustBeZeroAt] != 0 || plain[kDexAt] > kMaxFileDex) {
        result.check = MemberFileCheck::NoSuchSpecies;
        return result;
    }
    for (size_t k = 0; k < save::kMoveSlots; ++k) {
        if (plain[kMovesAt + k] > kMaxFileMove) {
            result.check = MemberFileCheck::NoSuchMove;
            return result;
        }
    }

    DecodedMember& member = result.member;
    member.record[save::record::kSpecies] = internalOfDex[plain[kDexAt]];
    for (const CarriedSpan& span : kCarried)
        std::copy_n(plain.begin() + span.fileAt, span.length, member.record.begin() + span.recordAt);
    std::copy_n(plain.begin() + kNicknameAt, save::kNameLength, member.nickname.begin());
    std::copy_n(plain.begin() + kOtNameAt, save::kNameLength, member.otName.begin());
    result.check = MemberFileCheck::Ok;
    return result;
}

}  // namespace member
