#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "member/MemberFile.h"
#include "save/FileOps.h"
#include "save/SaveLayout.h"
#include "support/FailingFileOps.h"
#include "support/FixtureSave.h"
#include "support/ButtonWatch.h"
#include "support/FormDriver.h"
#include "support/SameBytes.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kPikachu = 84, kCharmander = 176, kMew = 21;  // species bytes

fixture::Member Pikachu() {
    fixture::Member m;
    m.species = kPikachu;
    m.level = 12;
    m.moves[0] = 84;  // THUNDERSHOCK
    m.nickname = "PIKA";
    return m;
}

fixture::Member Charmander() {
    fixture::Member m;
    m.species = kCharmander;
    m.moves[0] = 10;  // SCRATCH
    m.nickname = "CHAR";
    return m;
}

// The largest dex number and move number a file may carry.
fixture::Member Mew() {
    fixture::Member m;
    m.species = kMew;
    m.level = 77;
    m.maxHp = 250, m.attack = 180, m.defense = 181, m.speed = 182, m.special = 183;
    m.currentHp = 111;
    m.otId = 54321;
    m.experience = 654321;
    m.moves[0] = 94;   // PSYCHIC
    m.moves[1] = 165;  // STRUGGLE
    m.moves[2] = 0;
    m.moves[3] = 0;
    m.nickname = "PSYCHIC";
    m.otName = "RED";
    return m;
}

// A member as it stands in a save of its own, whose noise fills the bytes
// the editor does not interpret, and the file it exports to.
struct CarriedMember {
    Bytes record, nickname, otName;
    Bytes file;
};

CarriedMember Carried(const fixture::Member& m, const uint8_t* dexOfInternal) {
    Bytes image = fixture::MakeSave({m}, 32768, 7);
    const uint8_t* r = &image[save::RecordAt(save::kPartyRecordsOffset, 0)];
    const uint8_t* nick = &image[save::NameSlotAt(save::kNicknamesOffset, 0)];
    const uint8_t* ot = &image[save::NameSlotAt(save::kOtNamesOffset, 0)];
    member::MemberFile file = member::EncodeMemberFile(r, nick, ot, dexOfInternal);
    return {Bytes(r, r + save::kRecordSize), Bytes(nick, nick + save::kNameLength), Bytes(ot, ot + save::kNameLength),
            Bytes(file.begin(), file.end())};
}

// The file with the given plain bytes set, scrambled again and with both
// check bytes made to fit, so only the later checks can refuse it.
Bytes Resealed(Bytes file, std::initializer_list<std::pair<size_t, uint8_t>> plainBytes) {
    for (auto [offset, value] : plainBytes) file[offset] = uint8_t(value ^ offset);
    fixture::SealMemberFile(file.data());
    return file;
}

Bytes Changed(Bytes file, size_t offset, uint8_t value) {
    file[offset] = value;
    return file;
}

std::vector<std::string> Items(TComboBox* chooser) {
    std::vector<std::string> items;
    for (int i = 0; i < chooser->Count(); ++i) items.push_back(chooser->Item(i));
    return items;
}

Bytes Image(const TForm1& f) { return {f.saveImage, f.saveImage + sizeof f.saveImage}; }

// An editor with a three-member save loaded and member 1 shown.
class MemberImport : public testing::Test {
protected:
    void SetUp() override {
        Load("party.sav", fixture::MakeSave({fixture::Member(), Pikachu(), Charmander()}));
        form::Pick(f->ComboBox1, 1);
        ASSERT_EQ(f->currentMember, 1);
    }

    void Load(const std::string& name, const Bytes& save) {
        folder.Put(name, save);
        dialogs.Answer(folder.PathOf(name));
        form::Click(f->Button1);
        ASSERT_EQ(f->pmsg->Caption(), "");
    }

    void Import(std::optional<std::string> path) {
        dialogs.Answer(std::move(path));
        form::Click(f->Button3);
    }

