#pragma once
#include <QString>
#include <string>
#include <string_view>

// The editor works on 8-bit text, one byte a character, as the games' names
// are. Qt holds UTF-16; these convert between the two.
namespace ui {

// Each byte becomes the character of the same number (Latin-1).
QString FromText8(std::string_view text);

// Each UTF-16 unit becomes one byte: its own number below 256, otherwise
// kNoText8Char, which the name codec knows no code for.
std::string ToText8(const QString& text);

constexpr char kNoText8Char = '\x7F';

}  // namespace ui
