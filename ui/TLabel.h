#pragma once
#include <string>
#include <string_view>

#include "ui/TControl.h"

class QLabel;

// A caption on the window. It takes the size of its caption and never wraps,
// so a longer caption grows to the right. Qt reports each new caption to
// screen readers as a change of the label's name.
class TLabel : public TControl {
public:
    explicit TLabel(QWidget* parent);
    void SetCaption(std::string_view caption);
    std::string Caption() const;
    // The control this label names: a screen reader announces the control
    // by the label's caption. The caption carries no access key, so this
    // adds no shortcut.
    void SetFocusControl(TControl* control);

private:
    QLabel* label_;
};
