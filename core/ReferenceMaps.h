#pragma once
#include <cstdint>

struct EditorState;

// The maps between chooser positions and the games' numbers, built from the
// rows; and the two orders of the species chooser.
namespace core {

// Copies the constant tables into state and builds every map from the rows,
// with the species in alphabetical order.
void BuildReferenceMaps(EditorState& state);

// Rewrites the two species maps for the chosen order of the species chooser.
void ApplySpeciesOrder(EditorState& state, bool alphabetical);

// Text of the species chooser's item at position (0..150) in the current order.
const char* SpeciesItemText(const EditorState& state, uint8_t position);

// Text of the species row of dex (1..151), the same in either order.
const char* SpeciesRowTextOfDex(const EditorState& state, uint8_t dex);

// Decimal value of the digits from column to the row's end.
uint8_t RowNumber(const char* row, uint8_t column);

}  // namespace core
