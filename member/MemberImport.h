#pragma once
#include <cstdint>

#include "member/MemberFile.h"

struct EditorState;

namespace member {

// Puts a decoded member into party slot of the image: its whole record, its
// party species entry and both names. Record bytes 3, 5 and 6, which the
// file does not carry, keep the values the slot had.
void ImportIntoSlot(EditorState& state, uint8_t slot, const DecodedMember& decoded);

// The 75 bytes of the member in slot, as the image holds it now.
MemberFile ExportOfSlot(const EditorState& state, uint8_t slot);

}  // namespace member
