// "Nahrat SAV": read a save whole, list its party, show member 0.
#include <cstring>

#include "core/Messages.h"
#include "core/ReferenceMaps.h"
#include "core/Unit1.h"
#include "save/BoundedFileRead.h"
#include "save/PartyCheck.h"
#include "save/SaveLayout.h"

void TForm1::Button1Click(TObject*) {
    OpenSAV->SetInitialDir(programDir.get());
    if (!OpenSAV->Execute()) return;
    ResetEditor();
    pmsg->SetCaption("");

    // The image takes the new file only once it has been read whole, so a
    // failed read never mixes two saves.
    FileReadResult file = ReadBoundedFile(OpenSAV->FileName(), save::kMinSaveSize, save::kMaxSaveSize);
    if (file.status == FileReadStatus::WrongSize) {
        pmsg->SetCaption(msg::kSaveWrongLength);
        return;
    }
    if (file.status != FileReadStatus::Ok) {
        pmsg->SetCaption(msg::kSaveUnreadable);
        return;
    }
    std::memcpy(saveImage, file.bytes.data(), file.bytes.size());
    saveSize = uint16_t(file.bytes.size());

    const std::string& path = OpenSAV->FileName();
    if (path.size() >= sizeof savPath) {
        pmsg->SetCaption(msg::kSavePathTooLong);
        return;
    }
    std::memcpy(savPath, path.c_str(), path.size() + 1);

    save::PartyCheck party = save::CheckParty(*this);
    for (uint8_t i = 0; i < party.soundMembers; ++i)
        ComboBox1->Add(core::SpeciesRowTextOfDex(*this, dexOfInternal[saveImage[save::PartySpeciesAt(partyCountOffset, i)]]));
    if (party.refusal) {
        pmsg->SetCaption(party.refusal);
        return;
    }
    ComboBox1->SetItemIndex(0);
    ComboBox1->SetEnabled(true);
    ShowMember(0);
}
