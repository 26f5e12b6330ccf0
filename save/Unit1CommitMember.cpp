// Taking the member controls into the save image.
#include "core/Unit1.h"
#include "save/MemberCommit.h"

bool TForm1::CommitMember(uint8_t member) {
    pmsg->SetCaption("");
    save::MemberEntries entries;
    entries.level = Edit1->Text();
    entries.maxHp = Edit2->Text();
    entries.attack = Edit3->Text();
    entries.defense = Edit4->Text();
    entries.speed = Edit5->Text();
    entries.special = Edit6->Text();
    entries.otId = Edit7->Text();
    entries.experience = Edit8->Text();
    entries.speciesPosition = ComboBox2->ItemIndex();
    entries.movePositions = {ComboBox3->ItemIndex(), ComboBox4->ItemIndex(), ComboBox5->ItemIndex(),
                             ComboBox6->ItemIndex()};
    entries.nickname = Edit9->Text();
    entries.otName = Edit10->Text();
    const char* refusal = save::CommitMemberEntries(*this, member, entries);
    if (!refusal) return false;
    pmsg->SetCaption(refusal);
    return true;
}
