#include "member/MemberImport.h"

#include <algorithm>

#include "core/EditorState.h"
#include "save/SaveLayout.h"

namespace member {

namespace {

constexpr size_t kUncarriedBytes[] = {3, save::record::kType1, save::record::kType2};

}  // namespace

void ImportIntoSlot(EditorState& s, uint8_t slot, const DecodedMember& decoded) {
    uint8_t* r = s.saveImage + save::RecordAt(s.partyRecordsOffset, slot);
    std::array<uint8_t, save::kRecordSize> record = decoded.record;
    for (size_t byte : kUncarriedBytes) record[byte] = r[byte];
    std::copy(record.begin(), record.end(), r);
    s.saveImage[save::PartySpeciesAt(s.partyCountOffset, slot)] = record[save::record::kSpecies];
    std::copy(decoded.nickname.begin(), decoded.nickname.end(), s.saveImage + save::NameSlotAt(s.nicknamesOffset, slot));
    std::copy(decoded.otName.begin(), decoded.otName.end(), s.saveImage + save::NameSlotAt(s.otNamesOffset, slot));
}

MemberFile ExportOfSlot(const EditorState& s, uint8_t slot) {
    return EncodeMemberFile(s.saveImage + save::RecordAt(s.partyRecordsOffset, slot),
                            s.saveImage + save::NameSlotAt(s.nicknamesOffset, slot),
                            s.saveImage + save::NameSlotAt(s.otNamesOffset, slot), s.dexOfInternal);
}

}  // namespace member
