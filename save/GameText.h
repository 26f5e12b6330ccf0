#pragma once
#include <cstdint>
#include <string>

// The games' one-byte character code for names, and the ASCII text the name
// edits hold.
namespace save {

constexpr uint8_t kNameTerminator = 0x50;
constexpr char kUnknownChar = '_';     // shown for a code without a character
constexpr uint8_t kUnknownCode = 0xE3; // stored for a character without a code

char GameCharToAscii(uint8_t code);
uint8_t AsciiToGameChar(char character);

// Bytes 0..9 of a name slot to text, ended at the first terminator. Never
// reads slot[10].
std::string DecodeName(const uint8_t* slot);

// text of 1..10 bytes to slot bytes 0..9, padded with terminators. Never
// writes slot[10]. The caller has checked the length.
void EncodeName(const std::string& text, uint8_t* slot);

}  // namespace save
