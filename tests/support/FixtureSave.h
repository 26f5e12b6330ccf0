#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "save/SaveLayout.h"

// Builds small save images for tests: noise everywhere, so a stray write
// shows, then a party laid over it.
namespace fixture {

struct Member {
    uint8_t species = 153;  // BULBASAUR's species byte
    uint8_t level = 5;
    uint16_t maxHp = 20, attack = 11, defense = 12, speed = 13, special = 14;
    uint16_t currentHp = 17;
    uint16_t otId = 4660;
    uint32_t experience = 135;
    uint8_t moves[4] = {33, 45, 0, 0};  // TACKLE, GROWL
    std::string nickname = "BULBA";
    std::string otName = "ASH";
};

// size bytes of repeatable noise: the same seed gives the same bytes.
std::vector<uint8_t> Noise(size_t size, uint32_t seed);

// Noise with party count and members written.
std::vector<uint8_t> MakeSave(const std::vector<Member>& party, size_t size = 32768,
                              uint32_t seed = 1);

// Writes one member (record, party species entry, both names) into image.
void PutMember(std::vector<uint8_t>& image, uint8_t index, const Member& member);

// A name in game text, padded with the terminator to ten bytes.
std::vector<uint8_t> GameName(const std::string& text);

// Recomputes both check bytes of a 75-byte member file whose bytes 4..72
// a test has changed, so that only the checks after them can refuse it.
void SealMemberFile(uint8_t* file);

}  // namespace fixture
