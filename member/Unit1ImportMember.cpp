// "Import": put a member file into the party slot shown.
#include "core/Messages.h"
#include "core/Unit1.h"
#include "member/MemberFile.h"
#include "member/MemberImport.h"
#include "save/BoundedFileRead.h"

namespace {

const char* RefusalOf(member::MemberFileCheck check) {
    switch (check) {
        case member::MemberFileCheck::Ok: return nullptr;
        case member::MemberFileCheck::WrongLength: return msg::kPkmWrongLength;
        case member::MemberFileCheck::WrongMagic: return msg::kPkmWrongMagic;
        case member::MemberFileCheck::BadCheckBytes: return msg::kPkmDamaged;
        case member::MemberFileCheck::NoSuchSpecies: return msg::kPkmNoSuchSpecies;
        case member::MemberFileCheck::NoSuchMove: return msg::kPkmNoSuchMove;
    }
    return msg::kPkmDamaged;
}

}  // namespace

void TForm1::Button3Click(TObject*) {
    OpenPKMN->SetInitialDir(programDir.get());
    if (!OpenPKMN->Execute()) return;
    Button3->SetEnabled(false);
    Button4->SetEnabled(false);
    pmsg->SetCaption("");

    FileReadResult file = ReadBoundedFile(OpenPKMN->FileName(), member::kMemberFileSize, member::kMemberFileSize);
    const char* refusal = file.status == FileReadStatus::WrongSize ? msg::kPkmWrongLength
                          : file.status != FileReadStatus::Ok     ? msg::kPkmUnreadable
                                                                  : nullptr;
    member::DecodeResult decoded;
    if (!refusal) {
        decoded = member::DecodeMemberFile(file.bytes.size(), file.bytes.data(), internalOfDex);
        refusal = RefusalOf(decoded.check);
    }
    if (refusal) {
        pmsg->SetCaption(refusal);
        Button3->SetEnabled(true);
        Button4->SetEnabled(true);
        return;
    }
    uint8_t slot = SelectedMember();
    member::ImportIntoSlot(*this, slot, decoded.member);
    ShowMember(slot);
}
