// The window as a screen reader and a keyboard-only user meet it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "support/FormDriver.h"

namespace {

std::string AccessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

TEST(ScreenReader, EveryEditAndChooserIsNamedByItsLabel) {
    auto f = form::NewEditor();
    struct Case { TControl* control; const char* name; } cases[] = {
        {f->ComboBox1, "Mas Pokemony:"}, {f->ComboBox2, "Pokemon:"}, {f->Edit1, "Level:"},
        {f->Edit2, "Energie:"},          {f->Edit3, "Attack:"},      {f->Edit4, "Defense:"},
        {f->Edit5, "Speed:"},            {f->Edit6, "Special:"},     {f->Edit8, "Exp.Points:"},
        {f->Edit9, "Jmeno:"},            {f->Edit7, "OT ID:"},       {f->Edit10, "OT:"},
        {f->ComboBox3, "Moves: 1"},      {f->ComboBox4, "Moves: 2"}, {f->ComboBox5, "Moves: 3"},
        {f->ComboBox6, "Moves: 4"}};
    for (auto c : cases) EXPECT_EQ(AccessibleName(c.control->Widget()), c.name);
}

// On Linux Qt names a chooser by the item it shows, and screen readers find
// its label through the label relation; so the relation has to hold while
// the controls show a member.
TEST(ScreenReader, LabelsStayLinkedToTheirControlsWhileAMemberIsShown) {
    auto f = form::NewEditor();
    f->ComboBox1->Add("PIKACHU");
    f->EnableEditor();
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox2->SetItemIndex(24);
    for (TEdit* edit : form::TenEdits(*f)) edit->SetText("12");
    struct Case { TLabel* label; TControl* control; } cases[] = {
        {f->Label9, f->ComboBox1}, {f->Label1, f->ComboBox2}, {f->Label2, f->Edit1},  {f->Label3, f->Edit2},
        {f->Label4, f->Edit3},     {f->Label5, f->Edit4},     {f->Label6, f->Edit5},  {f->Label7, f->Edit6},
        {f->Label11, f->Edit8},    {f->Label12, f->Edit9},    {f->Label8, f->Edit7},  {f->Label13, f->Edit10}};
    for (auto c : cases) {
        auto relations = QAccessible::queryAccessibleInterface(c.control->Widget())->relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1) << c.label->Caption();
        EXPECT_EQ(relations[0].first, QAccessible::queryAccessibleInterface(c.label->Widget())) << c.label->Caption();
        EXPECT_EQ(relations[0].first->text(QAccessible::Name).toStdString(), c.label->Caption());
    }
}

// Sends a key to whatever has the keyboard focus, as the keyboard would.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(focus, &release);
    QApplication::processEvents();
}

struct OpeningKey {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const OpeningKey& opening, std::ostream* out) { *out << opening.name; }

const OpeningKey kOpeningKeys[] = {
    {"F4", Qt::Key_F4, Qt::NoModifier}, {"AltDown", Qt::Key_Down, Qt::AltModifier}, {"Space", Qt::Key_Space, Qt::NoModifier}};

TComboBox* Chooser(TForm1& f, int index) {
    TComboBox* choosers[] = {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5, f.ComboBox6};
    return choosers[index];
}

class ChooserByKeyboard : public testing::TestWithParam<std::tuple<int, OpeningKey>> {};

TEST_P(ChooserByKeyboard, OpensAndPicksTheNextItem) {
    auto [chooserIndex, opening] = GetParam();
    auto f = form::NewEditor();
    for (const char* member : {"PIKACHU", "RAICHU", "ONIX"}) f->ComboBox1->Add(member);
    f->EnableEditor();
    f->Show();
    TComboBox* chooser = Chooser(*f, chooserIndex);
    auto* combo = static_cast<QComboBox*>(chooser->Widget());
    std::vector<TObject*> changes;
    chooser->OnChange = [&](TObject* sender) { changes.push_back(sender); };
    chooser->SetItemIndex(0);
    f->Window()->activateWindow();
    combo->setFocus();
    QApplication::processEvents();

    Press(opening.key, opening.modifiers);
    ASSERT_TRUE(combo->view()->isVisible());
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);

    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(chooser->ItemIndex(), 1);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], chooser);
}

INSTANTIATE_TEST_SUITE_P(AllChoosersAllOpeningKeys, ChooserByKeyboard,
                         testing::Combine(testing::Range(0, 6), testing::ValuesIn(kOpeningKeys)),
                         [](const auto& info) {
                             return "ComboBox" + std::to_string(std::get<0>(info.param) + 1) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
