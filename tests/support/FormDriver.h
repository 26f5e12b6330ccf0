#pragma once
// Drives the real editor window the way a user would, without a screen:
// clicks and picks go through the Qt widgets' own signals, file dialogs are
// answered by a script.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Unit1.h"
#include "ui/TApplication.h"

namespace form {

inline void Click(TButton* button) { static_cast<QPushButton*>(button->Widget())->click(); }

inline void Toggle(TCheckBox* box) { static_cast<QCheckBox*>(box->Widget())->click(); }

// A pick from the drop-down list, as the mouse makes it.
inline void Pick(TComboBox* chooser, int index) {
    auto* combo = static_cast<QComboBox*>(chooser->Widget());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Answers the file dialogs in turn: a path, or nullopt for a cancel. Each
// dialog it answers is remembered with the folder it was opened in.
class DialogScript {
public:
    DialogScript() {
        TFileDialog::UseAnswerer([this](const TFileDialog& dialog) {
            openedIn.push_back(dialog.InitialDir());
            filters.push_back(dialog.Filter());
            if (answers.empty()) return std::optional<std::string>();
            std::optional<std::string> answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~DialogScript() { TFileDialog::UseAnswerer({}); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void Answer(std::optional<std::string> path) { answers.push_back(std::move(path)); }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> openedIn;
    std::vector<std::string> filters;
};

// A new editor object, as start-up makes it.
inline std::unique_ptr<TForm1> NewEditor() { return std::make_unique<TForm1>(Application); }

// The twenty controls that the editor switches off and on together.
inline std::vector<TControl*> SwitchedControls(TForm1& f) {
    return {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5, f.ComboBox6, f.Edit1,
            f.Edit2,     f.Edit3,     f.Edit4,     f.Edit5,     f.Edit6,     f.Edit8,     f.Edit9,
            f.Edit7,     f.Edit10,    f.Button2,   f.Button3,   f.Button4,   f.CheckBox2};
}

inline std::vector<TEdit*> TenEdits(TForm1& f) {
    return {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10};
}

// Everything the user sees but the message line, in words, so a difference
// names the control.
inline std::vector<std::string> Screen(TForm1& f) {
    std::vector<std::string> seen;
    int n = 0;
    for (TEdit* edit : TenEdits(f)) seen.push_back("edit " + std::to_string(++n) + " reads " + edit->Text());
    n = 0;
    for (TComboBox* chooser : {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5, f.ComboBox6})
        seen.push_back("chooser " + std::to_string(++n) + " at " + std::to_string(chooser->ItemIndex()) + " of " +
                       std::to_string(chooser->Count()));
    for (int i = 0; i < f.ComboBox1->Count(); ++i) seen.push_back("party item " + f.ComboBox1->Item(i));
    n = 0;
    for (TControl* control : SwitchedControls(f))
        seen.push_back("switched control " + std::to_string(++n) + (control->Enabled() ? " on" : " off"));
    seen.push_back(std::string("load button ") + (f.Button1->Enabled() ? "on" : "off"));
    return seen;
}

}  // namespace form