    // Imports path with an entry typed for the member shown and not yet
    // committed; the import must refuse it with message and leave the image
    // and every control as they were, Import and Export on.
    void ExpectRefused(const std::string& path, const std::string& message) {
        f->Edit1->SetText("66");
        Bytes image = Image(*f);
        std::vector<std::string> screen = form::Screen(*f);

        Import(path);

        EXPECT_EQ(f->pmsg->Caption(), message);
        EXPECT_TRUE(SameBytes(Image(*f), image));
        EXPECT_EQ(form::Screen(*f), screen);
    }

    uint8_t* Record(uint8_t slot) const { return f->saveImage + save::RecordAt(f->partyRecordsOffset, slot); }

    TempFolder folder;
    form::DialogScript dialogs;
    std::unique_ptr<TForm1> f = form::NewEditor();
};

TEST_F(MemberImport, ReplacesTheSlotShownAndKeepsTheBytesTheFileLacks) {
    CarriedMember mew = Carried(Mew(), f->dexOfInternal);
    folder.Put("mew.pkm", mew.file);
    Bytes expected = Image(*f);
    std::vector<std::string> partyItems = Items(f->ComboBox1);

    Import(folder.PathOf("mew.pkm"));

    EXPECT_EQ(dialogs.openedIn.back(), std::string(f->programDir.get()));
    EXPECT_EQ(dialogs.filters.back(), "Pokemon|*.pkm");
    EXPECT_EQ(f->pmsg->Caption(), "");
    size_t record = save::RecordAt(f->partyRecordsOffset, 1);
    for (size_t i = 0; i < save::kRecordSize; ++i)
        if (i != 3 && i != save::record::kType1 && i != save::record::kType2) expected[record + i] = mew.record[i];
    expected[save::PartySpeciesAt(f->partyCountOffset, 1)] = kMew;
    std::copy(mew.nickname.begin(), mew.nickname.end(), expected.begin() + save::NameSlotAt(f->nicknamesOffset, 1));
    std::copy(mew.otName.begin(), mew.otName.end(), expected.begin() + save::NameSlotAt(f->otNamesOffset, 1));
    EXPECT_TRUE(SameBytes(Image(*f), expected));

    EXPECT_EQ(f->currentMember, 1);
    EXPECT_EQ(f->ComboBox2->Item(f->ComboBox2->ItemIndex()), "MEW        #151");
    EXPECT_EQ(f->ComboBox3->Item(f->ComboBox3->ItemIndex()), "PSYCHIC      #094");
    EXPECT_EQ(f->ComboBox4->Item(f->ComboBox4->ItemIndex()), "STRUGGLE     #165");
    EXPECT_EQ(f->ComboBox5->Item(f->ComboBox5->ItemIndex()), "-NIC-        #000");
    std::vector<std::string> edits;
    for (TEdit* edit : form::TenEdits(*f)) edits.push_back(edit->Text());
    EXPECT_EQ(edits, (std::vector<std::string>{"77", "250", "180", "181", "182", "183", "54321", "654321", "PSYCHIC",
                                                "RED"}));
    // The chooser keeps the names of the load.
    EXPECT_EQ(Items(f->ComboBox1), partyItems);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 1);
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_TRUE(control->Enabled());
}

TEST_F(MemberImport, DiscardsEntriesTypedForTheMemberShown) {
    // A refused switch leaves a message and both a valid and a refused entry
    // typed; the import commits neither and clears the message.
    f->Edit1->SetText("99");
    f->Edit2->SetText("0");
    f->Edit9->SetText("TYPED");
    form::Pick(f->ComboBox1, 0);
    ASSERT_EQ(f->pmsg->Caption(), "Energie musi byt v rozsahu 1-999 !");
    CarriedMember mew = Carried(Mew(), f->dexOfInternal);
    folder.Put("mew.pkm", mew.file);

    Import(folder.PathOf("mew.pkm"));

    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(Record(1)[save::record::kLevel], 77);
    EXPECT_EQ(f->Edit1->Text(), "77");
    EXPECT_EQ(f->Edit2->Text(), "250");
    EXPECT_EQ(f->Edit9->Text(), "PSYCHIC");
}

