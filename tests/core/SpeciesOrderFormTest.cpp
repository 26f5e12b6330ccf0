#include <gtest/gtest.h>

#include <cstring>

#include "support/FormDriver.h"

namespace {

std::vector<std::string> Items(TComboBox* chooser) {
    std::vector<std::string> items;
    for (int i = 0; i < chooser->Count(); ++i) items.push_back(chooser->Item(i));
    return items;
}

class SpeciesOrder : public testing::Test {
protected:
    void SetUp() override {
        f = form::NewEditor();
        f->EnableEditor();
    }
    std::unique_ptr<TForm1> f;
};

TEST_F(SpeciesOrder, DexOrderListsDexOneFirstAndKeepsTheSelectedSpecies) {
    f->ComboBox2->SetItemIndex(f->speciesRowOfNumber[25]);  // PIKACHU
    form::Toggle(f->CheckBox2);
    EXPECT_FALSE(f->CheckBox2->Checked());
    EXPECT_EQ(f->ComboBox2->Count(), 151);
    EXPECT_EQ(f->ComboBox2->Item(0), "BULBASAUR  #001");
    EXPECT_EQ(f->ComboBox2->Item(150), "MEW        #151");
    EXPECT_EQ(f->ComboBox2->ItemIndex(), 24);
    EXPECT_EQ(f->ComboBox2->Item(24), "PIKACHU    #025");
    EXPECT_TRUE(f->ComboBox2->Enabled());
    EXPECT_TRUE(f->CheckBox2->Enabled());
}

TEST_F(SpeciesOrder, TwoTogglesGiveBackListMapsAndSelection) {
    std::vector<std::string> items = Items(f->ComboBox2);
    uint8_t numbers[151], rows[152];
    std::memcpy(numbers, f->speciesNumberOfRow, sizeof numbers);
    std::memcpy(rows, f->speciesRowOfNumber, sizeof rows);
    f->ComboBox2->SetItemIndex(f->speciesRowOfNumber[150]);
    std::string picked = f->ComboBox2->Item(f->ComboBox2->ItemIndex());

    form::Toggle(f->CheckBox2);
    form::Toggle(f->CheckBox2);

    EXPECT_TRUE(f->CheckBox2->Checked());
    EXPECT_EQ(Items(f->ComboBox2), items);
    EXPECT_EQ(0, std::memcmp(numbers, f->speciesNumberOfRow, sizeof numbers));
    EXPECT_EQ(0, std::memcmp(rows, f->speciesRowOfNumber, sizeof rows));
    EXPECT_EQ(f->ComboBox2->Item(f->ComboBox2->ItemIndex()), picked);
}

TEST_F(SpeciesOrder, WithoutASelectionTheListStaysWithoutOne) {
    form::Toggle(f->CheckBox2);
    EXPECT_EQ(f->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(f->ComboBox2->Item(0), "BULBASAUR  #001");
    form::Toggle(f->CheckBox2);
    EXPECT_EQ(f->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(f->ComboBox2->Item(0), "ABRA       #063");
}

TEST_F(SpeciesOrder, TouchesNeitherMessageNorMovesNorImage) {
    f->pmsg->SetCaption("Level musi byt v rozsahu 1-100 !");
    f->ComboBox3->SetItemIndex(9);
    f->saveImage[100] = 0x5A;
    form::Toggle(f->CheckBox2);
    EXPECT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    EXPECT_EQ(f->ComboBox3->ItemIndex(), 9);
    EXPECT_EQ(f->saveImage[100], 0x5A);
}

}  // namespace
