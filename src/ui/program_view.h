#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <vector>

#include "shell/program.h"
#include "ui/window_events.h"
#include "ui/window_widget.h"

namespace vertola::ui {

class QtScreen;

// The Qt face of a Program: forwards the user's events to it and, after each, brings the widgets
// in line with its windows (create on load, show, hide, raise, destroy on close, control values,
// the focus a handler asked for).
class ProgramView final : public QObject, public WindowEvents {
    Q_OBJECT
public:
    // The screen, when given, learns the frame size that the desktop adds around a window.
    explicit ProgramView(Program& program, QtScreen* screen = nullptr);
    ~ProgramView() override;

    void start();
    void sync();
    void tick(WindowId window);

    // The widget of a loaded window, or null.
    WindowWidget* widget(WindowId window) const { return slots_[indexOf(window)].widget; }

    void click(WindowId window, std::string_view control) override;
    void edit(WindowId window, std::string_view control, std::string_view text) override;
    void escape(WindowId window) override;
    void closeBox(WindowId window) override;
    void focusIn(WindowId window, std::string_view control) override;
    void frameMeasured(QSize extraPixels) override;

signals:
    // The program has ended: every window is gone.
    void ended();

private:
    struct Slot {
        WindowWidget* widget = nullptr;
        const Window* source = nullptr;  // the core window the widget was built for
        unsigned raises = 0;
        unsigned focusRequests = 0;
    };

    void syncWindow(WindowId window);
    void create(Slot& slot, const Window& window);
    void destroy(Slot& slot);
    void onFocusChanged(QWidget* now);

    Program& program_;
    QtScreen* screen_;
    std::array<Slot, kWindowCount> slots_{};
    std::vector<QPointer<WindowWidget>> dying_;
    bool syncing_ = false;
    bool endAnnounced_ = false;
};

}  // namespace vertola::ui
