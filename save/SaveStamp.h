#pragma once

struct EditorState;

namespace save {

// What the game expects of a party before the save goes to disk: each
// member's two type bytes from its species, each party species owned and
// seen, and the checksum. Answers false, before the checksum, at the first
// party species that is no species.
bool StampPartyAndChecksum(EditorState& state);

}  // namespace save
