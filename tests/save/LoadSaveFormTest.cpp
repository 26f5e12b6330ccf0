#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/EditorWithSave.h"
#include "support/FailingFileOps.h"

namespace {

fixture::Member Pikachu() {
    fixture::Member m;
    m.species = 84;
    m.level = 30;
    m.nickname = "SPARKY";
    return m;
}

fixture::Member Mew() {
    fixture::Member m;
    m.species = 21;
    m.level = 70;
    m.maxHp = 250;
    m.experience = 65536;
    return m;
}

class LoadSave : public EditorWithSave {};

TEST_F(LoadSave, ListsThePartyAndShowsMemberZero) {
    LoadParty({fixture::Member(), Pikachu(), Mew()});
    EXPECT_EQ(f->pmsg->Caption(), "");
    ASSERT_EQ(f->ComboBox1->Count(), 3);
    EXPECT_EQ(f->ComboBox1->Item(0), "BULBASAUR  #001");
    EXPECT_EQ(f->ComboBox1->Item(1), "PIKACHU    #025");
    EXPECT_EQ(f->ComboBox1->Item(2), "MEW        #151");
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(f->currentMember, 0);
    EXPECT_EQ(f->Edit1->Text(), "5");
    EXPECT_EQ(f->Edit9->Text(), "BULBA");
    EXPECT_EQ(f->ComboBox2->Item(f->ComboBox2->ItemIndex()), "BULBASAUR  #001");
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_TRUE(control->Enabled());
    EXPECT_EQ(std::string(f->savPath), folder.PathOf("red.sav"));
    EXPECT_EQ(f->saveSize, loaded.size());
    EXPECT_EQ(Image(), loaded);
    EXPECT_EQ(dialogs.openedIn.back(), std::string(f->programDir.get()));
    EXPECT_EQ(dialogs.filters.back(), "Pokemon RED/BLUE/YELLOW save|*.sav");
}

TEST_F(LoadSave, PartyNamesAreTheSameInDexOrder) {
    f->EnableEditor();
    form::Toggle(f->CheckBox2);
    LoadParty({Pikachu(), Mew()});
    EXPECT_FALSE(f->CheckBox2->Checked());
    EXPECT_EQ(f->ComboBox1->Item(0), "PIKACHU    #025");
    EXPECT_EQ(f->ComboBox2->ItemIndex(), 24);
}

TEST_F(LoadSave, CancelledDialogChangesNothing) {
    LoadParty({fixture::Member(), Pikachu()});
    form::Pick(f->ComboBox1, 1);
    f->Edit1->SetText("77");
    f->pmsg->SetCaption("Speed musi byt v rozsahu 1-999 !");
    dialogs.Answer(std::nullopt);
    form::Click(f->Button1);
    EXPECT_EQ(f->currentMember, 1);
    EXPECT_EQ(f->Edit1->Text(), "77");
    EXPECT_EQ(f->pmsg->Caption(), "Speed musi byt v rozsahu 1-999 !");
    EXPECT_EQ(f->ComboBox1->Count(), 2);
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_TRUE(control->Enabled());
}

// What every failed load leaves: nothing to act on, edits empty, its sentence.
void ExpectEmptyEditor(TForm1& f, const std::string& message) {
    EXPECT_EQ(f.pmsg->Caption(), message);
    for (TControl* control : form::SwitchedControls(f)) EXPECT_FALSE(control->Enabled());
    for (TEdit* edit : form::TenEdits(f)) EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(f.ComboBox1->ItemIndex(), -1);
    EXPECT_TRUE(f.Button1->Enabled());
}

TEST_F(LoadSave, FileSizesAtTheBounds) {
    struct Case { size_t size; bool accepted; } cases[] = {
        {0, false}, {13603, false}, {13604, true}, {32768, true}, {50000, true}, {50001, false}, {65536, false}};
    for (auto c : cases) {
        SCOPED_TRACE(c.size);
        std::vector<uint8_t> bytes(c.size, 0);
        if (c.size > 13000) bytes = fixture::MakeSave({Pikachu()}, c.size, uint32_t(c.size));
        Load(bytes, "sized.sav");
        if (c.accepted) {
            EXPECT_EQ(f->pmsg->Caption(), "");
            EXPECT_EQ(f->saveSize, c.size);
            EXPECT_EQ(Image(), bytes);
        } else {
            ExpectEmptyEditor(*f, "Spatna delka souboru !");
        }
    }
}

TEST_F(LoadSave, UnreadableFilesLeaveTheEditorEmptyAndTheImageAsItWas) {
    LoadParty({fixture::Member(), Pikachu()});
    std::string path = f->savPath;
    mkdir(folder.PathOf("folder.sav").c_str(), 0755);
    for (std::string bad : {folder.PathOf("missing.sav"), folder.PathOf("folder.sav")}) {
        SCOPED_TRACE(bad);
        LoadPath(bad);
        ExpectEmptyEditor(*f, "Soubor SAV nelze precist !");
        EXPECT_EQ(Image(), loaded);
        EXPECT_EQ(std::string(f->savPath), path);
    }
}

TEST_F(LoadSave, FileThatShrinksWhileReadIsRefusedWhole) {
    LoadParty({fixture::Member()});
    std::vector<uint8_t> other = fixture::MakeSave({Mew(), Mew()}, 40000, 9);
    folder.Put("other.sav", other);
    FailingFileOps ops(FileStep::ShrinkingRead);
    ScopedFileOps use(ops);
    LoadPath(folder.PathOf("other.sav"));
    EXPECT_TRUE(ops.Fired());
    ExpectEmptyEditor(*f, "Soubor SAV nelze precist !");
    EXPECT_EQ(Image(), loaded);
    EXPECT_EQ(f->saveSize, loaded.size());
}

TEST_F(LoadSave, PartyChecksInTheirOrder) {
    auto withCount = [](uint8_t count) {
        auto image = fixture::MakeSave({fixture::Member(), Pikachu(), Mew(), Pikachu(), Mew(), Pikachu()});
        image[save::kPartyCountOffset] = count;
        return image;
    };
    auto badThird = fixture::MakeSave({fixture::Member(), Pikachu(), Mew()});
    badThird[save::PartySpeciesAt(save::kPartyCountOffset, 2)] = 31;  // no species
    auto badFirstOfSeven = withCount(7);
    badFirstOfSeven[save::PartySpeciesAt(save::kPartyCountOffset, 0)] = 0;
    struct Case { const char* name; std::vector<uint8_t> image; const char* message; int names; } cases[] = {
        {"count 0", withCount(0), "Zadny Pokemon nenalezen !", 0},
        {"count 7 before species", badFirstOfSeven, "Nemuzes mit vic nez 6 Pokemonu !", 0},
        {"count 255", withCount(255), "Nemuzes mit vic nez 6 Pokemonu !", 0},
        {"third species", badThird, "Spatne cislo Pokemona ! Zeby spatny SAV ?", 2},
        {"count 6", withCount(6), "", 6},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.image, "party.sav");
        EXPECT_EQ(f->pmsg->Caption(), c.message);
        EXPECT_EQ(f->ComboBox1->Count(), c.names);
        EXPECT_EQ(Image(), c.image);
        EXPECT_EQ(std::string(f->savPath), folder.PathOf("party.sav"));
        if (*c.message) ExpectEmptyEditor(*f, c.message);
    }
}

