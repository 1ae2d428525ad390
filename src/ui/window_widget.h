#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "shell/layout.h"
#include "shell/window.h"
#include "ui/control.h"
#include "ui/window_events.h"

namespace vertola::ui {

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
    // Renders the window's drawings for the primary screen, where they are kept for its first
    // paint: a window built ahead then opens without rendering them.
    void renderDrawings() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUpFrame();
    void connectControl(const Control& control);
    void setUpTabOrder();

    WindowId id_;
    const WindowLayout& layout_;
    WindowEvents& events_;
    std::vector<Control> controls_;
    // The core's own texts are being put in, and are not reported back to it.
    bool applying_ = false;
};

}  // namespace vertola::ui
