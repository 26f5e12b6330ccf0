// Showing one member in the controls, and switching between members.
#include "core/Unit1.h"
#include "save/MemberView.h"

void TForm1::ShowMember(uint8_t member) {
    currentMember = member;
    save::MemberEntries view = save::ViewOfMember(*this, member);
    ComboBox2->SetEnabled(true);
    ComboBox2->SetItemIndex(view.speciesPosition);
    Edit1->SetText(view.level);
    Edit2->SetText(view.maxHp);
    Edit3->SetText(view.attack);
    Edit4->SetText(view.defense);
    Edit5->SetText(view.speed);
    Edit6->SetText(view.special);
    Edit8->SetText(view.experience);
    Edit9->SetText(view.nickname);
    Edit10->SetText(view.otName);
    Edit7->SetText(view.otId);
    TComboBox* moves[] = {ComboBox3, ComboBox4, ComboBox5, ComboBox6};
    for (int k = 0; k < 4; ++k) moves[k]->SetItemIndex(view.movePositions[k]);
    EnableEditor();
}

void TForm1::ComboBox1Change(TObject*) {
    if (currentMember != kNoMemberShown && CommitMember(currentMember)) {
        // The user stays on the member until the refused entry is corrected.
        ComboBox1->SetItemIndex(currentMember);
        return;
    }
    ShowMember(uint8_t(ComboBox1->ItemIndex()));
}
