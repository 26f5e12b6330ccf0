#pragma once
#include <memory>
#include <string_view>
#include <vector>

#include "ui/TControl.h"

class QWidget;

// A top-level window. It owns its components and destroys them with itself.
class TForm : public TComponent {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Makes a component owned by the form; controls go on the window.
    template <class Component>
    Component* Make() {
        auto component = std::make_unique<Component>(window_);
        Component* raw = component.get();
        components_.push_back(std::move(component));
        return raw;
    }
    template <class Component>
    Component* MakeNonVisual() {
        auto component = std::make_unique<Component>();
        Component* raw = component.get();
        components_.push_back(std::move(component));
        return raw;
    }

    void SetCaption(std::string_view caption);
    // Fixed-size window with a single border: minimise, no maximise.
    void SetFixedClientArea(int left, int top, int width, int height);
    void SetFont(const TFont& font);
    // The order in which Tab moves the focus.
    void SetTabOrder(const std::vector<TControl*>& controls);
    void Show();
    QWidget* Window() const { return window_; }

private:
    QWidget* window_;
    std::vector<std::unique_ptr<TComponent>> components_;
};
