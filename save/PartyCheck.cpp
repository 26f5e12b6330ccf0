#include "save/PartyCheck.h"

#include "core/EditorState.h"
#include "core/Messages.h"
#include "save/SaveLayout.h"

namespace save {

PartyCheck CheckParty(const EditorState& s) {
    PartyCheck check;
    uint8_t count = s.saveImage[s.partyCountOffset];
    if (count == 0) {
        check.refusal = msg::kNoMembers;
        return check;
    }
    if (count > kMaxPartyCount) {
        check.refusal = msg::kTooManyMembers;
        return check;
    }
    for (uint8_t i = 0; i < count; ++i, ++check.soundMembers) {
        uint8_t dex = s.dexOfInternal[s.saveImage[PartySpeciesAt(s.partyCountOffset, i)]];
        if (dex == 0 || dex > kDexCount) {
            check.refusal = msg::kLoadBadSpecies;
            return check;
        }
    }
    return check;
}

}  // namespace save
