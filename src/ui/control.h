#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/layout.h"
#include "shell/window.h"

namespace vertola::ui {

// One control of a window: the widget built from its table row, and what of the core's state it
// shows. apply() touches the widget only where the state differs, so that typing is not disturbed.
class Control {
public:
    // With captionOnApply a button gets its caption from the first apply() rather than here: a
    // window built to be shown measures its captions after it is mapped (see ProgramView).
    Control(const ControlSpec& design, QWidget* parent, bool captionOnApply = false);

    const ControlSpec& design() const { return *design_; }
    QWidget* widget() const { return widget_; }

    // The stamp is the core's for the text: a message set again with the same words is read again.
    void apply(const ControlState& state, std::uint64_t textStamp);

private:
    void applyText(const std::string& text);
    void applyFore(std::optional<Rgb> fore);
    void announce(const QString& message);

    const ControlSpec* design_;
    QWidget* widget_;
    std::optional<std::string> shownText_;  // labels and buttons; text boxes compare with the widget
    std::optional<Rgb> shownFore_;
    std::uint64_t shownStamp_ = 0;
};

}  // namespace vertola::ui
