#pragma once
#include <cstdint>
#include <memory>

#include "core/ReferenceTables.h"
#include "save/SaveLayout.h"

// Everything the editor knows besides its window, in one zero-started block:
// maps that no table row sets must read 0, and until the first load the size
// is 0 and the path empty.
struct EditorState {
    char savPath[500];                                  // loaded save, NUL-terminated
    std::unique_ptr<char[]> programDir;                 // set once at construction
    char moveRows[core::kMoveRowCount][core::kMoveRowSize];
    char speciesRows[core::kSpeciesRowCount][core::kSpeciesRowSize];
    uint8_t speciesTypes[core::kSpeciesRowCount][2];    // entry = dex number - 1
    uint8_t saveImage[save::kMaxSaveSize];
    uint8_t moveNumberOfRow[core::kMoveRowCount];
    uint8_t speciesNumberOfRow[core::kSpeciesRowCount]; // in the order shown
    uint8_t moveRowOfNumber[256];
    uint8_t speciesRowOfNumber[core::kSpeciesRowCount + 1];  // in the order shown
    uint8_t alphaSpeciesNumberOfRow[core::kSpeciesRowCount];
    uint8_t alphaSpeciesRowOfNumber[core::kSpeciesRowCount]; // entry = dex number - 1
    uint8_t dexOfInternal[256];
    uint8_t internalOfDex[256];
    uint8_t currentMember;                              // 255 until a member is shown
    uint16_t saveSize;
    uint16_t partyCountOffset;
    uint16_t partyRecordsOffset;
    uint16_t nicknamesOffset;
    uint16_t otNamesOffset;
    uint16_t dexOwnedOffset;
    uint16_t dexSeenOffset;
};

constexpr uint8_t kNoMemberShown = 255;
