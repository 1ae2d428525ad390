#pragma once

#include <string_view>

#include "shell/registry.h"

namespace vertola::ui {

// What a window's widgets report: the user's events.
class WindowEvents {
public:
    virtual void click(WindowId window, std::string_view control) = 0;
    virtual void edit(WindowId window, std::string_view control, std::string_view text) = 0;
    virtual void escape(WindowId window) = 0;
    virtual void closeBox(WindowId window) = 0;
    virtual void focusIn(WindowId window, std::string_view control) = 0;

protected:
    ~WindowEvents() = default;
};

}  // namespace vertola::ui
