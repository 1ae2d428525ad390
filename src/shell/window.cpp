#include "shell/window.h"

#include <atomic>
#include <stdexcept>

namespace vertola {

namespace {

std::uint64_t newTextStamp() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

const ControlSpec* findControl(const WindowLayout& layout, std::string_view name) {
    for (const ControlSpec& control : layout.controls)
        if (control.name == name) return &control;
    return nullptr;
}

Window::Window(WindowId id, const WindowLayout& layout)
    : id_(id), layout_(layout), focus_(layout.initialFocus) {
    controls_.reserve(layout.controls.size());
    for (const ControlSpec& control : layout.controls)
        controls_.push_back({std::string(control.caption), control.fore, control.visible});
    textStamps_.reserve(controls_.size());
    for (std::size_t i = 0; i < controls_.size(); ++i) textStamps_.push_back(newTextStamp());
    if (!focus_.empty()) ++focusRequests_;
}

int Window::indexOf(std::string_view control) const {
    for (std::size_t i = 0; i < layout_.controls.size(); ++i)
        if (layout_.controls[i].name == control) return static_cast<int>(i);
    return -1;
}

ControlState& Window::at(std::string_view control) {
    const int index = indexOf(control);
    // A handler naming a control its window lacks is a fault in a table, caught by the tests.
    if (index < 0)
        throw std::logic_error("no control " + std::string(control) + " in " + std::string(layout_.name));
    return controls_[static_cast<std::size_t>(index)];
}

const ControlState& Window::at(std::string_view control) const {
    return const_cast<Window*>(this)->at(control);
}

const std::string& Window::text(std::string_view control) const { return at(control).text; }
void Window::setText(std::string_view control, std::string text) {
    const int index = indexOf(control);
    at(control).text = std::move(text);
    textStamps_[static_cast<std::size_t>(index)] = newTextStamp();
}
std::optional<Rgb> Window::foreColor(std::string_view control) const { return at(control).fore; }
void Window::setForeColor(std::string_view control, Rgb colour) { at(control).fore = colour; }
bool Window::visible(std::string_view control) const { return at(control).visible; }
void Window::setVisible(std::string_view control, bool visible) { at(control).visible = visible; }
void Window::showAsDrawn() {
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].visible = layout_.controls[i].visible;
}

void Window::setFocus(std::string_view control) {
    focus_ = std::string(control);
    ++focusRequests_;
}

void Window::noteFocus(std::string_view control) { focus_ = std::string(control); }

}  // namespace vertola
