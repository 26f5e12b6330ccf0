#include <gtest/gtest.h>

#include "save/BigEndian.h"
#include "support/EditorWithSave.h"

namespace {

class MemberView : public EditorWithSave {};

fixture::Member Odd() {
    fixture::Member m;
    m.species = 84;           // PIKACHU
    m.level = 0;              // outside what a commit accepts
    m.maxHp = 1000;
    m.attack = 65535;
    m.experience = 65536;
    m.otId = 0x1234;
    m.moves[0] = 162;         // SUPER FANG
    m.moves[1] = 165;
    m.moves[2] = 200;         // no move of these games
    m.moves[3] = 0;
    m.nickname = "ABCDEFGHIJ";
    m.otName = "";
    return m;
}

TEST_F(MemberView, ShowsStoredValuesUnjudged) {
    LoadParty({fixture::Member(), Odd()});
    form::Pick(f->ComboBox1, 1);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(f->currentMember, 1);
    EXPECT_EQ(f->Edit1->Text(), "0");
    EXPECT_EQ(f->Edit2->Text(), "1000");  // longer than the edit lets anyone type
    EXPECT_EQ(f->Edit3->Text(), "65535");
    EXPECT_EQ(f->Edit8->Text(), "65536");
    EXPECT_EQ(f->Edit7->Text(), "4660");
    EXPECT_EQ(f->Edit9->Text(), "ABCDEFGHIJ");
    EXPECT_EQ(f->Edit10->Text(), "");
    EXPECT_EQ(f->ComboBox2->Item(f->ComboBox2->ItemIndex()), "PIKACHU    #025");
    EXPECT_EQ(f->ComboBox3->Item(f->ComboBox3->ItemIndex()), "SUPER FANG   #162");
    EXPECT_EQ(f->ComboBox4->Item(f->ComboBox4->ItemIndex()), "STRUGGLE     #165");
    EXPECT_EQ(f->ComboBox5->ItemIndex(), 0);
    EXPECT_EQ(f->ComboBox6->ItemIndex(), 0);
}

TEST_F(MemberView, NameOfTenCodesIgnoresSlotByteTen) {
    auto image = fixture::MakeSave({fixture::Member()});
    uint8_t* nick = &image[save::NameSlotAt(save::kNicknamesOffset, 0)];
    for (int i = 0; i < 10; ++i) nick[i] = uint8_t(0x80 + i);
    nick[10] = 0x81;
    uint8_t* ot = &image[save::NameSlotAt(save::kOtNamesOffset, 0)];
    ot[0] = 0x00;  // only the terminator ends a name
    ot[1] = 0x50;
    Load(image);
    EXPECT_EQ(f->Edit9->Text(), "ABCDEFGHIJ");
    EXPECT_EQ(f->Edit10->Text(), "_");
}

TEST_F(MemberView, SwitchCommitsTheMemberShownThenShowsThePicked) {
    LoadParty({fixture::Member(), Odd()});
    f->Edit1->SetText("42");
    f->Edit9->SetText("Ivy");
    form::Pick(f->ComboBox1, 1);
    EXPECT_EQ(Record(0)[save::record::kLevel], 42);
    EXPECT_EQ(f->Edit9->Text(), "ABCDEFGHIJ");
    f->Edit1->SetText("9");
    f->Edit2->SetText("30");
    f->Edit3->SetText("31");
    f->Edit10->SetText("RED");
    form::Pick(f->ComboBox1, 0);
    EXPECT_EQ(f->Edit1->Text(), "42");
    EXPECT_EQ(f->Edit9->Text(), "Ivy");
    EXPECT_EQ(Record(1)[save::record::kLevel], 9);
}

TEST_F(MemberView, RefusedEntryKeepsTheUserOnTheMember) {
    LoadParty({fixture::Member(), Odd()});
    form::Pick(f->ComboBox1, 1);
    f->Edit9->SetText("KEPT");
    form::Pick(f->ComboBox1, 0);
    EXPECT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 1);
    EXPECT_EQ(f->currentMember, 1);
    EXPECT_EQ(f->Edit1->Text(), "0");
    EXPECT_EQ(f->Edit9->Text(), "KEPT");
    f->Edit1->SetText("12");
    form::Pick(f->ComboBox1, 0);
    EXPECT_EQ(f->pmsg->Caption(), "Energie musi byt v rozsahu 1-999 !");
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 1);
    EXPECT_EQ(Record(1)[save::record::kLevel], 12);  // accepted before the refusal: stays written
}

TEST_F(MemberView, PickingTheMemberShownNormalisesItsEntries) {
    fixture::Member m;
    m.currentHp = 3;
    m.maxHp = 40;
    LoadParty({m});
    f->Edit1->SetText("007");
    f->Edit3->SetText(" 25");
    f->Edit4->SetText("12ab");
    form::Pick(f->ComboBox1, 0);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(f->Edit1->Text(), "7");
    EXPECT_EQ(f->Edit3->Text(), "25");
    EXPECT_EQ(f->Edit4->Text(), "12");
    EXPECT_EQ(save::Read16(Record(0) + save::record::kCurrentHp), 40u);
}

TEST_F(MemberView, UnknownMoveNumberIsStoredAsNoMoveByTheNextCommit) {
    LoadParty({fixture::Member(), Odd()});
    form::Pick(f->ComboBox1, 1);
    f->Edit1->SetText("50");
    f->Edit2->SetText("100");
    f->Edit3->SetText("100");
    f->Edit10->SetText("RED");
    form::Pick(f->ComboBox1, 1);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(Record(1)[save::record::kMoves + 0], 162);
    EXPECT_EQ(Record(1)[save::record::kMoves + 1], 165);
    EXPECT_EQ(Record(1)[save::record::kMoves + 2], 0);
}

TEST_F(MemberView, SpeciesByteWithoutADexNumberSelectsNothingAndCommitKeepsIt) {
    auto image = fixture::MakeSave({fixture::Member(), fixture::Member()});
    image[save::RecordAt(save::kPartyRecordsOffset, 1) + save::record::kSpecies] = 0;  // the load checks only the party list
    Load(image);
    form::Pick(f->ComboBox1, 1);
    EXPECT_EQ(f->ComboBox2->ItemIndex(), -1);
    EXPECT_TRUE(f->CheckBox2->Enabled());
    form::Toggle(f->CheckBox2);
    EXPECT_EQ(f->ComboBox2->ItemIndex(), -1);
    form::Pick(f->ComboBox1, 1);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(Record(1)[save::record::kSpecies], 0);
    EXPECT_EQ(f->saveImage[save::PartySpeciesAt(save::kPartyCountOffset, 1)], 153);
}

}  // namespace
