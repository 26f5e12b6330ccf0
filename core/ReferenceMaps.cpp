#include "core/ReferenceMaps.h"

#include <cstring>

#include "core/EditorState.h"
#include "core/ReferenceTables.h"

namespace core {

uint8_t RowNumber(const char* row, uint8_t column) {
    unsigned value = 0;
    for (const char* c = row + column; *c >= '0' && *c <= '9'; ++c) value = value * 10 + unsigned(*c - '0');
    return uint8_t(value);
}

void BuildReferenceMaps(EditorState& s) {
    std::memcpy(s.dexOfInternal, kDexOfInternal.data(), sizeof s.dexOfInternal);
    std::memcpy(s.internalOfDex, kInternalOfDex.data(), sizeof s.internalOfDex);
    std::memcpy(s.speciesTypes, kSpeciesTypes, sizeof s.speciesTypes);
    std::memcpy(s.speciesRows, kSpeciesRows, sizeof s.speciesRows);
    std::memcpy(s.moveRows, kMoveRows, sizeof s.moveRows);

    for (uint8_t r = 0; r < kMoveRowCount; ++r) s.moveNumberOfRow[r] = RowNumber(s.moveRows[r], kMoveNumberColumn);
    for (uint8_t r = 0; r < kMoveRowCount; ++r) s.moveRowOfNumber[s.moveNumberOfRow[r]] = r;

    for (uint8_t j = 0; j < kSpeciesRowCount; ++j)
        s.speciesNumberOfRow[j] = RowNumber(s.speciesRows[j], kSpeciesNumberColumn);
    for (uint8_t j = 0; j < kSpeciesRowCount; ++j) s.speciesRowOfNumber[s.speciesNumberOfRow[j]] = j;

    for (size_t d = 1; d <= kSpeciesRowCount; ++d) s.alphaSpeciesRowOfNumber[d - 1] = s.speciesRowOfNumber[d];
    std::memcpy(s.alphaSpeciesNumberOfRow, s.speciesNumberOfRow, sizeof s.alphaSpeciesNumberOfRow);
}

void ApplySpeciesOrder(EditorState& s, bool alphabetical) {
    std::memcpy(s.speciesNumberOfRow, s.alphaSpeciesNumberOfRow, sizeof s.speciesNumberOfRow);
    for (size_t d = 1; d <= kSpeciesRowCount; ++d) s.speciesRowOfNumber[d] = s.alphaSpeciesRowOfNumber[d - 1];
    if (alphabetical) return;
    for (uint8_t p = 0; p < kSpeciesRowCount; ++p) {
        s.speciesNumberOfRow[p] = uint8_t(p + 1);
        s.speciesRowOfNumber[p + 1] = p;
    }
}

const char* SpeciesItemText(const EditorState& s, uint8_t position) {
    return SpeciesRowTextOfDex(s, s.speciesNumberOfRow[position]);
}

const char* SpeciesRowTextOfDex(const EditorState& s, uint8_t dex) {
    return s.speciesRows[s.alphaSpeciesRowOfNumber[dex - 1]];
}

}  // namespace core
