#include "ui/TComboBox.h"

#include <QComboBox>

#include "ui/Text8.h"

TComboBox::TComboBox(QWidget* parent) : TControl(new QComboBox(parent)), combo_(static_cast<QComboBox*>(Widget())) {
    combo_->setEditable(false);
    combo_->setMaxVisibleItems(16);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int) { Fire(OnChange); });
}

void TComboBox::Add(std::string_view item) {
    // Qt selects the first item added to an empty list; a list here stays
    // without a selection until code or the user makes one.
    int selected = combo_->currentIndex();
    combo_->addItem(ui::FromText8(item));
    combo_->setCurrentIndex(selected);
}

void TComboBox::Clear() { combo_->clear(); }

int TComboBox::Count() const { return combo_->count(); }

std::string TComboBox::Item(int index) const { return ui::ToText8(combo_->itemText(index)); }

int TComboBox::ItemIndex() const { return combo_->currentIndex(); }

void TComboBox::SetItemIndex(int index) { combo_->setCurrentIndex(index); }
