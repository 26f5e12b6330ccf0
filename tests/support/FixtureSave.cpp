#include "support/FixtureSave.h"

#include "save/BigEndian.h"

namespace fixture {

namespace {

// Just enough of the game's code for fixture names: capitals, small letters,
// digits and space.
uint8_t GameCode(char c) {
    if (c >= 'A' && c <= 'Z') return uint8_t(0x80 + (c - 'A'));
    if (c >= 'a' && c <= 'z') return uint8_t(0xA0 + (c - 'a'));
    if (c >= '0' && c <= '9') return uint8_t(0xF6 + (c - '0'));
    return 0x7F;
}

}  // namespace

std::vector<uint8_t> GameName(const std::string& text) {
    std::vector<uint8_t> name(save::kNameLength, 0x50);
    for (size_t i = 0; i < text.size() && i < save::kNameLength; ++i) name[i] = GameCode(text[i]);
    return name;
}

void PutMember(std::vector<uint8_t>& image, uint8_t index, const Member& member) {
    using namespace save;
    image[PartySpeciesAt(kPartyCountOffset, index)] = member.species;
    uint8_t* r = &image[RecordAt(kPartyRecordsOffset, index)];
    r[record::kSpecies] = member.species;
    Write16(r + record::kCurrentHp, member.currentHp);
    for (int k = 0; k < 4; ++k) r[record::kMoves + k] = member.moves[k];
    Write16(r + record::kOtId, member.otId);
    Write24(r + record::kExperience, member.experience);
    r[record::kLevel] = member.level;
    Write16(r + record::kMaxHp, member.maxHp);
    Write16(r + record::kAttack, member.attack);
    Write16(r + record::kDefense, member.defense);
    Write16(r + record::kSpeed, member.speed);
    Write16(r + record::kSpecial, member.special);
    std::vector<uint8_t> nick = GameName(member.nickname), ot = GameName(member.otName);
    std::copy(nick.begin(), nick.end(), &image[NameSlotAt(kNicknamesOffset, index)]);
    std::copy(ot.begin(), ot.end(), &image[NameSlotAt(kOtNamesOffset, index)]);
}

std::vector<uint8_t> Noise(size_t size, uint32_t seed) {
    std::vector<uint8_t> bytes(size);
    uint32_t x = seed * 2654435761u + 12345u;
    for (auto& byte : bytes) {
        x = x * 1103515245u + 12345u;
        byte = uint8_t(x >> 16);
    }
    return bytes;
}

void SealMemberFile(uint8_t* file) {
    uint8_t xorCheck = 0, sumCheck = 0;
    for (size_t i = 4; i <= 72; ++i) {
        xorCheck ^= uint8_t(file[i] ^ i);
        sumCheck = uint8_t(sumCheck + file[i]);
    }
    file[73] = xorCheck;
    file[74] = sumCheck;
}

std::vector<uint8_t> MakeSave(const std::vector<Member>& party, size_t size, uint32_t seed) {
    std::vector<uint8_t> image = Noise(size, seed);
    image[save::kPartyCountOffset] = uint8_t(party.size());
    for (size_t i = 0; i < party.size() && i < save::kMaxPartyCount; ++i)
        PutMember(image, uint8_t(i), party[i]);
    return image;
}

}  // namespace fixture
