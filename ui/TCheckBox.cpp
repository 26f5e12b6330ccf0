#include "ui/TCheckBox.h"

#include <QCheckBox>

#include "ui/Text8.h"

TCheckBox::TCheckBox(QWidget* parent) : TControl(new QCheckBox(parent)), box_(static_cast<QCheckBox*>(Widget())) {
    QObject::connect(box_, &QCheckBox::clicked, box_, [this](bool) { Fire(OnClick); });
}

void TCheckBox::SetCaption(std::string_view caption) { box_->setText(ui::FromText8(caption)); }

bool TCheckBox::Checked() const { return box_->isChecked(); }

void TCheckBox::SetChecked(bool checked) { box_->setChecked(checked); }
