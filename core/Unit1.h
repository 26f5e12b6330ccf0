#pragma once
#include <cstdint>

#include "core/EditorState.h"
#include "ui/TButton.h"
#include "ui/TCheckBox.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TFileDialog.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"

// The editor: its one window and everything it knows. The form owns the
// components; the references below only name them.
class TForm1 : public TForm, public EditorState {
public:
    explicit TForm1(TComponent* owner);

    TComboBox* ComboBox1 = nullptr;  // party chooser
    TButton* Button1 = nullptr;      // "Nahrat SAV"
    TButton* Button2 = nullptr;      // "Ulozit SAV"
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TComboBox* ComboBox2 = nullptr;  // species chooser
    TEdit* Edit1 = nullptr;          // level
    TEdit* Edit2 = nullptr;          // max HP
    TEdit* Edit3 = nullptr;          // attack
    TEdit* Edit4 = nullptr;          // defense
    TEdit* Edit5 = nullptr;          // speed
    TEdit* Edit6 = nullptr;          // special
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TComboBox* ComboBox3 = nullptr;  // move 1
    TComboBox* ComboBox4 = nullptr;  // move 2
    TComboBox* ComboBox5 = nullptr;  // move 3
    TComboBox* ComboBox6 = nullptr;  // move 4
    TOpenDialog* OpenSAV = nullptr;
    TLabel* pmsg = nullptr;          // message line
    TEdit* Edit8 = nullptr;          // experience
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TEdit* Edit9 = nullptr;          // nickname
    TCheckBox* CheckBox2 = nullptr;  // species order: checked is alphabetical
    TEdit* Edit7 = nullptr;          // OT ID
    TEdit* Edit10 = nullptr;         // OT name
    TLabel* Label8 = nullptr;
    TLabel* Label13 = nullptr;
    TButton* Button3 = nullptr;      // "Import"
    TButton* Button4 = nullptr;      // "Export"
    TOpenDialog* OpenPKMN = nullptr;
    TSaveDialog* SavePKMN = nullptr;

    void Button1Click(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Button2Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);

    void BuildReferenceTables();
    void ShowMember(uint8_t member);
    // True when an entry was refused; its message is then in pmsg.
    bool CommitMember(uint8_t member);
    void ResetEditor();
    void EnableEditor();

private:
    void BuildLayout();
    void SetProgramDir();
    // The member selected in the party chooser: the member shown, the one the
    // save write and the member file buttons work on; 0 before any is shown.
    uint8_t SelectedMember() const;
};

extern TForm1* Form1;
