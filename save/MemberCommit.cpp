#include "save/MemberCommit.h"

#include <string>

#include "core/EditorState.h"
#include "core/Messages.h"
#include "save/BigEndian.h"
#include "save/GameText.h"
#include "save/SaveLayout.h"
#include "save/TextToNumber.h"

namespace save {

namespace {

struct NumberField {
    std::string MemberEntries::*text;
    uint32_t min, max;
    size_t offset;
    int width;  // bytes
    const char* refusal;
};

//  entry                        accepted         record byte          width  refusal
constexpr NumberField kNumberFields[] = {
    {&MemberEntries::level,      1, 100,          record::kLevel,      1, msg::kLevelRange},
    {&MemberEntries::maxHp,      1, 999,          record::kMaxHp,      2, msg::kMaxHpRange},
    {&MemberEntries::attack,     1, 999,          record::kAttack,     2, msg::kAttackRange},
    {&MemberEntries::defense,    1, 999,          record::kDefense,    2, msg::kDefenseRange},
    {&MemberEntries::speed,      1, 999,          record::kSpeed,      2, msg::kSpeedRange},
    {&MemberEntries::special,    1, 999,          record::kSpecial,    2, msg::kSpecialRange},
    {&MemberEntries::otId,       0, 65535,        record::kOtId,       2, msg::kOtIdRange},
    {&MemberEntries::experience, 1, 16777215,     record::kExperience, 3, msg::kExperienceRange},
};

void WriteNumber(uint8_t* p, int width, uint32_t value) {
    if (width == 1) p[0] = uint8_t(value);
    else if (width == 2) Write16(p, value);
    else Write24(p, value);
}

bool IsNameLength(const std::string& name) { return !name.empty() && name.size() <= kNameLength; }

}  // namespace

const char* CommitMemberEntries(EditorState& s, uint8_t m, const MemberEntries& e) {
    uint8_t* r = s.saveImage + RecordAt(s.partyRecordsOffset, m);
    for (const NumberField& field : kNumberFields) {
        uint32_t value = TextToNumber(e.*field.text);
        if (value < field.min || value > field.max) return field.refusal;
        WriteNumber(r + field.offset, field.width, value);
        // The member leaves the editor fully healed.
        if (field.offset == record::kMaxHp) Write16(r + record::kCurrentHp, value);
    }
    if (e.speciesPosition >= 0) {
        uint8_t species = s.internalOfDex[s.speciesNumberOfRow[e.speciesPosition]];
        r[record::kSpecies] = species;
        s.saveImage[PartySpeciesAt(s.partyCountOffset, m)] = species;
    }
    for (int k = 0; k < kMoveSlots; ++k)
        if (e.movePositions[k] >= 0) r[record::kMoves + k] = s.moveNumberOfRow[e.movePositions[k]];
    if (!IsNameLength(e.nickname)) return msg::kNicknameLength;
    EncodeName(e.nickname, s.saveImage + NameSlotAt(s.nicknamesOffset, m));
    if (!IsNameLength(e.otName)) return msg::kOtNameLength;
    EncodeName(e.otName, s.saveImage + NameSlotAt(s.otNamesOffset, m));
    return nullptr;
}

}  // namespace save