TEST_F(MemberImport, FileThatFailsACheckIsRefusedWithItsMessage) {
    const Bytes good = Carried(Mew(), f->dexOfInternal).file;
    Bytes longer = good;
    longer.push_back(0);
    Bytes flipped = Changed(good, 20, good[20] ^ 0x01);
    // Offsets of plain bytes: 4 the dex number, 6..9 the moves, 72 the pad.
    struct Case { const char* what; Bytes file; const char* message; } cases[] = {
        {"empty", {}, "Spatna delka PKM souboru !"},
        {"74 bytes", Bytes(good.begin(), good.end() - 1), "Spatna delka PKM souboru !"},
        {"76 bytes", longer, "Spatna delka PKM souboru !"},
        {"76 bytes without magic", Changed(longer, 0, 'Q'), "Spatna delka PKM souboru !"},
        {"wrong magic", Changed(good, 3, 'M'), "Spatny PKM soubor !"},
        {"wrong magic and damaged", Changed(flipped, 0, 'p'), "Spatny PKM soubor !"},
        {"damaged", flipped, "Poskozeny PKM soubor !"},
        {"XOR check byte off", Changed(good, 73, good[73] ^ 0x80), "Poskozeny PKM soubor !"},
        {"SUM check byte off", Changed(good, 74, uint8_t(good[74] + 1)), "Poskozeny PKM soubor !"},
        {"dex 152 unsealed", Changed(good, 4, 152 ^ 4), "Poskozeny PKM soubor !"},
        {"dex 152", Resealed(good, {{4, 152}}), "Pokemon neexistuje ve verzich R/B/Y !"},
        {"dex 255", Resealed(good, {{4, 255}}), "Pokemon neexistuje ve verzich R/B/Y !"},
        {"pad byte 72 set", Resealed(good, {{72, 1}}), "Pokemon neexistuje ve verzich R/B/Y !"},
        {"dex 152 and move 166", Resealed(good, {{4, 152}, {6, 166}}), "Pokemon neexistuje ve verzich R/B/Y !"},
        {"move 1 is 166", Resealed(good, {{6, 166}}), "Pokemon ma utok ktery neni v R/B/Y !"},
        {"move 2 is 166", Resealed(good, {{7, 166}}), "Pokemon ma utok ktery neni v R/B/Y !"},
        {"move 3 is 255", Resealed(good, {{8, 255}}), "Pokemon ma utok ktery neni v R/B/Y !"},
        {"move 4 is 166", Resealed(good, {{9, 166}}), "Pokemon ma utok ktery neni v R/B/Y !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Put("bad.pkm", c.file);
        ExpectRefused(folder.PathOf("bad.pkm"), c.message);
    }
}

TEST_F(MemberImport, FileThatCannotBeReadIsReported) {
    std::filesystem::create_directory(folder.PathOf("folder.pkm"));
    ExpectRefused(folder.PathOf("absent.pkm"), "Soubor PKM nelze precist !");
    ExpectRefused(folder.PathOf("folder.pkm"), "Soubor PKM nelze precist !");
}

TEST_F(MemberImport, FailingReadIsReported) {
    folder.Put("mew.pkm", Carried(Mew(), f->dexOfInternal).file);
    struct Case { FileStep step; const char* name; } cases[] = {
        {FileStep::Open, "open"}, {FileStep::Fstat, "fstat"}, {FileStep::Read, "read"},
        {FileStep::ShrinkingRead, "shrinking read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FailingFileOps ops(c.step);
        ScopedFileOps use(ops);
        ExpectRefused(folder.PathOf("mew.pkm"), "Soubor PKM nelze precist !");
        EXPECT_TRUE(ops.Fired());
    }
}

TEST_F(MemberImport, ImportAndExportAreOffWhileTheFileIsRead) {
    folder.Put("mew.pkm", Carried(Mew(), f->dexOfInternal).file);
    ButtonWatch watch(*f);
    {
        ScopedFileOps use(watch);
        Import(folder.PathOf("mew.pkm"));
    }
    EXPECT_EQ(watch.eitherOn, std::vector<bool>{false});
    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_TRUE(f->Button3->Enabled());
    EXPECT_TRUE(f->Button4->Enabled());
}

TEST_F(MemberImport, DexNumberZeroIsAcceptedAsNoSpecies) {
    folder.Put("zero.pkm", Resealed(Carried(Mew(), f->dexOfInternal).file, {{4, 0}}));

    Import(folder.PathOf("zero.pkm"));

    EXPECT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(Record(1)[save::record::kSpecies], 0);
    EXPECT_EQ(f->saveImage[save::PartySpeciesAt(f->partyCountOffset, 1)], 0);
    EXPECT_EQ(f->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(f->Edit1->Text(), "77");
    EXPECT_EQ(f->ComboBox1->Item(1), "PIKACHU    #025");
    EXPECT_TRUE(f->Button3->Enabled());
    EXPECT_TRUE(f->Button4->Enabled());
}

TEST_F(MemberImport, CancelledDialogChangesNothing) {
    f->Edit1->SetText("0");
    form::Pick(f->ComboBox1, 2);
    ASSERT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    Bytes image = Image(*f);
    std::vector<std::string> screen = form::Screen(*f);

    Import(std::nullopt);

    EXPECT_TRUE(SameBytes(Image(*f), image));
    EXPECT_EQ(form::Screen(*f), screen);
    EXPECT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
}

TEST_F(MemberImport, ExportedMemberMovesIntoAnotherSaveAndIsWritten) {
    f->Edit1->SetText("50");
    f->Edit10->SetText("GARY");
    dialogs.Answer(folder.PathOf("carry"));
    form::Click(f->Button4);
    ASSERT_EQ(f->pmsg->Caption(), "");
    Bytes carried(Record(1), Record(1) + save::kRecordSize);

    const size_t otherSize = 40000;
    Load("other.sav", fixture::MakeSave({fixture::Member(), fixture::Member(), fixture::Member()}, otherSize, 9));
    form::Pick(f->ComboBox1, 2);
    uint8_t byte3 = Record(2)[3];
    Import(folder.PathOf("carry.pkm"));
    ASSERT_EQ(f->pmsg->Caption(), "");
    EXPECT_EQ(f->ComboBox1->Item(2), "BULBASAUR  #001");
    form::Click(f->Button2);
    ASSERT_EQ(f->pmsg->Caption(), "");

    Bytes disk = folder.Contents("other.sav");
    ASSERT_EQ(disk.size(), otherSize);
    const uint8_t* r = &disk[save::RecordAt(save::kPartyRecordsOffset, 2)];
    for (size_t i = 0; i < save::kRecordSize; ++i) {
        if (i == 3) EXPECT_EQ(r[i], byte3);
        else if (i == save::record::kType1 || i == save::record::kType2) EXPECT_EQ(r[i], 0x17) << i;  // electric
        else EXPECT_EQ(r[i], carried[i]) << "record byte " << i;
    }
    EXPECT_EQ(r[save::record::kLevel], 50);
    EXPECT_EQ(disk[save::PartySpeciesAt(save::kPartyCountOffset, 2)], kPikachu);
    EXPECT_EQ(Bytes(&disk[save::NameSlotAt(save::kNicknamesOffset, 2)],
                    &disk[save::NameSlotAt(save::kNicknamesOffset, 2)] + save::kNameLength),
              fixture::GameName("PIKA"));
    EXPECT_EQ(Bytes(&disk[save::NameSlotAt(save::kOtNamesOffset, 2)],
                    &disk[save::NameSlotAt(save::kOtNamesOffset, 2)] + save::kNameLength),
              fixture::GameName("GARY"));
}

}  // namespace
