#include "ui/TControl.h"

#include <QPalette>
#include <QWidget>

#include "ui/TApplication.h"
#include "ui/Text8.h"

TControl::~TControl() { delete widget_; }

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, width, height);
}

void TControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool TControl::Enabled() const { return widget_->isEnabled(); }

void TControl::SetFont(const TFont& font) {
    widget_->setFont(font.ToQFont());
    if (!font.color) return;
    // Only the enabled look takes the colour, so a disabled control still greys.
    QPalette palette = widget_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, *font.color);
    widget_->setPalette(palette);
}

void TControl::SetAccessibleName(std::string_view name) { widget_->setAccessibleName(ui::FromText8(name)); }

void TControl::Fire(const TNotifyEvent& handler) {
    if (!handler) return;
    try {
        handler(this);
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (const std::exception& e) {
        Application->ShowException(Exception(e.what()));
    }
}
