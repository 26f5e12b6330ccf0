#pragma once
#include <cstdint>

#include "save/MemberEntries.h"

struct EditorState;

namespace save {

// Member m of the loaded image as the controls show it. A species byte that
// is no species selects nothing in the species chooser.
MemberEntries ViewOfMember(const EditorState& state, uint8_t member);

}  // namespace save
