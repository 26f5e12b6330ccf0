#include "core/Unit1.h"

#include <QCoreApplication>
#include <cstring>

#include "core/ProgramFolder.h"
#include "save/SaveLayout.h"

TForm1* Form1 = nullptr;

namespace {

// Shown until the first operation writes the message line.
constexpr const char* kBanner = "Nejdriv nahraj soubor SAV.";

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner), EditorState() {
    BuildLayout();
    ResetEditor();
    pmsg->SetCaption(kBanner);
    BuildReferenceTables();
    partyCountOffset = save::kPartyCountOffset;
    partyRecordsOffset = save::kPartyRecordsOffset;
    nicknamesOffset = save::kNicknamesOffset;
    otNamesOffset = save::kOtNamesOffset;
    dexOwnedOffset = save::kDexOwnedOffset;
    dexSeenOffset = save::kDexSeenOffset;
    currentMember = kNoMemberShown;
    SetProgramDir();
}

void TForm1::SetProgramDir() {
    std::string folder = core::ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString(),
                                               core::PathSeparators());
    programDir = std::make_unique<char[]>(folder.size() + 1);
    std::memcpy(programDir.get(), folder.c_str(), folder.size() + 1);
}

uint8_t TForm1::SelectedMember() const {
    int selected = ComboBox1->ItemIndex();
    return currentMember == kNoMemberShown || selected < 0 ? 0 : uint8_t(selected);
}