TEST_F(LoadSave, SpeciesAboveTheCountAndTheChecksumAreNotExamined) {
    auto image = fixture::MakeSave({Pikachu(), Mew()});
    for (uint8_t i = 2; i < 6; ++i) image[save::PartySpeciesAt(save::kPartyCountOffset, i)] = 0;
    image[save::kChecksumByte] ^= 0xFF;
    Load(image);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(f->ComboBox1->Count(), 2);
}

TEST_F(LoadSave, PathOfFiveHundredCharactersIsRefusedAfterTheRead) {
    LoadParty({fixture::Member()});
    std::string earlier = f->savPath;
    // Folders deep enough that the whole path is exactly 499 or 500 long.
    std::string base = folder.PathOf("");
    auto pathOfLength = [&](size_t length, const std::string& tag) {
        std::string dir = base + tag;
        mkdir(dir.c_str(), 0755);
        while (dir.size() + 1 + 60 + 5 < length) {
            dir += "/" + std::string(60, 'd');
            mkdir(dir.c_str(), 0755);
        }
        std::string path = dir + "/";
        path += std::string(length - path.size() - 4, 'n') + ".sav";
        return path;
    };
    auto image = fixture::MakeSave({Mew()}, 32768, 5);
    std::string ok = pathOfLength(499, "a"), tooLong = pathOfLength(500, "b");
    ASSERT_EQ(ok.size(), 499u);
    ASSERT_EQ(tooLong.size(), 500u);
    for (const std::string& p : {ok, tooLong}) {
        std::string name = p.substr(base.size());
        folder.Put(name, image);
    }
    LoadPath(ok);
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(std::string(f->savPath), ok);

    LoadParty({fixture::Member()});
    LoadPath(tooLong);
    ExpectEmptyEditor(*f, "Moc dlouha cesta k souboru SAV !");
    EXPECT_EQ(Image(), image);  // the new file is in the image ...
    EXPECT_EQ(std::string(f->savPath), earlier);  // ... but not its path
}

}  // namespace
