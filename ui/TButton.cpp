#include "ui/TButton.h"

#include <QPushButton>

#include "ui/Text8.h"

TButton::TButton(QWidget* parent) : TControl(new QPushButton(parent)), button_(static_cast<QPushButton*>(Widget())) {
    button_->setAutoDefault(false);
    button_->setDefault(false);
    QObject::connect(button_, &QPushButton::clicked, button_, [this](bool) { Fire(OnClick); });
}

void TButton::SetCaption(std::string_view caption) { button_->setText(ui::FromText8(caption)); }
