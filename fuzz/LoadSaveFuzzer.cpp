// Arbitrary bytes as a save file, through the real window: loaded with
// "Nahrat SAV", every party member picked in the party chooser (which commits
// the member shown and shows the next), then "Ulozit SAV". Whatever the
// bytes, the file on disk ends either as it was or as a save the editor may
// write from it, and nothing else appears beside it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "OffscreenEditor.h"
#include "SaveRegions.h"
#include "ScratchFolder.h"
#include "core/Messages.h"
#include "save/SaveLayout.h"
#include "support/FormDriver.h"

namespace {

const char* const kSaveName = "fuzzed.sav";

ScratchFolder& Folder() {
    static ScratchFolder folder("fuzz-load");
    return folder;
}


bool IsPartyRefusal(const std::string& message) {
    return message == msg::kNoMembers || message == msg::kTooManyMembers || message == msg::kLoadBadSpecies;
}

bool IsCommitRefusal(const std::string& message) {
    for (const char* refusal : {msg::kLevelRange, msg::kMaxHpRange, msg::kAttackRange, msg::kDefenseRange,
                                msg::kSpeedRange, msg::kSpecialRange, msg::kOtIdRange, msg::kExperienceRange,
                                msg::kNicknameLength, msg::kOtNameLength})
        if (message == refusal) return true;
    return false;
}

void CheckOnlyTheSaveIsThere() {
    FUZZ_CHECK(Folder().Names() == std::vector<std::string>{kSaveName}, "a file beside the save was left behind");
}

void CheckNothingToActOn(TForm1& f) {
    FUZZ_CHECK(f.ComboBox1->ItemIndex() == -1 && !f.ComboBox1->Enabled(), "a refused load left a member chosen");
    FUZZ_CHECK(!f.Button2->Enabled() && !f.Button3->Enabled() && !f.Button4->Enabled(),
               "a refused load left the save or member buttons on");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    Folder().Empty();
    Folder().Put(kSaveName, file);

    TForm1* f = &SharedEditor();
    form::DialogScript dialogs;
    dialogs.Answer(Folder().PathOf(kSaveName));
    form::Click(f->Button1);
    const std::string loadMessage = f->pmsg->Caption();

    CheckOnlyTheSaveIsThere();
    FUZZ_CHECK(Folder().Contents(kSaveName) == file, "the load changed the file");
    if (size < save::kMinSaveSize || size > save::kMaxSaveSize) {
        FUZZ_CHECK(loadMessage == msg::kSaveWrongLength, "a file of a wrong length was not refused for it");
        CheckNothingToActOn(*f);
        return 0;
    }
    FUZZ_CHECK(f->saveSize == size, "the image does not have the file's size");
    FUZZ_CHECK(std::vector<uint8_t>(f->saveImage, f->saveImage + size) == file, "the image is not the file");
    if (!loadMessage.empty()) {
        FUZZ_CHECK(IsPartyRefusal(loadMessage), "a load of the right length was refused for no party reason");
        CheckNothingToActOn(*f);
        return 0;
    }

    const uint8_t count = file[save::kPartyCountOffset];
    FUZZ_CHECK(count >= 1 && count <= save::kMaxPartyCount, "a party count outside 1..6 was accepted");
    FUZZ_CHECK(f->ComboBox1->Count() == count, "the party chooser does not list one name per member");
    for (int member = 0; member < count; ++member) {
        form::Pick(f->ComboBox1, member);
        const std::string message = f->pmsg->Caption();
        FUZZ_CHECK(message.empty() || IsCommitRefusal(message), "a member switch showed a sentence of no commit");
        FUZZ_CHECK(f->currentMember < count, "the member shown lies outside the party");
        FUZZ_CHECK(f->ComboBox1->ItemIndex() == f->currentMember, "the party chooser and the member shown disagree");
    }
    FUZZ_CHECK(Folder().Contents(kSaveName) == file, "a member switch wrote the file");

    form::Click(f->Button2);
    const std::string saveMessage = f->pmsg->Caption();
    CheckOnlyTheSaveIsThere();
    const std::vector<uint8_t> onDisk = Folder().Contents(kSaveName);
    if (!saveMessage.empty()) {
        FUZZ_CHECK(IsCommitRefusal(saveMessage) || saveMessage == msg::kSaveBadSpecies,
                   "the save was refused with a sentence of no commit or species check");
        FUZZ_CHECK(onDisk == file, "a refused save changed the file");
        return 0;
    }
    const std::string fault = fuzz::FaultOfWrittenSave(file, onDisk);
    if (!fault.empty()) std::fprintf(stderr, "written save: %s\n", fault.c_str());
    FUZZ_CHECK(fault.empty(), "the written save differs from the loaded one where the editor may not change it");
    FUZZ_CHECK(std::vector<uint8_t>(f->saveImage, f->saveImage + size) == onDisk, "the file written is not the image");

    // What the editor writes it must be able to read again.
    dialogs.Answer(Folder().PathOf(kSaveName));
    form::Click(f->Button1);
    FUZZ_CHECK(f->pmsg->Caption().empty(), "the editor refuses the save it has just written");
    FUZZ_CHECK(f->ComboBox1->Count() == count, "the written save lists another party");
    return 0;
}
