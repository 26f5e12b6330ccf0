#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "member/MemberFile.h"
#include "save/BigEndian.h"
#include "save/FileOps.h"
#include "save/SaveLayout.h"
#include "support/FailingFileOps.h"
#include "support/FixtureSave.h"
#include "support/ButtonWatch.h"
#include "support/FormDriver.h"
#include "support/SameBytes.h"
#include "support/TempFolder.h"

namespace {

constexpr uint8_t kPikachu = 84;  // species byte

fixture::Member Pikachu() {
    fixture::Member m;
    m.species = kPikachu;
    m.level = 12;
    m.maxHp = 35;
    m.currentHp = 9;  // hurt, so the healing commit shows in the file
    m.attack = 21;
    m.defense = 16;
    m.speed = 30;
    m.special = 19;
    m.moves[0] = 84;  // THUNDERSHOCK
    m.moves[1] = 45;  // GROWL
    m.nickname = "PIKA";
    return m;
}

std::vector<uint8_t> Image(const TForm1& f) { return {f.saveImage, f.saveImage + sizeof f.saveImage}; }

// Bytes 4..72 as they were before the scramble.
std::vector<uint8_t> Unscrambled(std::vector<uint8_t> stored) {
    for (size_t i = 4; i <= 72 && i < stored.size(); ++i) stored[i] ^= uint8_t(i);
    return stored;
}

// An editor with a two-member save loaded and member 1 shown.
class MemberExport : public testing::Test {
protected:
    void SetUp() override {
        folder.Put("party.sav", fixture::MakeSave({fixture::Member(), Pikachu()}));
        dialogs.Answer(folder.PathOf("party.sav"));
        form::Click(f->Button1);
        ASSERT_EQ(f->pmsg->Caption(), "");
        form::Pick(f->ComboBox1, 1);
        ASSERT_EQ(f->currentMember, 1);
    }

    void Export(std::optional<std::string> path) {
        dialogs.Answer(std::move(path));
        form::Click(f->Button4);
    }

    const uint8_t* SlotRecord() const { return f->saveImage + save::RecordAt(f->partyRecordsOffset, 1); }

    void ExpectImportAndExportOn() const {
        EXPECT_TRUE(f->Button3->Enabled());
        EXPECT_TRUE(f->Button4->Enabled());
    }

    TempFolder folder;
    form::DialogScript dialogs;
    std::unique_ptr<TForm1> f = form::NewEditor();
};

TEST_F(MemberExport, WritesTheMemberShownAsCommitted) {
    f->Edit1->SetText("042");  // shown as stored once committed
    f->Edit2->SetText("123");
    f->Edit9->SetText("SPARKY");

    Export(folder.PathOf("team"));

    EXPECT_EQ(dialogs.openedIn.back(), std::string(f->programDir.get()));
    EXPECT_EQ(dialogs.filters.back(), "Pokemon|*.pkm");
    EXPECT_EQ(f->pmsg->Caption(), "");
    ExpectImportAndExportOn();
    ASSERT_EQ(SlotRecord()[save::record::kLevel], 42) << "the typed entries were not committed";
    member::MemberFile encoded = member::EncodeMemberFile(
        SlotRecord(), f->saveImage + save::NameSlotAt(f->nicknamesOffset, 1),
        f->saveImage + save::NameSlotAt(f->otNamesOffset, 1), f->dexOfInternal);
    std::vector<uint8_t> written = folder.Contents("team.pkm");
    EXPECT_EQ(written, std::vector<uint8_t>(encoded.begin(), encoded.end()));

    ASSERT_EQ(written.size(), 75u);
    std::vector<uint8_t> plain = Unscrambled(written);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 4), "PKMN");
    EXPECT_EQ(plain[4], 25);                         // PIKACHU's dex number
    EXPECT_EQ(plain[35], 42);                        // level
    EXPECT_EQ(save::Read16(&plain[38]), 123u);       // current HP: healed to the new max HP
    EXPECT_EQ(save::Read16(&plain[40]), 123u);       // max HP
    EXPECT_EQ(std::vector<uint8_t>(plain.begin() + 52, plain.begin() + 62), fixture::GameName("SPARKY"));
    EXPECT_EQ(f->Edit1->Text(), "42");
}

