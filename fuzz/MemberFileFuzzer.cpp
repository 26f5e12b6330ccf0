// Arbitrary bytes as a member file, through the real window: a fixture save
// is loaded and its member 1 shown, the bytes are imported with "Import",
// and the save is written with "Ulozit SAV". A refused file changes nothing;
// an accepted one changes only the slot it went into, and encoding that
// slot again gives back every byte of the file that the import used.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "OffscreenEditor.h"
#include "SaveRegions.h"
#include "ScratchFolder.h"
#include "core/Messages.h"
#include "member/MemberFile.h"
#include "member/MemberImport.h"
#include "save/SaveLayout.h"
#include "support/FixtureSave.h"
#include "support/FormDriver.h"

namespace {

const char* const kSaveName = "party.sav";
const char* const kMemberName = "member.pkm";
constexpr uint8_t kSlot = 1;

ScratchFolder& Folder() {
    static ScratchFolder folder("fuzz-member");
    return folder;
}


// Three members, every value in range, so commits pass and a write happens.
const std::vector<uint8_t>& PartySave() {
    static const std::vector<uint8_t> bytes = [] {
        fixture::Member second;
        second.species = 84;  // PIKACHU
        second.level = 30;
        second.nickname = "SPARKY";
        fixture::Member third;
        third.species = 21;  // MEW
        third.otName = "RED";
        return fixture::MakeSave({fixture::Member(), second, third}, 32768, 7);
    }();
    return bytes;
}

// The file positions the import takes nothing from: the marker, the zero
// bytes, the second copy of special, and the two check bytes, which follow
// from those.
bool ImportIgnores(size_t offset) {
    for (size_t ignored : {31, 32, 33, 34, 37, 50, 51, 73, 74})
        if (offset == ignored) return true;
    return false;
}

uint8_t Plain(const uint8_t* file, size_t offset) {
    return offset >= 4 && offset <= 72 ? uint8_t(file[offset] ^ offset) : file[offset];
}

std::vector<uint8_t> Image(const TForm1& f) { return {f.saveImage, f.saveImage + f.saveSize}; }

bool IsContentRefusal(const std::string& message) {
    return message == msg::kPkmDamaged || message == msg::kPkmNoSuchSpecies || message == msg::kPkmNoSuchMove;
}

void CheckImported(TForm1& f, const std::vector<uint8_t>& before, const uint8_t* data) {
    const std::vector<uint8_t> after = Image(f);
    for (size_t offset = 0; offset < after.size(); ++offset)
        FUZZ_CHECK(after[offset] == before[offset] || fuzz::ImportMayChange(offset, kSlot),
                   "the import changed a byte outside the slot it went into");
    const uint8_t* record = f.saveImage + save::RecordAt(f.partyRecordsOffset, kSlot);
    FUZZ_CHECK(record[save::record::kSpecies] == f.saveImage[save::PartySpeciesAt(f.partyCountOffset, kSlot)],
               "the record and the party list name different species after the import");
    FUZZ_CHECK(f.currentMember == kSlot, "the import shows another member than the one it replaced");

    member::MemberFile again = member::ExportOfSlot(f, kSlot);
    for (size_t offset = 0; offset < member::kMemberFileSize; ++offset)
        if (!ImportIgnores(offset))
            FUZZ_CHECK(Plain(again.data(), offset) == Plain(data, offset),
                       "the imported member encodes to another file than the one imported");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> memberFile(data, data + size);
    Folder().Empty();
    Folder().Put(kSaveName, PartySave());
    Folder().Put(kMemberName, memberFile);

    TForm1* f = &SharedEditor();
    form::DialogScript dialogs;
    dialogs.Answer(Folder().PathOf(kSaveName));
    form::Click(f->Button1);
    form::Pick(f->ComboBox1, kSlot);
    FUZZ_CHECK(f->pmsg->Caption().empty() && f->currentMember == kSlot, "the fixture save did not load");
    const std::vector<uint8_t> imageBefore = Image(*f);
    const std::vector<std::string> screenBefore = form::Screen(*f);

    dialogs.Answer(Folder().PathOf(kMemberName));
    form::Click(f->Button3);
    const std::string message = f->pmsg->Caption();
    if (size != member::kMemberFileSize)
        FUZZ_CHECK(message == msg::kPkmWrongLength, "a member file of a wrong length was not refused for it");
    else if (!std::equal(data, data + 4, "PKMN"))
        FUZZ_CHECK(message == msg::kPkmWrongMagic, "a member file without its magic was not refused for it");
    else
        FUZZ_CHECK(message.empty() || IsContentRefusal(message), "a member file was refused for no reason of its content");
    FUZZ_CHECK(f->Button3->Enabled() && f->Button4->Enabled(), "the import left its buttons off");
    if (message.empty()) {
        CheckImported(*f, imageBefore, data);
    } else {
        FUZZ_CHECK(Image(*f) == imageBefore, "a refused member file changed the image");
        FUZZ_CHECK(form::Screen(*f) == screenBefore, "a refused member file changed the controls");
    }

    form::Click(f->Button2);
    const std::string saveMessage = f->pmsg->Caption();
    FUZZ_CHECK(Folder().Names() == (std::vector<std::string>{kMemberName, kSaveName}),
               "a file beside the save and the member file was left behind");
    FUZZ_CHECK(Folder().Contents(kMemberName) == memberFile, "the import changed the member file");
    const std::vector<uint8_t> onDisk = Folder().Contents(kSaveName);
    if (!saveMessage.empty()) {
        FUZZ_CHECK(message.empty(), "the fixture save alone could not be written");
        FUZZ_CHECK(onDisk == PartySave(), "a refused save changed the file");
        return 0;
    }
    const std::string fault = fuzz::FaultOfWrittenSave(PartySave(), onDisk, message.empty() ? kSlot : fuzz::kNoImport);
    if (!fault.empty()) std::fprintf(stderr, "written save: %s\n", fault.c_str());
    FUZZ_CHECK(fault.empty(), "the written save differs from the loaded one where the editor may not change it");
    return 0;
}
