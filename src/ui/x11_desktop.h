#pragma once

#include <QSize>
#include <QString>
#include <chrono>
#include <cstdint>
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

// The first window's look, for the X server to fill the window with as it maps it: the server
// paints a window's background at once, where the program's own first paint waits for the map's
// round trip and the captions' measuring. The look goes to the server on a connection of its own
// before Qt has started, from another thread; Qt's window then only names it. Nothing is sent
// where the copies do not fit this machine or the screen's pixels are not 32-bit RGB, and nothing
// is shown at a scale other than 1.
class FirstLook {
public:
    FirstLook(QString window, QSize size);
    ~FirstLook();
    FirstLook(const FirstLook&) = delete;
    FirstLook& operator=(const FirstLook&) = delete;

    // To the X server that DISPLAY names, from any thread; returns once the server has it.
    void upload();
    // Before a window's first showing, on the GUI thread once upload() has returned: gives the
    // window the look for background when it is the window the look was made for. True when it
    // did; at most once.
    bool showAtMap(QWidget& window);
    // Once the window has been shown: the look's own connection goes, and the look with it when
    // no window has it.
    void release();

private:
    QString window_;
    QSize size_;
    void* connection_ = nullptr;  // xcb_connection_t
    uint32_t pixmap_ = 0;
};

// Leaves the window's background to the program again once it has painted: a later exposure
// then waits for the program's paint rather than show how the window looked at first.
void forgetLookAtMap(QWidget& window);

}  // namespace vertola::ui
