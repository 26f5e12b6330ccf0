#include "save/GameText.h"

#include <array>
#include <cstddef>

#include "save/SaveLayout.h"

namespace save {

namespace {

struct CodePair {
    uint8_t code;
    char character;
};

// The characters a name can hold, as the games' character map pairs them.
// No code and no character appears twice, so one table serves both ways.
constexpr CodePair kCodePairs[] = {
    {0x50, '\0'},  // ends a name
    {0x7F, ' '},
    {0x80, 'A'},
    {0x81, 'B'},
    {0x82, 'C'},
    {0x83, 'D'},
    {0x84, 'E'},
    {0x85, 'F'},
    {0x86, 'G'},
    {0x87, 'H'},
    {0x88, 'I'},
    {0x89, 'J'},
    {0x8A, 'K'},
    {0x8B, 'L'},
    {0x8C, 'M'},
    {0x8D, 'N'},
    {0x8E, 'O'},
    {0x8F, 'P'},
    {0x90, 'Q'},
    {0x91, 'R'},
    {0x92, 'S'},
    {0x93, 'T'},
    {0x94, 'U'},
    {0x95, 'V'},
    {0x96, 'W'},
    {0x97, 'X'},
    {0x98, 'Y'},
    {0x99, 'Z'},
    {0x9A, '('},
    {0x9B, ')'},
    {0x9C, ':'},
    {0x9D, ';'},
    {0x9E, '['},
    {0x9F, ']'},
    {0xA0, 'a'},
    {0xA1, 'b'},
    {0xA2, 'c'},
    {0xA3, 'd'},
    {0xA4, 'e'},
    {0xA5, 'f'},
    {0xA6, 'g'},
    {0xA7, 'h'},
    {0xA8, 'i'},
    {0xA9, 'j'},
    {0xAA, 'k'},
    {0xAB, 'l'},
    {0xAC, 'm'},
    {0xAD, 'n'},
    {0xAE, 'o'},
    {0xAF, 'p'},
    {0xB0, 'q'},
    {0xB1, 'r'},
    {0xB2, 's'},
    {0xB3, 't'},
    {0xB4, 'u'},
    {0xB5, 'v'},
    {0xB6, 'w'},
    {0xB7, 'x'},
    {0xB8, 'y'},
    {0xB9, 'z'},
    {0xE0, '\''},
    {0xE3, '-'},
    {0xE6, '?'},
    {0xE7, '!'},
    {0xE8, '.'},
    {0xE9, '&'},
    {0xF3, '/'},
    {0xF4, ','},
    {0xF6, '0'},
    {0xF7, '1'},
    {0xF8, '2'},
    {0xF9, '3'},
    {0xFA, '4'},
    {0xFB, '5'},
    {0xFC, '6'},
    {0xFD, '7'},
    {0xFE, '8'},
    {0xFF, '9'},
};

constexpr bool EachCodeAndCharacterOnce() {
    for (size_t i = 0; i < std::size(kCodePairs); ++i)
        for (size_t j = i + 1; j < std::size(kCodePairs); ++j)
            if (kCodePairs[i].code == kCodePairs[j].code ||
                kCodePairs[i].character == kCodePairs[j].character)
                return false;
    return true;
}
static_assert(EachCodeAndCharacterOnce(), "a code or character is paired twice");

constexpr std::array<char, 256> CharacterOfCode() {
    std::array<char, 256> table{};
    table.fill(kUnknownChar);
    for (const CodePair& pair : kCodePairs) table[pair.code] = pair.character;
    return table;
}

constexpr std::array<uint8_t, 256> CodeOfCharacter() {
    std::array<uint8_t, 256> table{};
    table.fill(kUnknownCode);
    for (const CodePair& pair : kCodePairs) table[uint8_t(pair.character)] = pair.code;
    return table;
}

constexpr std::array<char, 256> kCharacterOfCode = CharacterOfCode();
constexpr std::array<uint8_t, 256> kCodeOfCharacter = CodeOfCharacter();

}  // namespace

char GameCharToAscii(uint8_t code) { return kCharacterOfCode[code]; }

uint8_t AsciiToGameChar(char character) { return kCodeOfCharacter[uint8_t(character)]; }

std::string DecodeName(const uint8_t* slot) {
    std::string text;
    for (size_t i = 0; i < kNameLength; ++i) {
        const char character = GameCharToAscii(slot[i]);
        if (character == '\0') break;
        text += character;
    }
    return text;
}

void EncodeName(const std::string& text, uint8_t* slot) {
    // Past the text the zero byte stands in, and it encodes to the terminator.
    for (size_t i = 0; i < kNameLength; ++i)
        slot[i] = AsciiToGameChar(i < text.size() ? text[i] : '\0');
}

}  // namespace save
