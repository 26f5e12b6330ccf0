#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The constant tables of the games that the editor carries. A move row reads
// "NAME         #NNN" (name padded to 13 columns, move number), a species row
// "NAME       #NNN" (name padded to 11 columns, dex number); each is followed
// by a zero byte.
namespace core {

constexpr size_t kMoveRowCount = 166;
constexpr size_t kMoveRowSize = 18;
constexpr size_t kMoveNumberColumn = 14;
constexpr size_t kSpeciesRowCount = 151;
constexpr size_t kSpeciesRowSize = 16;
constexpr size_t kSpeciesNumberColumn = 12;

// Row 0 is the empty slot; rows 1..165 in ascending order of their text.
extern const char kMoveRows[kMoveRowCount][kMoveRowSize];
// In ascending order of their text.
extern const char kSpeciesRows[kSpeciesRowCount][kSpeciesRowSize];
// First and second type code of each species; entry = dex number - 1.
extern const uint8_t kSpeciesTypes[kSpeciesRowCount][2];
// Species byte of each dex number; 0 for entry 0 and above 151.
extern const std::array<uint8_t, 256> kInternalOfDex;
// Dex number of each species byte; 0 where the byte is no species.
extern const std::array<uint8_t, 256> kDexOfInternal;

}  // namespace core
