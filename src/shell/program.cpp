#include "shell/program.h"

#include <algorithm>

namespace vertola {

Program::Program(Services services, const WindowMaker& windows) : services_(services), windows_(windows) {}

Program::~Program() = default;

void Program::start() {
    open(*windowOf(Unit::MainMenu));
    afterEvent();
}

void Program::load(WindowId id) {
    Slot& slot = slots_[indexOf(id)];
    slot.window = windows_.create(id);
    slot.shown = false;
    centre(*slot.window);
    slot.window->load(*this);
}

PositionTwips centredPosition(SizeTwips screen, SizeTwips frame, const WindowLayout& layout) {
    const float left = static_cast<float>(screen.width - (layout.clientWidth + frame.width)) / 2.0f;
    const float top = static_cast<float>(screen.height - (layout.clientHeight + frame.height)) / 2.0f;
    return {left, top};
}

void Program::centre(Window& window) {
    window.setPosition(
        centredPosition(services_.screen.screenSize(), services_.screen.frameExtra(), window.layout()));
}

Window& Program::open(WindowId id) {
    Slot& slot = slots_[indexOf(id)];
    if (!slot.window) load(id);
    slot.shown = true;
    ++raises_[indexOf(id)];
    return *slot.window;
}

void Program::hide(WindowId id) { slots_[indexOf(id)].shown = false; }

void Program::close(WindowId id) {
    Slot& slot = slots_[indexOf(id)];
    if (!slot.window) return;
    services_.timers.stop(id);
    closing_.push_back(std::move(slot.window));
    slot.shown = false;
}

Window& Program::loadHidden(WindowId id) {
    Slot& slot = slots_[indexOf(id)];
    if (!slot.window) load(id);
    return *slot.window;
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    for (WindowId id : kAllWindows) close(id);
}

WindowState Program::state(WindowId id) const {
    const Slot& slot = slots_[indexOf(id)];
    if (!slot.window) return WindowState::NotLoaded;
    return slot.shown ? WindowState::Shown : WindowState::Hidden;
}

const Window* Program::window(WindowId id) const { return slots_[indexOf(id)].window.get(); }
Window* Program::window(WindowId id) { return slots_[indexOf(id)].window.get(); }

bool Program::shownControl(WindowId id, std::string_view control) const {
    if (ended_ || state(id) != WindowState::Shown) return false;
    const Window& w = *window(id);
    return w.has(control) && w.visible(control);
}

// Hidden windows do not keep the program alive: it ends when the last shown window is gone.
void Program::afterEvent() {
    closing_.clear();
    if (ended_) return;
    const bool anyShown = std::any_of(kAllWindows.begin(), kAllWindows.end(),
                                      [this](WindowId id) { return state(id) == WindowState::Shown; });
    if (!anyShown) end();
    closing_.clear();
}

bool Program::click(WindowId id, std::string_view control) {
    if (!shownControl(id, control)) return false;
    const Kind kind = findControl(window(id)->layout(), control)->kind;
    if (kind != Kind::Button && kind != Kind::PictureButton) return false;
    window(id)->clicked(*this, control);
    afterEvent();
    return true;
}

bool Program::edit(WindowId id, std::string_view control, std::string_view text) {
    if (!shownControl(id, control)) return false;
    if (findControl(window(id)->layout(), control)->kind != Kind::TextBox) return false;
    window(id)->setText(control, std::string(text));
    return true;
}

bool Program::escape(WindowId id) {
    if (ended_ || state(id) != WindowState::Shown) return false;
    const std::string_view cancel = window(id)->layout().cancelButton;
    if (cancel.empty()) return false;
    return click(id, cancel);
}

// The title-bar close box discards the window and runs none of its button logic.
bool Program::closeBox(WindowId id) {
    if (ended_ || state(id) != WindowState::Shown) return false;
    close(id);
    afterEvent();
    return true;
}

// A timer keeps ticking while its window is hidden.
bool Program::tick(WindowId id) {
    if (ended_ || state(id) == WindowState::NotLoaded) return false;
    window(id)->ticked(*this);
    afterEvent();
    return true;
}

bool Program::focusIn(WindowId id, std::string_view control) {
    if (!shownControl(id, control)) return false;
    window(id)->noteFocus(control);
    return true;
}

}  // namespace vertola
