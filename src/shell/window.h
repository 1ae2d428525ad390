#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/layout.h"
#include "shell/registry.h"

namespace vertola {

class Program;

// The runtime state of one control: what a handler may change.
struct ControlState {
    std::string text;         // caption of a label or button, text of a text box
    std::optional<Rgb> fore;  // text colour; none is the default colour
    bool visible = true;
};

struct PositionTwips {
    float left = 0;
    float top = 0;
};

// A loaded window: its table's controls with their current values, plus what its subclass keeps
// (the window-level variables) and its handlers.
class Window {
public:
    Window(WindowId id, const WindowLayout& layout);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowId id() const { return id_; }
    const WindowLayout& layout() const { return layout_; }

    bool has(std::string_view control) const { return indexOf(control) >= 0; }
    const std::string& text(std::string_view control) const;
    void setText(std::string_view control, std::string text);
    std::optional<Rgb> foreColor(std::string_view control) const;
    void setForeColor(std::string_view control, Rgb colour);
    bool visible(std::string_view control) const;
    void setVisible(std::string_view control, bool visible);
    // Every control visible or hidden as the window's table draws it.
    void showAsDrawn();

    // The state of every control, in the order of the window's table.
    const std::vector<ControlState>& controls() const { return controls_; }
    // A stamp that the text of the control at `index` got when it was last set, never given to
    // another text, even of a window loaded anew: a view tells a changed text from an unchanged
    // one by it, without reading a text that may be megabytes long.
    std::uint64_t textStamp(std::size_t index) const { return textStamps_[index]; }

    // The control that has, or is asked to get, the keyboard focus.
    std::string_view focus() const { return focus_; }
    // Asks for the focus; focusRequests() grows so the toolkit knows to move it.
    void setFocus(std::string_view control);
    unsigned focusRequests() const { return focusRequests_; }
    // The pupil moved the focus; no request is made.
    void noteFocus(std::string_view control);

    PositionTwips position() const { return position_; }
    void setPosition(PositionTwips position) { position_ = position; }

    // Handlers; the program centres the window before load() and ignores events that the
    // window's state does not allow.
    virtual void load(Program&) {}
    virtual void clicked(Program&, std::string_view /*control*/) {}
    virtual void ticked(Program&) {}

private:
    int indexOf(std::string_view control) const;
    ControlState& at(std::string_view control);
    const ControlState& at(std::string_view control) const;

    WindowId id_;
    const WindowLayout& layout_;
    std::vector<ControlState> controls_;
    std::vector<std::uint64_t> textStamps_;
    std::string focus_;
    unsigned focusRequests_ = 0;
    PositionTwips position_;
};

}  // namespace vertola
