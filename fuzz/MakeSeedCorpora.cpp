// Writes the seed corpus of each fuzz target into <folder>/<target>/: valid
// saves, member files and names, and the cases at each boundary the editor
// checks, so the fuzzers start next to every decision rather than having to
// find the few valid files among random bytes.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ReferenceTables.h"
#include "member/MemberFile.h"
#include "save/GameText.h"
#include "save/SaveLayout.h"
#include "support/FixtureSave.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

fixture::Member OfDex(uint8_t dex) {
    fixture::Member m;
    m.species = core::kInternalOfDex[dex];
    return m;
}

// Six members whose values differ, all within what a commit accepts.
std::vector<fixture::Member> FullParty() {
    std::vector<fixture::Member> party;
    const uint8_t dexes[] = {1, 25, 151, 150, 129, 6};
    for (int i = 0; i < 6; ++i) {
        fixture::Member m = OfDex(dexes[i]);
        m.level = uint8_t(5 + 19 * i);
        m.maxHp = uint16_t(20 + 150 * i);
        m.attack = uint16_t(11 + 100 * i);
        m.experience = 135u + 100000u * unsigned(i);
        m.moves[0] = uint8_t(1 + 30 * i);
        m.moves[1] = uint8_t(165 - i);
        m.moves[2] = uint8_t(i);
        m.nickname = std::string("NICK") + char('A' + i);
        m.otName = i % 2 ? "Ash" : "GARY";
        party.push_back(m);
    }
    return party;
}

void WriteSaveSeeds(const std::filesystem::path& folder) {
    Write(folder, "one-member.sav", fixture::MakeSave({fixture::Member()}));
    Write(folder, "six-members.sav", fixture::MakeSave(FullParty()));
    // Sizes at and just past both bounds of what a load takes, and none.
    Write(folder, "smallest.sav", fixture::MakeSave({OfDex(25)}, save::kMinSaveSize, 2));
    Write(folder, "largest.sav", fixture::MakeSave({OfDex(25), OfDex(7)}, save::kMaxSaveSize, 3));
    Write(folder, "one-byte-short.sav", fixture::MakeSave({OfDex(25)}, save::kMinSaveSize - 1, 4));
    Write(folder, "one-byte-over.sav", fixture::MakeSave({OfDex(25)}, save::kMaxSaveSize + 1, 5));
    Write(folder, "empty.sav", {});

    Bytes noMembers = fixture::MakeSave({});
    Write(folder, "no-members.sav", noMembers);
    Bytes sevenMembers = fixture::MakeSave(FullParty());
    sevenMembers[save::kPartyCountOffset] = 7;
    Write(folder, "seven-members.sav", sevenMembers);
    Bytes badThird = fixture::MakeSave({OfDex(1), OfDex(2), OfDex(3)});
    badThird[save::PartySpeciesAt(save::kPartyCountOffset, 2)] = 31;  // no species has it
    Write(folder, "third-species-unknown.sav", badThird);

    // Values at the edges of what a commit accepts, and just past them.
    fixture::Member highest = OfDex(151);
    highest.level = 100;
    highest.maxHp = highest.attack = highest.defense = highest.speed = highest.special = 999;
    highest.otId = 65535;
    highest.experience = 16777215;
    highest.moves[0] = highest.moves[1] = highest.moves[2] = highest.moves[3] = 165;
    fixture::Member tooHigh = OfDex(150);
    tooHigh.level = 101;
    tooHigh.maxHp = 1000;
    fixture::Member zeroes = OfDex(1);
    zeroes.level = 0;
    zeroes.experience = 0;
    Write(folder, "edges-of-ranges.sav", fixture::MakeSave({highest, tooHigh, zeroes}));
    Write(folder, "refused-level.sav", fixture::MakeSave({tooHigh}));

    // Names of ten letters with no terminator, and codes the text table lacks.
    Bytes names = fixture::MakeSave({fixture::Member(), OfDex(4)});
    for (size_t i = 0; i < save::kNameLength; ++i) {
        names[save::NameSlotAt(save::kNicknamesOffset, 0) + i] = uint8_t(0x80 + i);
        names[save::NameSlotAt(save::kOtNamesOffset, 1) + i] = uint8_t(i * 25);
    }
    Write(folder, "odd-names.sav", names);

    // A record whose species byte disagrees with the party list, and one
    // whose species byte names no species.
    Bytes mixed = fixture::MakeSave({OfDex(25), OfDex(26)});
    mixed[save::RecordAt(save::kPartyRecordsOffset, 0)] = core::kInternalOfDex[151];
    mixed[save::RecordAt(save::kPartyRecordsOffset, 1)] = 0;
    Write(folder, "record-species-differs.sav", mixed);
}

