#include "ui/TEdit.h"

#include <QLineEdit>
#include <QValidator>

#include "ui/Text8.h"

namespace {

// QLineEdit's own limit also cuts text set from code, so the limit is a
// validator instead: Qt consults it for what the user types or pastes only.
// Qt asks it after the edit has taken the new text, so the length before the
// change is followed through textChanged. Qt only refuses a change that
// turns acceptable text into unacceptable, so text set from code must count
// as acceptable too.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, const int& maxLength, const bool& settingFromCode)
        : QValidator(edit), maxLength_(maxLength), settingFromCode_(settingFromCode) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shownLength_ = text.size(); });
    }
    State validate(QString& input, int&) const override {
        bool withinLimit = maxLength_ == 0 || input.size() <= maxLength_;
        bool shorter = input.size() < shownLength_;
        return settingFromCode_ || withinLimit || shorter ? Acceptable : Invalid;
    }

private:
    const int& maxLength_;
    const bool& settingFromCode_;
    qsizetype shownLength_ = 0;
};

}  // namespace

TEdit::TEdit(QWidget* parent) : TControl(new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
    edit_->setValidator(new TypingLimit(edit_, maxLength_, settingFromCode_));
}

std::string TEdit::Text() const { return ui::ToText8(edit_->text()); }

void TEdit::SetText(std::string_view text) {
    settingFromCode_ = true;
    edit_->setText(ui::FromText8(text));
    settingFromCode_ = false;
}

void TEdit::SetMaxLength(int maxLength) { maxLength_ = maxLength; }
