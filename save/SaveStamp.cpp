#include "save/SaveStamp.h"

#include "core/EditorState.h"
#include "save/DexFlags.h"
#include "save/SaveChecksum.h"
#include "save/SaveLayout.h"

namespace save {

bool StampPartyAndChecksum(EditorState& s) {
    uint8_t count = s.saveImage[s.partyCountOffset];
    for (uint8_t i = 0; i < count; ++i) {
        uint8_t dex = s.dexOfInternal[s.saveImage[PartySpeciesAt(s.partyCountOffset, i)]];
        if (dex == 0 || dex > kDexCount) return false;
        uint8_t* r = s.saveImage + RecordAt(s.partyRecordsOffset, i);
        r[record::kType1] = s.speciesTypes[dex - 1][0];
        r[record::kType2] = s.speciesTypes[dex - 1][1];
        SetDexFlag(s.saveImage + s.dexOwnedOffset, dex);
        SetDexFlag(s.saveImage + s.dexSeenOffset, dex);
    }
    s.saveImage[kChecksumByte] = SaveChecksum(s.saveImage);
    return true;
}

}  // namespace save
