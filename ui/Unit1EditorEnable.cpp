// The two routines that switch the member controls off and on; they switch
// the same twenty controls.
#include "core/Unit1.h"

void TForm1::ResetEditor() {
    for (TControl* control : std::initializer_list<TControl*>{ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5,
                                                              ComboBox6, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6,
                                                              Edit8, Edit9, Edit7, Edit10})
        control->SetEnabled(false);
    ComboBox1->Clear();
    for (TEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit8, Edit9, Edit7, Edit10}) edit->SetText("");
    for (TControl* control : std::initializer_list<TControl*>{Button2, Button3, Button4, CheckBox2})
        control->SetEnabled(false);
}

void TForm1::EnableEditor() {
    for (TControl* control : std::initializer_list<TControl*>{
             ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6, Edit1, Edit2, Edit3, Edit4, Edit5,
             Edit6, Edit8, Edit9, Edit7, Edit10, Button2, Button3, Button4, CheckBox2})
        control->SetEnabled(true);
}
