// "Export": write the member shown to a member file.
#include "core/Messages.h"
#include "core/Unit1.h"
#include "member/MemberImport.h"
#include "member/PkmFileName.h"
#include "save/SafeFileWrite.h"

void TForm1::Button4Click(TObject*) {
    SavePKMN->SetInitialDir(programDir.get());
    if (!SavePKMN->Execute()) return;
    Button3->SetEnabled(false);
    Button4->SetEnabled(false);
    uint8_t slot = SelectedMember();
    // A refused entry stops the export with its message, and the user's
    // entries stay in the controls to be corrected.
    if (CommitMember(slot)) {
        Button3->SetEnabled(true);
        Button4->SetEnabled(true);
        return;
    }
    member::MemberFile file = member::ExportOfSlot(*this, slot);
    SavePKMN->SetFileName(member::WithPkmSuffix(SavePKMN->FileName()));
    if (!WriteFileSafely(SavePKMN->FileName(), file.data(), file.size())) pmsg->SetCaption(msg::kPkmUnwritable);
    Button3->SetEnabled(true);
    Button4->SetEnabled(true);
    ShowMember(slot);
}
