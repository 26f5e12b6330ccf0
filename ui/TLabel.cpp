#include "ui/TLabel.h"

#include <QLabel>

#include "ui/Text8.h"

TLabel::TLabel(QWidget* parent) : TControl(new QLabel(parent)), label_(static_cast<QLabel*>(Widget())) {
    label_->setWordWrap(false);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetCaption(std::string_view caption) {
    label_->setText(ui::FromText8(caption));
    label_->adjustSize();
}

std::string TLabel::Caption() const { return ui::ToText8(label_->text()); }

void TLabel::SetFocusControl(TControl* control) { label_->setBuddy(control->Widget()); }
