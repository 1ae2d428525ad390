#pragma once

#include <QSize>
#include <chrono>
#include <memory>
#include <optional>

class QWidget;

namespace vertola::ui {

// Whether the program runs on an X11 display, where the window manager is a separate program
// that must be asked about frames and told what a window is.
bool onX11();

// Asks the window manager what frame it will add around a window of the main menu's kind, before
// any window is on screen. The question goes out at once and the answer is read when the first
// window is placed, so the window manager answers while the program gets ready.
class FrameRequest {
public:
    FrameRequest();
    ~FrameRequest();
    FrameRequest(const FrameRequest&) = delete;
    FrameRequest& operator=(const FrameRequest&) = delete;

    // Empty off X11, without a window manager that answers such requests, or when it has not
    // answered within `patience`.
    std::optional<QSize> answer(std::chrono::microseconds patience);

private:
    // Never shown: the frame depends on the kind of window and on its fixed size, not on its
    // caption or contents.
    std::unique_ptr<QWidget> probe_;
};

// Keeps a window about to be shown out of the task bar and the pager. On X11 the dialog-style
// windows are plain windows so marked: a dialog (a transient, or of the dialog type) is kept above
// every other window of the program by the window manager, even above one opened after it.
void keepOffTaskBar(QWidget& window);

}  // namespace vertola::ui
