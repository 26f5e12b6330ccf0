// Compares the save that the editor wrote after the real-window session with
// the fixture it loaded: member 0 got the level typed, the exported member
// landed in the import slot, types, dex flags and checksum were set, and no
// other byte moved.
//
// usage: check_saved_file ORIGINAL WRITTEN LEVEL EXPORTED_SLOT IMPORT_SLOT
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/ReferenceTables.h"

namespace {

// The offsets of the game's save, written out here rather than taken from the
// editor's own layout header, so that a wrong offset there cannot hide.
constexpr size_t kPartyCount = 0x2F2C;
constexpr size_t kPartySpecies = 0x2F2D;
constexpr size_t kRecords = 0x2F34;
constexpr size_t kOtNames = 0x303C;
constexpr size_t kNicknames = 0x307E;
constexpr size_t kDexOwned = 0x25A3;
constexpr size_t kDexSeen = 0x25B6;
constexpr size_t kDexFlagBytes = 19;
constexpr size_t kChecksumFirst = 0x2598;
constexpr size_t kChecksumLast = 0x3522;
constexpr size_t kChecksumByte = 0x3523;
constexpr size_t kMinSize = 0x3524;
constexpr size_t kRecordSize = 44;
constexpr size_t kSlotSize = 11;
constexpr size_t kNameBytes = 10;

// Bytes inside a record.
constexpr size_t kCurrentHp = 1;
constexpr size_t kUncarried = 3;  // not in the member file: the slot keeps its own
constexpr size_t kType1 = 5;
constexpr size_t kType2 = 6;
constexpr size_t kLevel = 33;
constexpr size_t kMaxHp = 34;

size_t Record(size_t slot) { return kRecords + kRecordSize * slot; }
size_t Nickname(size_t slot) { return kNicknames + kSlotSize * slot; }
size_t OtName(size_t slot) { return kOtNames + kSlotSize * slot; }

std::string Hex(size_t value) {
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << value;
    return text.str();
}

bool ReadWhole(const char* path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool ParseSmall(const char* text, unsigned limit, unsigned& value) {
    char* end = nullptr;
    unsigned long parsed = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || parsed > limit) return false;
    value = unsigned(parsed);
    return true;
}

class Checker {
public:
    Checker(const std::vector<uint8_t>& original, const std::vector<uint8_t>& written)
        : original_(original), written_(written) {}

    // Compares one byte of the written file with what it should hold, and
    // marks it as a byte the session was allowed to change.
    void ExpectByte(const std::string& what, size_t offset, uint8_t expected) {
        allowed_.insert(offset);
        if (written_[offset] != expected)
            Fail(what + " at " + Hex(offset) + ": expected " + Hex(expected) + ", found " +
                 Hex(written_[offset]));
    }

    void Fail(const std::string& message) {
        std::cout << "FAIL: " << message << "\n";
        ++failures_;
    }

    // Every byte that no check above claimed must be as the fixture had it.
    void ExpectRestUnchanged() {
        size_t changed = 0;
        for (size_t offset = 0; offset < original_.size(); ++offset) {
            if (allowed_.count(offset) || written_[offset] == original_[offset]) continue;
            if (changed < 20)
                Fail("byte " + Hex(offset) + " outside the edited regions changed from " +
                     Hex(original_[offset]) + " to " + Hex(written_[offset]));
            ++changed;
        }
        if (changed > 20) Fail(std::to_string(changed - 20) + " more bytes outside the edited regions changed");
    }

    int Failures() const { return failures_; }

private:
    const std::vector<uint8_t>& original_;
    const std::vector<uint8_t>& written_;
    std::set<size_t> allowed_;
    int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    unsigned level = 0, exported = 0, imported = 0;
    if (argc != 6 || !ParseSmall(argv[3], 255, level) || !ParseSmall(argv[4], 5, exported) ||
        !ParseSmall(argv[5], 5, imported)) {
        std::cerr << "usage: " << argv[0] << " ORIGINAL WRITTEN LEVEL EXPORTED_SLOT IMPORT_SLOT\n";
        return 2;
    }
    std::vector<uint8_t> original, written;
    if (!ReadWhole(argv[1], original) || !ReadWhole(argv[2], written)) {
        std::cout << "FAIL: cannot read " << argv[1] << " or " << argv[2] << "\n";
        return 1;
    }
    if (written.size() != original.size()) {
        std::cout << "FAIL: written file has " << written.size() << " bytes, the fixture "
                  << original.size() << "\n";
        return 1;
    }
    if (original.size() < kMinSize) {
        std::cout << "FAIL: the fixture of " << original.size() << " bytes holds no whole save\n";
        return 1;
    }
    size_t count = original[kPartyCount];
    if (count > 6 || exported >= count || imported >= count) {
        std::cout << "FAIL: the fixture's party of " << count << " has no slot " << exported
                  << " or " << imported << "\n";
        return 1;
    }
    // Member 0 carries the typed level and the exported member its own bytes;
    // an import over either would leave nothing of them to check.
    if (imported == 0 || imported == exported) {
        std::cerr << "the import slot must differ from member 0 and from the exported member\n";
        return 2;
    }

