#pragma once
#include <cstdint>

namespace save {

// The checksum the game expects at 0x3523 for the image as it stands: the
// complement of the 8-bit sum of 0x2598..0x3522. image holds at least 13604 bytes.
uint8_t SaveChecksum(const uint8_t* image);

}  // namespace save
