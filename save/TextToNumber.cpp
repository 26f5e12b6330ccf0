#include "save/TextToNumber.h"

#include <algorithm>

namespace save {

namespace {

// The white space C's isspace knows in the "C" locale; the editor never
// changes locale, and a locale-free test keeps the answer the same everywhere.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Magnitudes stop growing here, one past the largest 32-bit value, so any
// number of digits neither overflows nor loses the fact that it was too big.
constexpr uint64_t kTooBig = uint64_t(UINT32_MAX) + 1;
// The most negative value a 32-bit atol can give; larger negative
// magnitudes end here instead of wrapping round to small numbers.
constexpr uint64_t kMostNegative = uint64_t(1) << 31;

}  // namespace

uint32_t TextToNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    uint64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        magnitude = std::min(magnitude * 10 + uint64_t(text[i] - '0'), kTooBig);

    if (negative) return uint32_t(0u - uint32_t(std::min(magnitude, kMostNegative)));
    return uint32_t(std::min(magnitude, uint64_t(UINT32_MAX)));
}

}  // namespace save
