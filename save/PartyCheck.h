#pragma once
#include <cstdint>

struct EditorState;

namespace save {

// Party count and species codes of a freshly loaded image, checked in order.
struct PartyCheck {
    const char* refusal = nullptr;  // nullptr: the party is sound
    uint8_t soundMembers = 0;       // members before the first bad species
};

PartyCheck CheckParty(const EditorState& state);

}  // namespace save
