#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/ReferenceTables.h"
#include "save/BigEndian.h"
#include "save/DexFlags.h"
#include "support/EditorWithSave.h"
#include "support/FailingFileOps.h"

namespace {

fixture::Member OfSpecies(uint8_t species) {
    fixture::Member m;
    m.species = species;
    return m;
}

// The checksum a save must carry: the 8-bit sum of 0x2598..0x3523 is 0xFF.
uint8_t SumWithChecksum(const std::vector<uint8_t>& bytes) {
    unsigned sum = 0;
    for (size_t i = 0x2598; i <= 0x3523; ++i) sum += bytes[i];
    return uint8_t(sum);
}

class WriteSave : public EditorWithSave {
protected:
    std::vector<uint8_t> OnDisk() const { return folder.Contents("red.sav"); }
};

TEST_F(WriteSave, WritesTypesFlagsChecksumAndTheEditAndNothingElse) {
    // BULBASAUR (dex 1), NIDORAN F (29, bit 4 of byte 3), MEW (151, bit 6 of byte 18)
    LoadParty({OfSpecies(153), OfSpecies(15), OfSpecies(21)});
    std::vector<uint8_t> original = OnDisk();
    f->Edit1->SetText("42");
    form::Click(f->Button2);
    EXPECT_EQ(f->pmsg->Caption(), "");

    std::vector<uint8_t> written = OnDisk();
    ASSERT_EQ(written.size(), original.size());
    std::vector<uint8_t> expected = original;
    expected[save::RecordAt(save::kPartyRecordsOffset, 0) + save::record::kLevel] = 42;
    save::Write16(&expected[save::RecordAt(save::kPartyRecordsOffset, 0) + save::record::kCurrentHp], 20);
    struct Member { uint8_t dex; } party[] = {{1}, {29}, {151}};
    for (uint8_t i = 0; i < 3; ++i) {
        size_t r = save::RecordAt(save::kPartyRecordsOffset, i);
        expected[r + save::record::kType1] = core::kSpeciesTypes[party[i].dex - 1][0];
        expected[r + save::record::kType2] = core::kSpeciesTypes[party[i].dex - 1][1];
        save::SetDexFlag(&expected[save::kDexOwnedOffset], party[i].dex);
        save::SetDexFlag(&expected[save::kDexSeenOffset], party[i].dex);
    }
    expected[save::kChecksumByte] = written[save::kChecksumByte];
    EXPECT_EQ(written, expected);
    EXPECT_EQ(SumWithChecksum(written), 0xFF);
    EXPECT_EQ(written[save::kDexOwnedOffset + 18] & 0x40, 0x40);
    EXPECT_EQ(written[save::kDexSeenOffset + 3] & 0x10, 0x10);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"red.sav"});
    // Still editing the same member, nothing switched off.
    EXPECT_EQ(f->currentMember, 0);
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_TRUE(control->Enabled());
}

TEST_F(WriteSave, TypesComeFromThePartyListAndTwoWritesGiveTheSameBytes) {
    auto image = fixture::MakeSave({OfSpecies(153), OfSpecies(84)});
    // Member 1's record says MEW, the party list PIKACHU; it is not committed.
    image[save::RecordAt(save::kPartyRecordsOffset, 1) + save::record::kSpecies] = 21;
    Load(image);
    form::Click(f->Button2);
    std::vector<uint8_t> first = OnDisk();
    size_t r1 = save::RecordAt(save::kPartyRecordsOffset, 1);
    EXPECT_EQ(first[r1 + save::record::kType1], 0x17);
    EXPECT_EQ(first[r1 + save::record::kSpecies], 21);
    form::Click(f->Button2);
    EXPECT_EQ(OnDisk(), first);
}

TEST_F(WriteSave, RefusedEntryWritesNothing) {
    LoadParty({OfSpecies(153)});
    std::vector<uint8_t> original = OnDisk();
    f->Edit7->SetText("70000");
    form::Click(f->Button2);
    EXPECT_EQ(f->pmsg->Caption(), "OT ID musi byt v rozsahu 0-65535 !");
    EXPECT_EQ(OnDisk(), original);
}

TEST_F(WriteSave, PartySpeciesWithoutADexNumberWritesNothing) {
    LoadParty({OfSpecies(153), OfSpecies(84)});
    std::vector<uint8_t> original = OnDisk();
    f->saveImage[save::PartySpeciesAt(save::kPartyCountOffset, 1)] = 0;  // as a dex-0 member file leaves it
    uint8_t checksum = f->saveImage[save::kChecksumByte];
    form::Click(f->Button2);
    EXPECT_EQ(f->pmsg->Caption(), "Spatne cislo jednoho z tvych pokemonu !");
    EXPECT_EQ(OnDisk(), original);
    EXPECT_EQ(f->saveImage[save::kChecksumByte], checksum);
    size_t r0 = save::RecordAt(save::kPartyRecordsOffset, 0);
    EXPECT_EQ(f->saveImage[r0 + save::record::kType1], 0x16);  // member 0 was stamped before the stop
}

TEST_F(WriteSave, FailedWriteLeavesTheSaveOnDiskAsItWasAndCanBeTriedAgain) {
    for (FileStep step : {FileStep::Create, FileStep::Write, FileStep::ShortWrite, FileStep::Fsync,
                          FileStep::Close, FileStep::Fchmod, FileStep::Rename}) {
        SCOPED_TRACE(int(step));
        LoadParty({OfSpecies(153)});
        chmod(folder.PathOf("red.sav").c_str(), 0640);
        std::vector<uint8_t> original = OnDisk();
        f->Edit1->SetText("99");
        {
            FailingFileOps ops(step);
            ScopedFileOps use(ops);
            form::Click(f->Button2);
            EXPECT_TRUE(ops.Fired());
        }
        EXPECT_EQ(f->pmsg->Caption(), "Soubor SAV nelze zapsat !");
        EXPECT_EQ(OnDisk(), original);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"red.sav"});
        EXPECT_EQ(Record(0)[save::record::kLevel], 99);  // the image keeps the edit

        form::Click(f->Button2);
        EXPECT_EQ(f->pmsg->Caption(), "");
        EXPECT_EQ(OnDisk()[save::RecordAt(save::kPartyRecordsOffset, 0) + save::record::kLevel], 99);
        struct stat info {};
        stat(folder.PathOf("red.sav").c_str(), &info);
        EXPECT_EQ(info.st_mode & 07777, 0640u);
    }
}

}  // namespace
