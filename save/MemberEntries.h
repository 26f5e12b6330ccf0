#pragma once
#include <array>
#include <string>

// One member as the member controls hold it: the edits' texts and the
// choosers' positions (-1: no selection).
namespace save {

struct MemberEntries {
    std::string level, maxHp, attack, defense, speed, special, experience, nickname, otName, otId;
    int speciesPosition = -1;
    std::array<int, 4> movePositions{-1, -1, -1, -1};
};

}  // namespace save
