#pragma once
#include <cstdint>
#include <string_view>

namespace save {

// Reads an entry the way C's atol does (leading white space, one optional
// sign, digits up to the first non-digit, 0 without digits) and answers it as
// an unsigned 32-bit number, so a negative entry lies above every bound the
// editor checks ("-1" answers 0xFFFFFFFF). Entries too long to fit never wrap
// into an accepted value: a positive one beyond 32 bits answers 0xFFFFFFFF, a
// negative one below -2147483648 answers 0x80000000, the bit pattern of the
// smallest 32-bit long.
uint32_t TextToNumber(std::string_view text);

}  // namespace save
