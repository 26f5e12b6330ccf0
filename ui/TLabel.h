#pragma once
#include <string>
#include <string_view>

#include "ui/TControl.h"

class QLabel;

// A caption on the window. It takes the size of its caption and never wraps,
// so a longer caption grows to the right.
class TLabel : public TControl {
public:
    explicit TLabel(QWidget* parent);
    void SetCaption(std::string_view caption);
    std::string Caption() const;

private:
    QLabel* label_;
};
