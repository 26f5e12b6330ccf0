// The window of the editor: every control with its place, caption, font,
// length limit, accessible name and handler, in one place.
#include <string>
#include <utility>

#include "core/Unit1.h"

namespace {

const QStringList kSansFaces = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
const QStringList kFixedFaces = {"Courier New", "Liberation Mono", "DejaVu Sans Mono"};

const TFont kWindowFont{kSansFaces, -11, false, std::nullopt, false};                    // W
const TFont kCaptionFont{kSansFaces, -15, true, std::nullopt, false};                    // A
const TFont kMessageFont{kSansFaces, -15, true, QColor(Qt::red), false};                 // R
const TFont kOtCaptionFont{kSansFaces, -13, true, QColor(Qt::black), false};             // B
const TFont kChooserFont{kFixedFaces, 14, false, QColor(Qt::black), true};               // C
const TFont kEditFont{kFixedFaces, 14, false, std::nullopt, true};                       // D
const TFont kCheckBoxFont{kSansFaces, -11, false, QColor(Qt::black), false};             // K

const std::string kSaveFilter = "Pokemon RED/BLUE/YELLOW save|*.sav";
const std::string kMemberFilter = "Pokemon|*.pkm";

TButton* PlaceButton(TForm& form, const char* caption, int left, int top, int width, int height) {
    auto* button = form.Make<TButton>();
    button->SetBounds(left, top, width, height);
    button->SetCaption(caption);
    return button;
}

TLabel* PlaceLabel(TForm& form, const char* caption, int left, int top, int height, const TFont& font) {
    auto* label = form.Make<TLabel>();
    label->SetFont(font);
    label->SetBounds(left, top, 0, height);
    label->SetCaption(caption);  // takes the width of its caption
    return label;
}

TComboBox* PlaceChooser(TForm& form, int left, int top, int width, int height) {
    auto* combo = form.Make<TComboBox>();
    combo->SetFont(kChooserFont);
    combo->SetBounds(left, top, width, height);
    return combo;
}

TEdit* PlaceEdit(TForm& form, int left, int top, int width, int height, int maxLength) {
    auto* edit = form.Make<TEdit>();
    edit->SetFont(kEditFont);
    edit->SetBounds(left, top, width, height);
    edit->SetMaxLength(maxLength);
    return edit;
}

template <class Dialog>
Dialog* MakeFileDialog(TForm& form, const std::string& filter) {
    auto* dialog = form.MakeNonVisual<Dialog>();
    dialog->SetFilter(filter);
    dialog->SetOptions({TOpenOption::ofHideReadOnly, TOpenOption::ofNoReadOnlyReturn});
    return dialog;
}

}  // namespace

