#include "save/MemberView.h"

#include "core/EditorState.h"
#include "save/BigEndian.h"
#include "save/GameText.h"
#include "save/SaveLayout.h"

namespace save {

MemberEntries ViewOfMember(const EditorState& s, uint8_t m) {
    const uint8_t* r = s.saveImage + RecordAt(s.partyRecordsOffset, m);
    MemberEntries v;
    v.experience = std::to_string(Read24(r + record::kExperience));
    v.otId = std::to_string(Read16(r + record::kOtId));
    v.nickname = DecodeName(s.saveImage + NameSlotAt(s.nicknamesOffset, m));
    v.otName = DecodeName(s.saveImage + NameSlotAt(s.otNamesOffset, m));
    uint8_t dex = s.dexOfInternal[r[record::kSpecies]];
    v.speciesPosition = dex != 0 ? s.speciesRowOfNumber[dex] : -1;
    v.level = std::to_string(r[record::kLevel]);
    v.maxHp = std::to_string(Read16(r + record::kMaxHp));
    v.attack = std::to_string(Read16(r + record::kAttack));
    v.defense = std::to_string(Read16(r + record::kDefense));
    v.speed = std::to_string(Read16(r + record::kSpeed));
    v.special = std::to_string(Read16(r + record::kSpecial));
    for (int k = 0; k < kMoveSlots; ++k) v.movePositions[k] = s.moveRowOfNumber[r[record::kMoves + k]];
    return v;
}

}  // namespace save