// The check bytes as a reader recomputes them, for seeds whose plain bytes
// are changed after encoding.
member::MemberFile Rechecked(member::MemberFile file) {
    fixture::SealMemberFile(file.data());
    return file;
}

member::MemberFile Encoded(const fixture::Member& m, const std::array<uint8_t, 256>& dexOfInternal = core::kDexOfInternal) {
    Bytes image = fixture::MakeSave({m});
    return member::EncodeMemberFile(&image[save::RecordAt(save::kPartyRecordsOffset, 0)],
                                    &image[save::NameSlotAt(save::kNicknamesOffset, 0)],
                                    &image[save::NameSlotAt(save::kOtNamesOffset, 0)], dexOfInternal.data());
}

Bytes AsBytes(const member::MemberFile& file) { return Bytes(file.begin(), file.end()); }

void WriteMemberSeeds(const std::filesystem::path& folder) {
    Write(folder, "bulbasaur.pkm", AsBytes(Encoded(fixture::Member())));
    fixture::Member mew = OfDex(151);
    mew.level = 100;
    mew.maxHp = mew.attack = mew.defense = mew.speed = mew.special = 999;
    mew.experience = 16777215;
    mew.moves[0] = mew.moves[1] = mew.moves[2] = mew.moves[3] = 165;
    mew.nickname = "ABCDEFGHIJ";
    Write(folder, "highest-accepted.pkm", AsBytes(Encoded(mew)));
    fixture::Member outOfRange = OfDex(25);
    outOfRange.level = 0;
    outOfRange.maxHp = 1000;
    Write(folder, "values-a-commit-refuses.pkm", AsBytes(Encoded(outOfRange)));

    // Dex 0 passes the reader; 152 and a move of 166 do not.
    std::array<uint8_t, 256> toDex = core::kDexOfInternal;
    toDex[core::kInternalOfDex[25]] = 0;
    Write(folder, "dex-0.pkm", AsBytes(Encoded(OfDex(25), toDex)));
    toDex[core::kInternalOfDex[25]] = 152;
    Write(folder, "dex-152.pkm", AsBytes(Encoded(OfDex(25), toDex)));
    fixture::Member badMove = OfDex(25);
    badMove.moves[3] = 166;
    Write(folder, "move-166.pkm", AsBytes(Encoded(badMove)));
    member::MemberFile notZero = Encoded(fixture::Member());
    notZero[72] ^= 0x01;
    Write(folder, "byte-72-not-zero.pkm", AsBytes(Rechecked(notZero)));

    member::MemberFile damaged = Encoded(fixture::Member());
    damaged[40] ^= 0x10;
    Write(folder, "check-bytes-wrong.pkm", AsBytes(damaged));
    member::MemberFile noMagic = Encoded(fixture::Member());
    noMagic[0] = 'Q';
    Write(folder, "magic-wrong.pkm", AsBytes(noMagic));

    Bytes valid = AsBytes(Encoded(fixture::Member()));
    Write(folder, "empty.pkm", {});
    Write(folder, "one-byte-short.pkm", Bytes(valid.begin(), valid.end() - 1));
    Bytes longer = valid;
    longer.push_back(0);
    Write(folder, "one-byte-over.pkm", longer);
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

void WriteNameSeeds(const std::filesystem::path& folder) {
    Write(folder, "one-letter", Text("A"));
    Write(folder, "species-name", Text("BULBASAUR"));
    Write(folder, "ten-letters", Text("ABCDEFGHIJ"));
    Write(folder, "mixed-case-digit-dash", Text("Ab-1"));
    Write(folder, "underscore", Text("a_b"));
    Write(folder, "punctuation", Text("(:;[]')?!."));
    Write(folder, "more-punctuation", Text("&/, 09"));
    Write(folder, "nul-inside", Bytes{'A', 0, 'B'});
    Write(folder, "high-bytes", Bytes{0x80, 0xE3, 0xFF, 0x7F, 0x01});
    Write(folder, "slot-two-letters", Bytes{0x80, 0x81, 0x50, 0x00, 0xFF, 0x12, 0x50, 0x50, 0x50, 0x50});
    Write(folder, "slot-terminator-first", Bytes(save::kNameLength, save::kNameTerminator));
    Write(folder, "slot-no-terminator", Bytes{0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A});
    Write(folder, "slot-unknown-codes", Bytes{0x00, 0x4F, 0x51, 0xBA, 0xE1, 0xF5, 0x50});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    WriteSaveSeeds(root / "fuzz_load_save");
    WriteMemberSeeds(root / "fuzz_member_file");
    WriteNameSeeds(root / "fuzz_name_codec");
    return 0;
}
