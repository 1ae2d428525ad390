#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>
#include <vector>

namespace vertola::ui {

class FrameQuestion;

// How the program's windows are put on the desktop, and all the face knows of the frames a desktop
// draws around them: a window is shown centred with its frame where the core placed it, a
// dialog-style window is kept off the task bar, and the frame the desktop adds is learnt for the
// core's centring. The rest of the face only asks this type.
//
// On X11 the window manager is a program of its own: where it offers to say what frame it will add
// (_NET_REQUEST_FRAME_EXTENTS), it is asked as soon as the placement exists and the answer is read
// when the first window is placed. A window placed before any frame is known is shown with ICCCM's
// centre gravity, so that the window manager centres the frame on the place asked for the client
// area, whatever the frame turns out to be; where it honours no gravity (i3), the window is moved
// once, as soon as its frame is seen. Off X11 a window is simply shown.
class Placement final : public QObject {
public:
    Placement();
    ~Placement() override;

    // The flags of a main window or of a dialog-style window: fixed size, a caption and a close box.
    static Qt::WindowFlags windowFlags(bool mainWindow);

    // The frame the desktop adds around a window, in logical pixels: what the window manager said
    // it would add, then what it was last seen adding; none until then.
    QSize frame();
    bool frameKnown() const { return frameKnown_; }
    void noteFrame(QSize extra);

    // Shows a window already moved to where the core placed its frame's corner.
    void show(QWidget& window, bool mainWindow);
    // Whether a shown window is on the screen: a window manager may map a window inside a frame it
    // has not mapped yet, where Qt already counts it as exposed.
    bool viewable(const QWidget& window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A window shown by gravity whose frame has not been seen yet, and where its client area was asked.
    struct Unchecked {
        QPointer<QWidget> window;
        QPoint asked;
    };

    void frameSeen(QWidget& window);

    std::unique_ptr<FrameQuestion> question_;
    QSize frame_{0, 0};
    bool frameKnown_ = false;
    std::vector<Unchecked> unchecked_;
};

}  // namespace vertola::ui
