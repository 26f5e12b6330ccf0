#pragma once
#include <memory>
#include <string_view>

#include "ui/TFont.h"
#include "ui/TObject.h"

class QWidget;

// A component the form owns and destroys.
class TComponent : public TObject {};

// A component with a widget on the window.
class TControl : public TComponent {
public:
    ~TControl() override;
    void SetBounds(int left, int top, int width, int height);
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetFont(const TFont& font);
    // What a screen reader says for a control that no label names.
    void SetAccessibleName(std::string_view name);
    QWidget* Widget() const { return widget_; }

protected:
    explicit TControl(QWidget* widget) : widget_(widget) {}
    // Runs handler for an event the user caused; an exception that escapes it
    // is shown by the application, and the program goes on.
    void Fire(const TNotifyEvent& handler);

private:
    QWidget* widget_;
};
