#pragma once
#include <string_view>

#include "ui/TControl.h"

class QCheckBox;

// A check box; OnClick fires after the user has toggled it, never when code
// sets its state.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(QWidget* parent);
    void SetCaption(std::string_view caption);
    bool Checked() const;
    void SetChecked(bool checked);

    TNotifyEvent OnClick;

private:
    QCheckBox* box_;
};
