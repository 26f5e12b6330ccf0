// Filling the choosers from the reference tables, and the species order toggle.
#include "core/ReferenceMaps.h"
#include "core/Unit1.h"

namespace {

void FillSpeciesChooser(TComboBox* chooser, const EditorState& state) {
    for (uint8_t p = 0; p < core::kSpeciesRowCount; ++p) chooser->Add(core::SpeciesItemText(state, p));
}

}  // namespace

void TForm1::BuildReferenceTables() {
    core::BuildReferenceMaps(*this);
    FillSpeciesChooser(ComboBox2, *this);
    for (const auto& row : moveRows)
        for (TComboBox* chooser : {ComboBox3, ComboBox4, ComboBox5, ComboBox6}) chooser->Add(row);
}

void TForm1::CheckBox2Click(TObject*) {
    CheckBox2->SetEnabled(false);
    ComboBox2->SetEnabled(false);
    int selected = ComboBox2->ItemIndex();
    uint8_t kept = selected >= 0 ? speciesNumberOfRow[selected] : 0;
    ComboBox2->Clear();
    core::ApplySpeciesOrder(*this, CheckBox2->Checked());
    FillSpeciesChooser(ComboBox2, *this);
    ComboBox2->SetItemIndex(kept != 0 ? speciesRowOfNumber[kept] : -1);
    ComboBox2->SetEnabled(true);
    CheckBox2->SetEnabled(true);
}