void TForm1::BuildLayout() {
    SetCaption("Quorvane pro Pokemon Red/Blue/Yellow");
    SetFixedClientArea(3, 6, 332, 338);
    SetFont(kWindowFont);

    //                                                left  top  width height
    ComboBox1 = PlaceChooser(*this,                    128,  40, 145, 22);
    Button1 = PlaceButton(*this, "Nahrat SAV",          16,   8, 129, 25);
    Button2 = PlaceButton(*this, "Ulozit SAV",         184,   8, 131, 25);
    Label1 = PlaceLabel(*this, "Pokemon:",              16,  80, 16, kCaptionFont);
    Label2 = PlaceLabel(*this, "Level:",                16, 104, 16, kCaptionFont);
    Label3 = PlaceLabel(*this, "Energie:",              16, 128, 16, kCaptionFont);
    Label4 = PlaceLabel(*this, "Attack:",               16, 152, 16, kCaptionFont);
    Label5 = PlaceLabel(*this, "Defense:",              16, 176, 16, kCaptionFont);
    Label6 = PlaceLabel(*this, "Speed:",                16, 200, 16, kCaptionFont);
    Label7 = PlaceLabel(*this, "Special:",              16, 224, 16, kCaptionFont);
    ComboBox2 = PlaceChooser(*this,                     88,  72, 137, 22);
    //                                          left  top  width height max
    Edit1 = PlaceEdit(*this,                      88,  96,  57, 22,  3);
    Edit2 = PlaceEdit(*this,                      88, 120,  57, 22,  3);
    Edit3 = PlaceEdit(*this,                      88, 143,  57, 22,  3);
    Edit4 = PlaceEdit(*this,                      88, 167,  57, 22,  3);
    Edit5 = PlaceEdit(*this,                      88, 192,  57, 22,  3);
    Edit6 = PlaceEdit(*this,                      88, 216,  57, 22,  3);
    Label9 = PlaceLabel(*this, "Mas Pokemony:",         16,  48, 16, kCaptionFont);
    Label10 = PlaceLabel(*this, "Moves:",              160, 128, 16, kCaptionFont);
    ComboBox3 = PlaceChooser(*this,                    176, 144, 145, 22);
    ComboBox4 = PlaceChooser(*this,                    176, 168, 145, 22);
    ComboBox5 = PlaceChooser(*this,                    176, 192, 145, 22);
    ComboBox6 = PlaceChooser(*this,                    176, 216, 145, 22);
    OpenSAV = MakeFileDialog<TOpenDialog>(*this, kSaveFilter);
    pmsg = PlaceLabel(*this, "",                        16, 320, 16, kMessageFont);
    Edit8 = PlaceEdit(*this,                     248, 104,  73, 22,  8);
    Label11 = PlaceLabel(*this, "Exp.Points:",         160, 104, 16, kCaptionFont);
    Label12 = PlaceLabel(*this, "Jmeno:",               16, 248, 16, kCaptionFont);
    Edit9 = PlaceEdit(*this,                      88, 240, 113, 22, 10);
    CheckBox2 = Make<TCheckBox>();
    CheckBox2->SetFont(kCheckBoxFont);
    CheckBox2->SetBounds(256, 80, 105, 17);
    CheckBox2->SetCaption("Abecedne");
    CheckBox2->SetChecked(true);
    Edit7 = PlaceEdit(*this,                      88, 264,  57, 22,  5);
    Edit10 = PlaceEdit(*this,                    200, 264, 113, 22, 10);
    Label8 = PlaceLabel(*this, "OT ID:",                16, 272, 16, kCaptionFont);
    Label13 = PlaceLabel(*this, "OT:",                 160, 272, 16, kOtCaptionFont);
    Button3 = PlaceButton(*this, "Import",             288, 288,  41, 25);
    Button4 = PlaceButton(*this, "Export",             240, 288,  41, 25);
    OpenPKMN = MakeFileDialog<TOpenDialog>(*this, kMemberFilter);
    SavePKMN = MakeFileDialog<TSaveDialog>(*this, kMemberFilter);

    // A screen reader announces each edit and chooser by the label beside it.
    // "Moves:" stands over four choosers and can name only one, so each move
    // chooser carries the caption with its number instead.
    const std::pair<TLabel*, TControl*> namedBy[] = {
        {Label9, ComboBox1}, {Label1, ComboBox2}, {Label2, Edit1},  {Label3, Edit2},   {Label4, Edit3},
        {Label5, Edit4},     {Label6, Edit5},     {Label7, Edit6},  {Label11, Edit8},  {Label12, Edit9},
        {Label8, Edit7},     {Label13, Edit10}};
    for (auto [label, control] : namedBy) label->SetFocusControl(control);
    int moveNumber = 0;
    for (TComboBox* move : {ComboBox3, ComboBox4, ComboBox5, ComboBox6})
        move->SetAccessibleName(Label10->Caption() + " " + std::to_string(++moveNumber));

    SetTabOrder({ComboBox1, Button1, Button2, ComboBox2, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7,
                 ComboBox3, ComboBox4, ComboBox5, ComboBox6, Edit8, Edit9, CheckBox2, Edit10, Button3, Button4});

    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    ComboBox1->OnChange = [this](TObject* sender) { ComboBox1Change(sender); };
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
    CheckBox2->OnClick = [this](TObject* sender) { CheckBox2Click(sender); };
    Button3->OnClick = [this](TObject* sender) { Button3Click(sender); };
    Button4->OnClick = [this](TObject* sender) { Button4Click(sender); };
}
