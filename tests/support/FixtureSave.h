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

// size bytes of repeatable noise, with party count and members written.
std::vector<uint8_t> MakeSave(const std::vector<Member>& party, size_t size = 32768,
                              uint32_t seed = 1);

// Writes one member (record, party species entry, both names) into image.
void PutMember(std::vector<uint8_t>& image, uint8_t index, const Member& member);

// A name in game text, padded with the terminator to ten bytes.
std::vector<uint8_t> GameName(const std::string& text);

}  // namespace fixture
