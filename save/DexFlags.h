#pragma once
#include <cstdint>

namespace save {

// One bit per dex number 1..151, least significant bit first.
constexpr uint8_t DexFlagByte(uint8_t dex) { return uint8_t((dex - 1) / 8); }
constexpr uint8_t DexFlagMask(uint8_t dex) { return uint8_t(1u << ((dex - 1) % 8)); }

// Sets the bit of dex (1..151) in a 19-byte flag array; never clears one.
void SetDexFlag(uint8_t* flags, uint8_t dex);

}  // namespace save