TEST_F(MemberExport, AddsThePkmSuffixOnlyWhenTheNameLacksIt) {
    struct Case { const char* typed; const char* written; } cases[] = {
        {"team", "team.pkm"},        {"team.pkm", "team.pkm"},         {"TEAM.PKM", "TEAM.PKM"},
        {"team.Pkm", "team.Pkm"},    {"team.pk", "team.pk.pkm"},       {"teampkm", "teampkm.pkm"},
        {"team.pkm.sav", "team.pkm.sav.pkm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TempFolder out;
        Export(out.PathOf(c.typed));
        EXPECT_EQ(out.Names(), std::vector<std::string>{c.written});
        EXPECT_EQ(f->SavePKMN->FileName(), out.PathOf(c.written));
        EXPECT_EQ(f->pmsg->Caption(), "");
    }
}

TEST_F(MemberExport, AcceptingTheOfferedNameReplacesTheFileWrittenBefore) {
    Export(folder.PathOf("team"));
    f->Edit1->SetText("43");
    Export(f->SavePKMN->FileName());

    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"party.sav", "team.pkm"}));
    EXPECT_EQ(Unscrambled(folder.Contents("team.pkm"))[35], 43);
}

TEST_F(MemberExport, CancelledDialogChangesNothing) {
    // A refused switch leaves a message and an uncommitted entry behind.
    f->Edit1->SetText("0");
    f->Edit8->SetText("777");
    form::Pick(f->ComboBox1, 0);
    ASSERT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    std::vector<uint8_t> image = Image(*f);
    std::vector<std::string> screen = form::Screen(*f);

    Export(std::nullopt);

    EXPECT_TRUE(SameBytes(Image(*f), image));
    EXPECT_EQ(form::Screen(*f), screen);
    EXPECT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"party.sav"});
}

TEST_F(MemberExport, RefusedEntryStopsTheExportWithItsMessage) {
    struct Case { TEdit* edit; const char* text; const char* message; } cases[] = {
        {f->Edit1, "0", "Level musi byt v rozsahu 1-100 !"},
        {f->Edit6, "1000", "Special musi byt v rozsahu 1-999 !"},
        {f->Edit10, "", "Jmeno OT musi byt dlouhe 1-10 znaku !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::string stored = c.edit->Text();
        f->Edit5->SetText("31");  // a valid entry typed beside the refused one
        c.edit->SetText(c.text);
        std::vector<std::string> screen = form::Screen(*f);

        Export(folder.PathOf("team"));

        EXPECT_EQ(f->pmsg->Caption(), c.message);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"party.sav"});
        EXPECT_EQ(form::Screen(*f), screen);
        ExpectImportAndExportOn();
        c.edit->SetText(stored);
    }
}

TEST_F(MemberExport, RefusedLevelLeavesTheImageAsItWas) {
    std::vector<uint8_t> image = Image(*f);
    f->Edit1->SetText("0");
    f->Edit2->SetText("99");

    Export(folder.PathOf("team"));

    EXPECT_EQ(f->pmsg->Caption(), "Level musi byt v rozsahu 1-100 !");
    EXPECT_TRUE(SameBytes(Image(*f), image));
}

TEST_F(MemberExport, FailedWriteLeavesTheExistingFileWhole) {
    const std::vector<uint8_t> older(75, 0xA5);
    struct Case { FileStep step; const char* name; } cases[] = {
        {FileStep::Stat, "stat"},          {FileStep::Create, "create"}, {FileStep::Fchmod, "fchmod"},
        {FileStep::Write, "write"},        {FileStep::ShortWrite, "short write"},
        {FileStep::ZeroWrite, "zero write"}, {FileStep::Fsync, "fsync"}, {FileStep::Close, "close"},
        {FileStep::Rename, "rename"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Put("team.pkm", older);
        FailingFileOps ops(c.step);
        {
            ScopedFileOps use(ops);
            Export(folder.PathOf("team.pkm"));
        }
        EXPECT_TRUE(ops.Fired());
        EXPECT_EQ(folder.Contents("team.pkm"), older);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"party.sav", "team.pkm"}));
        EXPECT_EQ(f->pmsg->Caption(), "Soubor PKM nelze zapsat !");
        ExpectImportAndExportOn();
    }
}

TEST_F(MemberExport, ImportAndExportAreOffWhileTheFileIsWritten) {
    ButtonWatch watch(*f);
    {
        ScopedFileOps use(watch);
        Export(folder.PathOf("team"));
    }
    ASSERT_FALSE(watch.eitherOn.empty());
    for (bool on : watch.eitherOn) EXPECT_FALSE(on);
    ExpectImportAndExportOn();
}

TEST_F(MemberExport, FolderThatDoesNotExistIsReported) {
    Export(folder.PathOf("gone/team"));

    EXPECT_EQ(f->pmsg->Caption(), "Soubor PKM nelze zapsat !");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"party.sav"});
    ExpectImportAndExportOn();
}

}  // namespace
