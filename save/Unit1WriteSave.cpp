// "Ulozit SAV": commit the member shown, stamp the party, write the save back.
#include "core/Messages.h"
#include "core/Unit1.h"
#include "save/SafeFileWrite.h"
#include "save/SaveStamp.h"

void TForm1::Button2Click(TObject*) {
    if (CommitMember(SelectedMember())) return;
    if (!save::StampPartyAndChecksum(*this)) {
        pmsg->SetCaption(msg::kSaveBadSpecies);
        return;
    }
    // The image keeps its changes either way, so a failed write can be tried again.
    if (!WriteFileSafely(savPath, saveImage, saveSize)) pmsg->SetCaption(msg::kSaveUnwritable);
}
