#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a save the editor may change, and how, as the fuzz targets
// check them: everything else must come back exactly as it was loaded.
namespace fuzz {

constexpr int kNoImport = -1;

// Whether importing a member file into slot may change the image byte at
// offset: the slot's party species entry, its record but for byte 3 and the
// two type bytes, and bytes 0..9 of its two name slots.
bool ImportMayChange(size_t offset, uint8_t slot);

// Empty when written is loaded as the editor may leave it after committing
// members, importing into importedSlot (kNoImport: no import) and saving:
// same length; only the party's species entries, record bytes and name
// bytes 0..9 changed; each member with a species and its type pair; the dex
// flags of the party's species set and no other flag gained or lost; a true
// checksum. Otherwise the first fault found, in words.
std::string FaultOfWrittenSave(const std::vector<uint8_t>& loaded, const std::vector<uint8_t>& written,
                               int importedSlot = kNoImport);

}  // namespace fuzz
