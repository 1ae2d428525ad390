#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "shell/platform.h"
#include "shell/registry.h"
#include "shell/window.h"

namespace vertola {

class RandomSource;

enum class WindowState { NotLoaded, Hidden, Shown };

struct Services {
    Clock& clock;
    RandomSource& random;
    TimerService& timers;
    Beeper& beeper;
    Screen& screen;
};

// Where a window stands centred on the screen with the frame its face draws around it. Left and
// top are halves of single-precision differences of outer sizes, without limits: a window larger
// than the screen gets a negative position.
PositionTwips centredPosition(SizeTwips screen, SizeTwips frame, const WindowLayout& layout);

// How the windows are made from their rows, handed to the program by the composition of every
// window (program/windows.h), which stands above the windows' own floors.
class WindowMaker {
public:
    // The window's object, built from its table, not yet loaded.
    virtual std::unique_ptr<Window> create(WindowId window) const = 0;

protected:
    ~WindowMaker() = default;
};

// The whole program without a toolkit: the fifteen windows, the rules by which they are opened,
// hidden and closed, and the events a user can cause. Every event runs its handler to completion;
// events that the windows' state does not allow (a hidden window, an invisible button) are ignored.
class Program {
public:
    Program(Services services, const WindowMaker& windows);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Opens the main menu.
    void start();
    bool ended() const { return ended_; }

    // What a user can do. Each returns whether the event reached a handler or a control.
    bool click(WindowId window, std::string_view control);
    bool edit(WindowId window, std::string_view control, std::string_view text);
    bool escape(WindowId window);
    bool closeBox(WindowId window);
    bool tick(WindowId window);
    bool focusIn(WindowId window, std::string_view control);

    // Window operations, for the handlers.
    Window& open(WindowId window);
    void hide(WindowId window);
    void close(WindowId window);
    // The window, loaded hidden first if it is not loaded: a handler may read or write the controls
    // of a window the pupil has not opened.
    Window& loadHidden(WindowId window);
    void end();

    WindowState state(WindowId window) const;
    const Window* window(WindowId window) const;
    Window* window(WindowId window);
    // Grows every time a window is put on screen, so the toolkit knows to bring it to the front.
    unsigned raiseRequests(WindowId window) const { return raises_[indexOf(window)]; }

    const Services& services() const { return services_; }

private:
    struct Slot {
        std::unique_ptr<Window> window;
        bool shown = false;
    };

    void load(WindowId window);
    void centre(Window& window);
    void afterEvent();
    bool shownControl(WindowId window, std::string_view control) const;

    Services services_;
    const WindowMaker& windows_;
    std::array<Slot, kWindowCount> slots_;
    std::array<unsigned, kWindowCount> raises_{};
    // A handler may close its own window; the object lives until the event has finished.
    std::vector<std::unique_ptr<Window>> closing_;
    bool ended_ = false;
};

}  // namespace vertola
