// Writes the save that the real-window test loads: three members whose
// species, stats, moves and names all differ, so a member that ends up in the
// wrong slot shows in the checked bytes. Each member's current HP lies below
// its max HP, so the file shows which members the editor committed, and the
// party's own dex flag bits are clear amid the noise, so the file shows that
// the save set them.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

#include "core/ReferenceTables.h"
#include "save/SaveLayout.h"
#include "support/FixtureSave.h"

namespace {

fixture::Member Member(uint8_t dex, uint8_t level, uint16_t maxHp, uint16_t stat, uint16_t otId,
                       uint32_t experience, std::array<uint8_t, 4> moves, const char* nickname,
                       const char* otName) {
    fixture::Member m;
    m.species = core::kInternalOfDex[dex];
    m.level = level;
    m.maxHp = maxHp;
    m.currentHp = uint16_t(maxHp - 7);
    m.attack = stat;
    m.defense = uint16_t(stat + 1);
    m.speed = uint16_t(stat + 2);
    m.special = uint16_t(stat + 3);
    m.otId = otId;
    m.experience = experience;
    for (int k = 0; k < 4; ++k) m.moves[k] = moves[k];
    m.nickname = nickname;
    m.otName = otName;
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.sav\n";
        return 2;
    }
    // Dex numbers 25, 6 and 150 fall into three different bytes of the dex
    // flag arrays, 150 into the last one.
    const uint8_t dexNumbers[] = {25, 6, 150};
    std::vector<fixture::Member> party = {
        Member(dexNumbers[0], 5, 21, 11, 4660, 135, {84, 45, 98, 0}, "SPARKY", "RED"),
        Member(dexNumbers[1], 36, 118, 84, 513, 46656, {53, 163, 34, 0}, "BLAZE", "BLUE"),
        Member(dexNumbers[2], 70, 251, 170, 65000, 343000, {94, 105, 58, 85}, "MEWTWO", "GIOVANNI"),
    };
    std::vector<uint8_t> image = fixture::MakeSave(party, 32768, 7);
    for (uint8_t dex : dexNumbers) {
        uint8_t mask = uint8_t(1u << ((dex - 1) % 8));
        image[save::kDexOwnedOffset + (dex - 1) / 8] &= uint8_t(~mask);
        image[save::kDexSeenOffset + (dex - 1) / 8] &= uint8_t(~mask);
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    out.close();
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
