#pragma once
#include <cstdint>

#include "save/MemberEntries.h"

struct EditorState;

namespace save {

// Checks the entries in their fixed order and writes each into member m of
// the image as soon as it passes. Answers nullptr when every entry was
// written, else the sentence of the first refused one; what passed before it
// stays written. A chooser without a selection leaves its bytes as they are.
const char* CommitMemberEntries(EditorState& state, uint8_t member, const MemberEntries& entries);

}  // namespace save
