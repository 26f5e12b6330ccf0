#pragma once
#include <string_view>

#include "ui/TControl.h"

class QPushButton;

// A push button; never a default button, so Enter in an edit presses nothing.
class TButton : public TControl {
public:
    explicit TButton(QWidget* parent);
    void SetCaption(std::string_view caption);

    TNotifyEvent OnClick;

private:
    QPushButton* button_;
};
