#pragma once
#include <string>
#include <string_view>

#include "ui/TControl.h"

class QComboBox;

// A drop-down list: the user picks an item and never types. Selecting an
// item from code fires nothing; OnChange fires when the user picks one, by
// mouse or keyboard, even the item already selected.
class TComboBox : public TControl {
public:
    explicit TComboBox(QWidget* parent);
    void Add(std::string_view item);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    int ItemIndex() const;  // -1: no selection
    void SetItemIndex(int index);

    TNotifyEvent OnChange;

private:
    QComboBox* combo_;
};
