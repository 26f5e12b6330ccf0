// Arbitrary bytes as a name: taken as the text of a name edit, encoded,
// decoded and encoded again; and taken as the ten bytes of a name slot,
// decoded, encoded and decoded again. The slots are heap blocks of exactly
// ten bytes, so a codec that touched byte 10 of a slot is caught by
// AddressSanitizer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "save/GameText.h"
#include "save/SaveLayout.h"

namespace {

using save::kNameLength;

// A slot the codec may use bytes 0..9 of and nothing more.
using Slot = std::unique_ptr<uint8_t[]>;

Slot NewSlot() { return std::make_unique<uint8_t[]>(kNameLength); }

Slot Encoded(const std::string& text) {
    Slot slot = NewSlot();
    save::EncodeName(text, slot.get());
    return slot;
}

bool SameSlot(const Slot& a, const Slot& b) { return std::equal(a.get(), a.get() + kNameLength, b.get()); }

// A character the code table holds comes back from a round trip; any other
// comes back as '-', the character of the code stored for the unknown.
char ShownAfterRoundTrip(char c) {
    return save::GameCharToAscii(save::AsciiToGameChar(c)) == c ? c : save::GameCharToAscii(save::kUnknownCode);
}

void CheckCharacterMaps(uint8_t byte) {
    char shown = save::GameCharToAscii(byte);
    FUZZ_CHECK((shown == '\0') == (byte == save::kNameTerminator), "a code other than the terminator ends a name");
    if (shown != save::kUnknownChar)
        FUZZ_CHECK(save::AsciiToGameChar(shown) == byte, "a code of the table does not come back from its character");
    char typed = char(byte);
    uint8_t code = save::AsciiToGameChar(typed);
    FUZZ_CHECK((code == save::kNameTerminator) == (typed == '\0'), "a character other than NUL encodes to the terminator");
    if (code != save::kUnknownCode)
        FUZZ_CHECK(save::GameCharToAscii(code) == typed, "a character of the table does not come back from its code");
}

// The text of an edit, 1..10 characters as the commit lets through.
void CheckTextRoundTrip(const std::string& text) {
    Slot slot = Encoded(text);
    std::string expected;
    for (char c : text) {
        if (c == '\0') break;
        expected += ShownAfterRoundTrip(c);
    }
    for (size_t i = text.size(); i < kNameLength; ++i)
        FUZZ_CHECK(slot[i] == save::kNameTerminator, "a short name is not padded with the terminator");
    const std::string shown = save::DecodeName(slot.get());
    FUZZ_CHECK(shown == expected, "a name does not decode to its text, with '-' for characters the code lacks");
    if (shown.empty()) return;
    Slot again = Encoded(shown);
    if (expected.size() == text.size())
        FUZZ_CHECK(SameSlot(again, slot), "a name shown and committed unchanged is stored differently");
    FUZZ_CHECK(save::DecodeName(again.get()) == shown, "a name shown and committed unchanged shows differently");
}

// The ten bytes of a slot as a save holds them, any codes at all.
void CheckSlotRoundTrip(const Slot& slot) {
    const std::string shown = save::DecodeName(slot.get());
    const size_t end = size_t(std::find(slot.get(), slot.get() + kNameLength, save::kNameTerminator) - slot.get());
    FUZZ_CHECK(shown.size() == end, "a name does not end at its first terminator");
    for (size_t i = 0; i < shown.size(); ++i)
        FUZZ_CHECK(shown[i] == save::GameCharToAscii(slot[i]), "a code shows as another character than its own");
    if (shown.empty()) return;
    Slot committed = Encoded(shown);
    std::string expected;
    for (char c : shown) expected += ShownAfterRoundTrip(c);
    FUZZ_CHECK(save::DecodeName(committed.get()) == expected,
               "a name shown and committed does not show again with '-' for codes the table lacks");
    FUZZ_CHECK(SameSlot(Encoded(save::DecodeName(committed.get())), committed),
               "a committed name does not stay as it is when committed again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) CheckCharacterMaps(data[i]);

    const size_t textLength = std::min(size, kNameLength);
    if (textLength > 0) CheckTextRoundTrip(std::string(reinterpret_cast<const char*>(data), textLength));

    Slot slot = NewSlot();
    for (size_t i = 0; i < kNameLength; ++i) slot[i] = i < size ? data[i] : save::kNameTerminator;
    CheckSlotRoundTrip(slot);
    return 0;
}