    Checker check(original, written);
    std::string exportedName = "member " + std::to_string(exported);
    std::string importedName = "imported slot " + std::to_string(imported);

    check.ExpectByte("level of member 0", Record(0) + kLevel, uint8_t(level));

    // Every member the session left went through a commit, which sets the
    // current HP to the max HP: member 0 by the switch, the exported member by
    // the export, the import slot by the save.
    for (size_t member : {size_t(0), size_t(exported)}) {
        size_t r = Record(member);
        for (size_t k = 0; k < 2; ++k)
            check.ExpectByte("current HP of member " + std::to_string(member), r + kCurrentHp + k,
                             original[r + kMaxHp + k]);
    }

    // The imported slot holds the exported member as the export's commit left
    // it, apart from the byte the member file does not carry and the types.
    size_t from = Record(exported), to = Record(imported);
    for (size_t k = 0; k < kRecordSize; ++k) {
        if (k == kType1 || k == kType2) continue;
        std::string what = importedName + " record byte " + std::to_string(k);
        if (k == kUncarried)
            check.ExpectByte(what + " (kept from the slot)", to + k, original[to + k]);
        else if (k == kCurrentHp || k == kCurrentHp + 1)
            check.ExpectByte(what + " (current HP of " + exportedName + ")", to + k,
                             original[from + kMaxHp + (k - kCurrentHp)]);
        else
            check.ExpectByte(what + " (as in " + exportedName + ")", to + k, original[from + k]);
    }
    check.ExpectByte(importedName + " party species entry", kPartySpecies + imported,
                     original[kPartySpecies + exported]);
    for (size_t k = 0; k < kNameBytes; ++k) {
        check.ExpectByte(importedName + " nickname byte " + std::to_string(k), Nickname(imported) + k,
                         original[Nickname(exported) + k]);
        check.ExpectByte(importedName + " OT name byte " + std::to_string(k), OtName(imported) + k,
                         original[OtName(exported) + k]);
    }

    // Types and dex flags follow each member's species as the party now holds it.
    std::vector<uint8_t> owned(original.begin() + kDexOwned, original.begin() + kDexOwned + kDexFlagBytes);
    std::vector<uint8_t> seen(original.begin() + kDexSeen, original.begin() + kDexSeen + kDexFlagBytes);
    for (size_t member = 0; member < count; ++member) {
        uint8_t species = member == imported ? original[kPartySpecies + exported] : original[kPartySpecies + member];
        unsigned dex = core::kDexOfInternal[species];
        std::string name = "member " + std::to_string(member);
        if (dex < 1 || dex > 151) {
            check.Fail(name + " of the fixture has species byte " + Hex(species) + ", no species");
            continue;
        }
        check.ExpectByte("type 1 of " + name + " (dex " + std::to_string(dex) + ")", Record(member) + kType1,
                         core::kSpeciesTypes[dex - 1][0]);
        check.ExpectByte("type 2 of " + name + " (dex " + std::to_string(dex) + ")", Record(member) + kType2,
                         core::kSpeciesTypes[dex - 1][1]);
        owned[(dex - 1) / 8] |= uint8_t(1u << ((dex - 1) % 8));
        seen[(dex - 1) / 8] |= uint8_t(1u << ((dex - 1) % 8));
    }
    for (size_t b = 0; b < kDexFlagBytes; ++b) {
        check.ExpectByte("owned flags byte " + std::to_string(b), kDexOwned + b, owned[b]);
        check.ExpectByte("seen flags byte " + std::to_string(b), kDexSeen + b, seen[b]);
    }

    // Summed over the file as written: every byte in the range must be final.
    unsigned sum = 0;
    for (size_t offset = kChecksumFirst; offset <= kChecksumLast; ++offset) sum += written[offset];
    check.ExpectByte("checksum", kChecksumByte, uint8_t(255 - sum % 256));

    check.ExpectRestUnchanged();

    if (check.Failures() != 0) {
        std::cout << check.Failures() << " check(s) of " << argv[2] << " failed\n";
        return 1;
    }
    std::cout << "saved file matches: level " << level << " on member 0, " << exportedName
              << " imported into slot " << imported << ", types, dex flags and checksum set\n";
    return 0;
}
