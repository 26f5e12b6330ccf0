#pragma once
#include <string>
#include <string_view>

#include "ui/TControl.h"

class QLineEdit;

// A one-line edit. Its maximum length stops the user typing more; text set
// from code is kept whole, and the user can always shorten it.
class TEdit : public TControl {
public:
    explicit TEdit(QWidget* parent);
    std::string Text() const;
    void SetText(std::string_view text);
    void SetMaxLength(int maxLength);  // 0: no limit
    int MaxLength() const { return maxLength_; }

private:
    QLineEdit* edit_;
    int maxLength_ = 0;
    bool settingFromCode_ = false;
};
