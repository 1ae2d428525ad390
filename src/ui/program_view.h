#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <vector>

#include "program/windows.h"
#include "ui/window_events.h"
#include "ui/window_widget.h"

namespace vertola::ui {

class Placement;

// The Qt face of a Program: forwards the user's events to it and, after each, brings the widgets
// in line with its windows (create on load, show, hide, raise, destroy on close, control values,
// the focus a handler asked for).
class ProgramView final : public QObject, public WindowEvents {
    Q_OBJECT
public:
    // The placement, when given, puts the windows on the desktop; without it they are simply shown.
    explicit ProgramView(Program& program, Placement* placement = nullptr);
    ~ProgramView() override;

    void start();
    void sync();
    void tick(WindowId window);

    // From now on, builds ahead a hidden widget for each window that is not loaded, one a turn of
    // the event loop once the program has been quiet for `quietMs`, so that a click that loads a
    // window shows it instead of building it.
    void buildAhead(int quietMs = kQuietBeforeBuildingMs);
    std::size_t windowsBuiltAhead() const;

    // A window that has just appeared is drawn, and takes the focus, before anything is built ahead.
    static constexpr int kQuietBeforeBuildingMs = 100;
    // How long a window leaving the screen waits at most for the window opened in its place.
    static constexpr int kLeavingPatienceMs = 250;

    // The widget of a loaded window, or null.
    WindowWidget* widget(WindowId window) const { return slots_[indexOf(window)].widget; }

    void click(WindowId window, std::string_view control) override;
    void edit(WindowId window, std::string_view control, std::string_view text) override;
    void escape(WindowId window) override;
    void closeBox(WindowId window) override;
    void focusIn(WindowId window, std::string_view control) override;

signals:
    // The program has ended: every window is gone.
    void ended();

private:
    struct Slot {
        WindowWidget* widget = nullptr;
        const Window* source = nullptr;  // the core window the widget was built for
        unsigned raises = 0;
        unsigned focusRequests = 0;
        // Shown, and not yet seen on the screen.
        bool arriving = false;
    };

    void syncWindow(WindowId window);
    void syncLeaving(WindowId window, bool hold);
    // Whether the windows leaving the screen wait for the windows just opened to be on it.
    bool holdLeaving();
    void releaseLeaving();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void create(Slot& slot, const Window& window);
    void destroy(Slot& slot);
    void onFocusChanged(QWidget* now);
    void buildNextAhead();
    void scheduleBuildAhead(int delayMs);

    Program& program_;
    Placement* placement_;
    std::array<Slot, kWindowCount> slots_{};
    std::vector<QPointer<WindowWidget>> dying_;
    // Closed in the core, still on screen until the windows opened with them are there.
    std::vector<QPointer<WindowWidget>> leaving_;
    bool holding_ = false;
    QDeadlineTimer holdDeadline_;
    std::array<WindowWidget*, kWindowCount> ahead_{};  // built ahead, not yet loaded
    bool buildingAhead_ = false;
    int quietMs_ = kQuietBeforeBuildingMs;
    QTimer* aheadTimer_ = nullptr;
    bool syncing_ = false;
    bool endAnnounced_ = false;
};

}  // namespace vertola::ui
