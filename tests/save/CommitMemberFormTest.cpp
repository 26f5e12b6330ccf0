#include <gtest/gtest.h>

#include "save/BigEndian.h"
#include "support/EditorWithSave.h"

namespace {

class CommitMember : public EditorWithSave {
protected:
    void SetUp() override {
        EditorWithSave::SetUp();
        LoadParty({fixture::Member(), fixture::Member()});
    }
    // Valid entries in every control.
    void EnterValid() {
        f->Edit1->SetText("50");
        f->Edit2->SetText("300");
        f->Edit3->SetText("301");
        f->Edit4->SetText("302");
        f->Edit5->SetText("303");
        f->Edit6->SetText("304");
        f->Edit7->SetText("65535");
        f->Edit8->SetText("100000");
        f->Edit9->SetText("Ivy");
        f->Edit10->SetText("RED");
    }
};

TEST_F(CommitMember, AcceptedEntriesLandInTheRecordBigEndian) {
    EnterValid();
    f->ComboBox2->SetItemIndex(f->speciesRowOfNumber[6]);  // CHARIZARD
    f->ComboBox3->SetItemIndex(f->moveRowOfNumber[53]);
    f->ComboBox4->SetItemIndex(0);
    EXPECT_FALSE(f->CommitMember(0));
    const uint8_t* r = Record(0);
    EXPECT_EQ(r[save::record::kLevel], 50);
    EXPECT_EQ(r[34], 0x01);
    EXPECT_EQ(r[35], 0x2C);
    EXPECT_EQ(r[1], 0x01);
    EXPECT_EQ(r[2], 0x2C);
    EXPECT_EQ(save::Read16(r + save::record::kSpecial), 304u);
    EXPECT_EQ(save::Read16(r + save::record::kOtId), 65535u);
    EXPECT_EQ(r[14], 0x01);
    EXPECT_EQ(r[15], 0x86);
    EXPECT_EQ(r[16], 0xA0);
    EXPECT_EQ(r[save::record::kSpecies], 180);
    EXPECT_EQ(f->saveImage[save::PartySpeciesAt(save::kPartyCountOffset, 0)], 180);
    EXPECT_EQ(r[8], 53);
    EXPECT_EQ(r[9], 0);
    EXPECT_EQ(f->ComboBox1->Item(0), "BULBASAUR  #001");  // the list keeps its loaded names
}

TEST_F(CommitMember, EachRefusalItsSentenceInOrderWithEarlierValuesWritten) {
    // step: the place of the refused entry in the order the commit checks them.
    struct Case { TEdit* TForm1::*edit; const char* bad; const char* message; int step; } cases[] = {
        {&TForm1::Edit1, "0", "Level musi byt v rozsahu 1-100 !", 1},
        {&TForm1::Edit1, "101", "Level musi byt v rozsahu 1-100 !", 1},
        {&TForm1::Edit1, "", "Level musi byt v rozsahu 1-100 !", 1},
        {&TForm1::Edit2, "1000", "Energie musi byt v rozsahu 1-999 !", 2},
        {&TForm1::Edit3, "0", "Attack musi byt v rozsahu 1-999 !", 3},
        {&TForm1::Edit4, "-5", "Defense musi byt v rozsahu 1-999 !", 4},
        {&TForm1::Edit5, "abc", "Speed musi byt v rozsahu 1-999 !", 5},
        {&TForm1::Edit6, "1000", "Special musi byt v rozsahu 1-999 !", 6},
        {&TForm1::Edit7, "-1", "OT ID musi byt v rozsahu 0-65535 !", 7},
        {&TForm1::Edit7, "65536", "OT ID musi byt v rozsahu 0-65535 !", 7},
        {&TForm1::Edit8, "0", "Exp.Points musi byt v rozsahu 1-16777215 !", 8},
        {&TForm1::Edit8, "16777216", "Exp.Points musi byt v rozsahu 1-16777215 !", 8},
        {&TForm1::Edit9, "", "Jmeno musi byt dlouhe 1-10 znaku !", 11},
        {&TForm1::Edit9, "ABCDEFGHIJK", "Jmeno musi byt dlouhe 1-10 znaku !", 11},
        {&TForm1::Edit10, "", "Jmeno OT musi byt dlouhe 1-10 znaku !", 12},
    };
    const size_t rec = save::RecordAt(save::kPartyRecordsOffset, 0);
    const size_t nick = save::NameSlotAt(save::kNicknamesOffset, 0);
    const size_t ot = save::NameSlotAt(save::kOtNamesOffset, 0);
    auto isMemberZero = [&](size_t i) {
        return (i >= rec && i < rec + 44) || i == save::PartySpeciesAt(save::kPartyCountOffset, 0) ||
               (i >= nick && i < nick + 10) || (i >= ot && i < ot + 10);
    };
    for (auto& c : cases) {
        SCOPED_TRACE(std::string(c.message) + " for '" + c.bad + "'");
        Load(loaded);
        EnterValid();
        (f.get()->*c.edit)->SetText(c.bad);
        f->ComboBox3->SetItemIndex(f->moveRowOfNumber[99]);
        EXPECT_TRUE(f->CommitMember(0));
        EXPECT_EQ(f->pmsg->Caption(), c.message);
        EXPECT_EQ((f.get()->*c.edit)->Text(), c.bad);  // kept for correction
        const uint8_t* r = Record(0);
        EXPECT_EQ(r[save::record::kLevel] == 50, c.step > 1);
        EXPECT_EQ(save::Read16(r + save::record::kOtId) == 65535, c.step > 7);
        EXPECT_EQ(r[save::record::kMoves] == 99, c.step > 10);
        EXPECT_EQ(f->saveImage[nick] == 0x88, c.step > 11);  // "I" of Ivy
        for (size_t i = 0; i < loaded.size(); ++i) {
            if (!isMemberZero(i)) {
                ASSERT_EQ(f->saveImage[i], loaded[i]) << "byte " << i;
            }
        }
    }
}

TEST_F(CommitMember, BoundsThatPass) {
    struct Case { TEdit* TForm1::*edit; const char* text; size_t offset; int width; uint32_t stored; } cases[] = {
        {&TForm1::Edit1, "100", save::record::kLevel, 1, 100},
        {&TForm1::Edit1, "1", save::record::kLevel, 1, 1},
        {&TForm1::Edit2, "999", save::record::kMaxHp, 2, 999},
        {&TForm1::Edit7, "", save::record::kOtId, 2, 0},
        {&TForm1::Edit7, "+7", save::record::kOtId, 2, 7},
        {&TForm1::Edit8, "16777215", save::record::kExperience, 3, 0xFFFFFF},
        {&TForm1::Edit8, "\t 12ab", save::record::kExperience, 3, 12},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        EnterValid();
        (f.get()->*c.edit)->SetText(c.text);
        EXPECT_FALSE(f->CommitMember(0));
        const uint8_t* p = Record(0) + c.offset;
        uint32_t stored = c.width == 1 ? p[0] : c.width == 2 ? save::Read16(p) : save::Read24(p);
        EXPECT_EQ(stored, c.stored);
    }
}

TEST_F(CommitMember, NamesArePaddedWithTerminatorsAndSlotByteTenIsKept) {
    uint8_t* nick = f->saveImage + save::NameSlotAt(save::kNicknamesOffset, 0);
    uint8_t* ot = f->saveImage + save::NameSlotAt(save::kOtNamesOffset, 0);
    nick[10] = 0x3C;
    ot[10] = 0x3D;
    EnterValid();
    f->Edit9->SetText("a_b");
    f->Edit10->SetText("ABCDEFGHIJ");
    EXPECT_FALSE(f->CommitMember(0));
    std::vector<uint8_t> expectedNick = {0xA0, 0xE3, 0xA1, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x50, 0x3C};
    EXPECT_EQ(std::vector<uint8_t>(nick, nick + 11), expectedNick);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(ot[i], 0x80 + i);
    EXPECT_EQ(ot[10], 0x3D);
    f->ShowMember(0);
    EXPECT_EQ(f->Edit9->Text(), "a-b");
}

}  // namespace
