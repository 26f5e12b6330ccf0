#pragma once
#include <cstdint>

// The save and the member file store every multi-byte number most significant
// byte first, whatever the machine's own order is.
namespace save {

inline uint32_t Read16(const uint8_t* p) { return (uint32_t(p[0]) << 8) | p[1]; }
inline uint32_t Read24(const uint8_t* p) {
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}
// Only the low bits that fit the field are stored.
inline void Write16(uint8_t* p, uint32_t value) {
    p[0] = uint8_t(value >> 8);
    p[1] = uint8_t(value);
}
inline void Write24(uint8_t* p, uint32_t value) {
    p[0] = uint8_t(value >> 16);
    p[1] = uint8_t(value >> 8);
    p[2] = uint8_t(value);
}

}  // namespace save
