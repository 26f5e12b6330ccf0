#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "support/FormDriver.h"
#include "ui/Exception.h"

namespace {

TEST(EditorStart, FreshEditorHoldsTheInitialState) {
    auto f = form::NewEditor();
    EXPECT_EQ(f->currentMember, 255);
    EXPECT_EQ(f->saveSize, 0);
    EXPECT_EQ(f->savPath[0], '\0');
    EXPECT_EQ(f->partyCountOffset, 12076);
    EXPECT_EQ(f->partyRecordsOffset, 12084);
    EXPECT_EQ(f->nicknamesOffset, 12414);
    EXPECT_EQ(f->otNamesOffset, 12348);
    EXPECT_EQ(f->dexOwnedOffset, 9635);
    EXPECT_EQ(f->dexSeenOffset, 9654);
    for (uint8_t byte : f->saveImage) ASSERT_EQ(byte, 0);

    EXPECT_EQ(f->ComboBox1->Count(), 0);
    EXPECT_EQ(f->ComboBox2->Count(), 151);
    for (TComboBox* moves : {f->ComboBox3, f->ComboBox4, f->ComboBox5, f->ComboBox6}) {
        EXPECT_EQ(moves->Count(), 166);
        EXPECT_EQ(moves->Item(0), "-NIC-        #000");
        EXPECT_EQ(moves->Item(165), "WRAP         #035");
    }
    EXPECT_EQ(f->ComboBox2->Item(0), "ABRA       #063");
    for (TComboBox* chooser : {f->ComboBox1, f->ComboBox2, f->ComboBox3, f->ComboBox4, f->ComboBox5, f->ComboBox6})
        EXPECT_EQ(chooser->ItemIndex(), -1);
    for (TEdit* edit : form::TenEdits(*f)) EXPECT_EQ(edit->Text(), "");

    EXPECT_FALSE(f->pmsg->Caption().empty());
    EXPECT_TRUE(f->Button1->Enabled());
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_FALSE(control->Enabled());
    EXPECT_TRUE(f->CheckBox2->Checked());
}

TEST(EditorStart, ProgramFolderIsTheFolderOfTheRunningProgram) {
    auto f = form::NewEditor();
    std::string exe = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(std::string(f->programDir.get()), exe.substr(0, exe.rfind('/')));
}

TEST(EditorStart, BannerIsShortCzechWithoutDiacriticsAndFitsTheWindow) {
    auto f = form::NewEditor();
    std::string banner = f->pmsg->Caption();
    for (unsigned char c : banner) EXPECT_LT(c, 0x80);
    EXPECT_NE(banner.find("SAV"), std::string::npos);
    EXPECT_LE(f->pmsg->Widget()->x() + f->pmsg->Widget()->width(), 332);
}

TEST(EditorWindow, CaptionSizeAndTitleBar) {
    auto f = form::NewEditor();
    QWidget* w = f->Window();
    EXPECT_EQ(w->windowTitle(), "Quorvane pro Pokemon Red/Blue/Yellow");
    EXPECT_EQ(w->size(), QSize(332, 338));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(EditorWindow, ControlsStandWhereTheLayoutPutsThem) {
    auto f = form::NewEditor();
    struct Case { TControl* control; int left, top, width, height; } cases[] = {
        {f->Button1, 16, 8, 129, 25},    {f->Button2, 184, 8, 131, 25},    {f->ComboBox1, 128, 40, 145, 22},
        {f->ComboBox2, 88, 72, 137, 22}, {f->CheckBox2, 256, 80, 105, 17}, {f->Edit1, 88, 96, 57, 22},
        {f->Edit8, 248, 104, 73, 22},    {f->Edit2, 88, 120, 57, 22},      {f->Edit3, 88, 143, 57, 22},
        {f->ComboBox3, 176, 144, 145, 22}, {f->Edit4, 88, 167, 57, 22},    {f->ComboBox4, 176, 168, 145, 22},
        {f->Edit5, 88, 192, 57, 22},     {f->ComboBox5, 176, 192, 145, 22}, {f->Edit6, 88, 216, 57, 22},
        {f->ComboBox6, 176, 216, 145, 22}, {f->Edit9, 88, 240, 113, 22},   {f->Edit7, 88, 264, 57, 22},
        {f->Edit10, 200, 264, 113, 22},  {f->Button4, 240, 288, 41, 25},   {f->Button3, 288, 288, 41, 25},
    };
    for (auto c : cases)
        EXPECT_EQ(c.control->Widget()->geometry(), QRect(c.left, c.top, c.width, c.height))
            << c.control->Widget()->metaObject()->className() << " at " << c.left << "," << c.top;
    struct LabelCase { TLabel* label; const char* caption; int left, top; } labels[] = {
        {f->Label9, "Mas Pokemony:", 16, 48}, {f->Label1, "Pokemon:", 16, 80}, {f->Label2, "Level:", 16, 104},
        {f->Label11, "Exp.Points:", 160, 104}, {f->Label3, "Energie:", 16, 128}, {f->Label10, "Moves:", 160, 128},
        {f->Label4, "Attack:", 16, 152}, {f->Label5, "Defense:", 16, 176}, {f->Label6, "Speed:", 16, 200},
        {f->Label7, "Special:", 16, 224}, {f->Label12, "Jmeno:", 16, 248}, {f->Label8, "OT ID:", 16, 272},
        {f->Label13, "OT:", 160, 272}, {f->pmsg, nullptr, 16, 320}};
    for (auto c : labels) {
        if (c.caption) {
            EXPECT_EQ(c.label->Caption(), c.caption);
        }
        EXPECT_EQ(c.label->Widget()->pos(), QPoint(c.left, c.top)) << (c.caption ? c.caption : "pmsg");
    }
}

TEST(EditorWindow, EditsLimitTypingToTheirMaximumLength) {
    auto f = form::NewEditor();
    struct Case { TEdit* edit; int max; } cases[] = {
        {f->Edit1, 3}, {f->Edit2, 3}, {f->Edit3, 3}, {f->Edit4, 3}, {f->Edit5, 3}, {f->Edit6, 3},
        {f->Edit7, 5}, {f->Edit8, 8}, {f->Edit9, 10}, {f->Edit10, 10}};
    for (auto c : cases) EXPECT_EQ(c.edit->MaxLength(), c.max);
}

TEST(EditorWindow, NumbersOfTheRowsStandInOneColumn) {
    auto f = form::NewEditor();
    for (TComboBox* chooser : {f->ComboBox1, f->ComboBox2, f->ComboBox3}) {
        QFontInfo info(chooser->Widget()->font());
        EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    }
    QFontMetrics metrics(f->ComboBox3->Widget()->font());
    EXPECT_EQ(metrics.horizontalAdvance("ABSORB       "), metrics.horizontalAdvance("THUNDER WAVE "));
    // The whole move row fits the chooser beside its arrow.
    EXPECT_LT(metrics.horizontalAdvance("THUNDERPUNCH #009"), 145 - 20);
}

TEST(EditorWindow, MessageLineIsRedAndBoldAndGrowsToTheRight) {
    auto f = form::NewEditor();
    auto* label = static_cast<QLabel*>(f->pmsg->Widget());
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(label->wordWrap());
    f->pmsg->SetCaption("Spatne cislo Pokemona ! Zeby spatny SAV ?");
    int longWidth = label->width();
    f->pmsg->SetCaption("Spatna delka souboru !");
    EXPECT_LT(label->width(), longWidth);
    EXPECT_EQ(label->pos(), QPoint(16, 320));
    EXPECT_EQ(label->height(), QFontMetrics(label->font()).height());
}

TEST(EditorWindow, TabMovesFocusInTheLayoutsOrder) {
    auto f = form::NewEditor();
    f->EnableEditor();
    std::vector<TControl*> order = {f->ComboBox1, f->Button1, f->Button2, f->ComboBox2, f->Edit1, f->Edit2,
                                    f->Edit3,     f->Edit4,   f->Edit5,   f->Edit6,     f->Edit7, f->ComboBox3,
                                    f->ComboBox4, f->ComboBox5, f->ComboBox6, f->Edit8, f->Edit9, f->CheckBox2,
                                    f->Edit10,    f->Button3, f->Button4};
    // Labels sit in the chain too, but Tab passes them by.
    auto nextStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(nextStop(order[i]->Widget()), order[i + 1]->Widget()) << "after position " << i;
}

TEST(EditorWindow, ResetAndEnableSwitchTheSameTwentyControls) {
    auto f = form::NewEditor();
    f->EnableEditor();
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_TRUE(control->Enabled());
    f->ComboBox1->Add("PIKACHU    #025");
    f->ComboBox2->SetItemIndex(4);
    f->ComboBox3->SetItemIndex(7);
    for (TEdit* edit : form::TenEdits(*f)) edit->SetText("12");
    f->pmsg->SetCaption("Spatna delka souboru !");
    f->currentMember = 2;

    f->ResetEditor();
    for (TControl* control : form::SwitchedControls(*f)) EXPECT_FALSE(control->Enabled());
    for (TEdit* edit : form::TenEdits(*f)) EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(f->ComboBox1->Count(), 0);
    // What the reset leaves alone.
    EXPECT_TRUE(f->Button1->Enabled());
    EXPECT_EQ(f->ComboBox2->ItemIndex(), 4);
    EXPECT_EQ(f->ComboBox3->ItemIndex(), 7);
    EXPECT_EQ(f->ComboBox2->Count(), 151);
    EXPECT_TRUE(f->CheckBox2->Checked());
    EXPECT_EQ(f->pmsg->Caption(), "Spatna delka souboru !");
    EXPECT_EQ(f->currentMember, 2);
}

TEST(EditorWindow, ExceptionFromAHandlerReachesTheMessageBoxAndTheProgramGoesOn) {
    auto f = form::NewEditor();
    std::vector<std::string> shown;
    Application->UseExceptionDisplay([&](const std::string& message) { shown.push_back(message); });
    f->Button1->OnClick = [](TObject*) { throw Exception("Soubor je zamceny"); };
    form::Click(f->Button1);
    form::Click(f->Button1);
    Application->UseExceptionDisplay({});
    EXPECT_EQ(shown, (std::vector<std::string>{"Soubor je zamceny", "Soubor je zamceny"}));
    EXPECT_TRUE(f->Button1->Enabled());
}

}  // namespace
