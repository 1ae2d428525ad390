#pragma once

#include <QSize>
#include <chrono>
#include <memory>
#include <optional>

class QWidget;

namespace vertola::ui {

// Whether the program runs on an X11 display, where the window manager is a separate program
// that must be told what a window is and how to place it.
bool onX11();

// Asks the window manager, where it offers to say, what frame it will add around a window of
// the main menu's kind, before any window is on screen. The question goes out at once and the
// answer is read when the first window is placed, so the window manager answers while the
// program gets ready.
class FrameQuestion {
public:
    FrameQuestion();
    ~FrameQuestion();
    FrameQuestion(const FrameQuestion&) = delete;
    FrameQuestion& operator=(const FrameQuestion&) = delete;

    // Empty off X11, where the window manager does not offer to answer, or where it has not
    // answered within `patience`.
    std::optional<QSize> answer(std::chrono::milliseconds patience);

private:
    // Never shown: the frame depends on the kind of window and on its fixed size, not on its
    // caption or contents.
    std::unique_ptr<QWidget> probe_;
};

// Keeps a window about to be shown out of the task bar and the pager. On X11 the dialog-style
// windows are plain windows so marked: a dialog (a transient, or of the dialog type) is kept above
// every other window of the program by the window manager, even above one opened after it.
void keepOffTaskBar(QWidget& window);

// Whether a shown window is on the screen: on X11 the window manager may map it inside a frame it
// has not mapped yet, where Qt already counts it as exposed.
bool viewable(const QWidget& window);

// Shows a window whose frame is not known yet so that the window manager centres its frame on
// the place asked for its client area (ICCCM's centre gravity), whatever the frame turns out to
// be: Qt asks for its frame's corner there, which needs the frame known. Qt's own hints are
// mended before the window manager can read them. Off X11 it is a plain show().
// Openbox places such a window half its caption bar too low, so the frame is asked first where
// the window manager offers to say it.
void showWithCentreGravity(QWidget& window);

}  // namespace vertola::ui
