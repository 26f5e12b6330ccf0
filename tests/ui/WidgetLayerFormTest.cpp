#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "support/FormDriver.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"

namespace {

void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void Key(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(TEditLimit, StopsTypingButKeepsTextSetFromCode) {
    QWidget window;
    TEdit edit(&window);
    edit.SetMaxLength(3);
    Type(edit.Widget(), "12345");
    EXPECT_EQ(edit.Text(), "123");
    edit.SetText("1000");
    EXPECT_EQ(edit.Text(), "1000");
    Type(edit.Widget(), "7");
    EXPECT_EQ(edit.Text(), "1000");
    Key(edit.Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit.Text(), "100");
}

TEST(TEditText, KeepsEightBitCharactersAndMarksWiderOnes) {
    QWidget window;
    TEdit edit(&window);
    edit.SetText("Ab\xE9");
    EXPECT_EQ(edit.Text(), "Ab\xE9");
    static_cast<QLineEdit*>(edit.Widget())->setText(QString::fromUtf8("x\u20ACy"));
    EXPECT_EQ(edit.Text(), "x\x7Fy");
}

class ComboEvents : public testing::Test {
protected:
    void SetUp() override {
        for (const char* item : {"ONE", "TWO", "THREE"}) combo.Add(item);
        combo.OnChange = [this](TObject* sender) {
            ++changes;
            EXPECT_EQ(sender, &combo);
        };
    }
    QWidget window;
    TComboBox combo{&window};
    int changes = 0;
};

TEST_F(ComboEvents, AddingItemsSelectsNothing) { EXPECT_EQ(combo.ItemIndex(), -1); }

TEST_F(ComboEvents, SelectingFromCodeFiresNothing) {
    combo.SetItemIndex(2);
    combo.SetItemIndex(-1);
    combo.Clear();
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboEvents, PickingWithTheKeyboardFires) {
    combo.SetItemIndex(0);
    Key(combo.Widget(), Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ComboEvents, PickingTheSelectedItemAgainFires) {
    form::Pick(&combo, 1);
    form::Pick(&combo, 1);
    EXPECT_EQ(changes, 2);
}

TEST(ComboKind, UserCannotType) {
    QWidget window;
    TComboBox combo(&window);
    EXPECT_FALSE(static_cast<QComboBox*>(combo.Widget())->isEditable());
}

}  // namespace
