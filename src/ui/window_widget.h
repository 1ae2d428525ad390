#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "shell/layout.h"
#include "shell/window.h"
#include "ui/control.h"
#include "ui/window_events.h"

namespace vertola::ui {

// The frame of a main window or of a dialog-style window: fixed size, a caption and a close box.
Qt::WindowFlags windowFrameFlags(bool mainWindow);

// One of the fifteen windows, built from its layout table: a fixed-size top-level widget with
// the table's controls. It forwards what the user does and shows what apply() is given.
class WindowWidget final : public QWidget {
    Q_OBJECT
public:
    WindowWidget(WindowId id, const WindowLayout& layout, WindowEvents& events);

    WindowId id() const { return id_; }
    const WindowLayout& layout() const { return layout_; }

    QWidget* control(std::string_view name) const;
    // The control's name, or empty when the widget is none of this window's controls.
    std::string_view controlName(const QWidget* widget) const;

    // Brings the controls in line with the core's window, whose controls follow the same table.
    void apply(const Window& window);
    void focusControl(std::string_view name);
    // Once shown: makes the buffer the window is painted into, and has the kernel back all its
    // pages at once, where the first paint would fault them in one by one (a few milliseconds for
    // a window this size on a virtual machine). Nothing is drawn and nothing is waited for.
    void readyBackingStore();
    // The window was given a background of how it looks for its map: that goes once it has
    // painted, so that a later exposure waits for its paint rather than show an old look.
    void dropBackgroundOncePainted() { lookAtMap_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUpFrame();
    void connectControl(const Control& control);
    void setUpTabOrder();
    void reportFrame();

    WindowId id_;
    const WindowLayout& layout_;
    WindowEvents& events_;
    std::vector<Control> controls_;
    bool lookAtMap_ = false;
};

}  // namespace vertola::ui
