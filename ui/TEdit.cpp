#include "ui/TEdit.h"

#include <QLineEdit>
#include <QValidator>

#include "ui/Text8.h"

namespace {

// QLineEdit's own limit also cuts text set from code, so the limit is a
// validator instead: Qt consults it for what the user types or pastes only.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, const int& maxLength) : QValidator(edit), edit_(edit), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        bool withinLimit = maxLength_ == 0 || input.size() <= maxLength_;
        bool shorter = input.size() < edit_->text().size();
        return withinLimit || shorter ? Acceptable : Invalid;
    }

private:
    QLineEdit* edit_;
    const int& maxLength_;
};

}  // namespace

TEdit::TEdit(QWidget* parent) : TControl(new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
    edit_->setValidator(new TypingLimit(edit_, maxLength_));
}

std::string TEdit::Text() const { return ui::ToText8(edit_->text()); }

void TEdit::SetText(std::string_view text) { edit_->setText(ui::FromText8(text)); }

void TEdit::SetMaxLength(int maxLength) { maxLength_ = maxLength; }
