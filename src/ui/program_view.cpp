#include "ui/program_view.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/placement.h"
#include "ui/qt_services.h"
#include "ui/twips.h"

namespace vertola::ui {

ProgramView::ProgramView(Program& program, Placement* placement) : program_(program), placement_(placement) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { onFocusChanged(now); });
}

ProgramView::~ProgramView() {
    // Deleting a window moves the focus, which must not reach a view that is going away.
    disconnect(qApp, nullptr, this, nullptr);
    syncing_ = true;
    for (Slot& slot : slots_) delete slot.widget;
    for (WindowWidget* widget : ahead_) delete widget;
    for (const QPointer<WindowWidget>& widget : dying_) delete widget.data();
    for (const QPointer<WindowWidget>& widget : leaving_) delete widget.data();
}

void ProgramView::start() {
    program_.start();
    sync();
}

void ProgramView::sync() {
    // Moving the focus reports focus changes, which must not start a second sync inside this one.
    if (syncing_) return;
    syncing_ = true;
    if (program_.ended()) {
        for (Slot& slot : slots_) destroy(slot);
        releaseLeaving();
    } else {
        // What the core opened is on screen before what it closed or hid goes, so that the desk is
        // never empty between two windows.
        for (WindowId window : kAllWindows)
            if (program_.state(window) == WindowState::Shown) syncWindow(window);
        const bool hold = holdLeaving();
        for (WindowId window : kAllWindows)
            if (program_.state(window) != WindowState::Shown) syncLeaving(window, hold);
        if (!hold) releaseLeaving();
    }
    syncing_ = false;
    if (program_.ended()) {
        for (WindowWidget*& widget : ahead_) delete std::exchange(widget, nullptr);
    } else {
        scheduleBuildAhead(quietMs_);
    }
    if (program_.ended() && !endAnnounced_) {
        endAnnounced_ = true;
        emit ended();
    }
}

void ProgramView::syncWindow(WindowId id) {
    Slot& slot = slots_[indexOf(id)];
    const Window* window = program_.window(id);
    if (slot.widget && slot.source != window) destroy(slot);
    if (!window) return;
    if (!slot.widget) create(slot, *window);

    WindowWidget& widget = *slot.widget;
    const bool shown = program_.state(id) == WindowState::Shown;
    const bool appearing = shown && widget.isHidden();
    // A window is mapped before its controls take the core's state, as a bare Qt window is mapped
    // before it measures any text: wrapping the captions loads the font database. Nothing is
    // painted in between, so the first picture is the final one.
    if (appearing) {
        if (placement_)
            placement_->show(widget, window->layout().mainWindow);
        else
            widget.show();
        // The windows this one replaces wait for it to be on the screen.
        slot.arriving = placement_ != nullptr;
        if (QWindow* handle = widget.windowHandle()) handle->installEventFilter(this);
    }
    widget.apply(*window);
    if (!shown) {
        if (!widget.isHidden()) widget.hide();
        return;
    }
    if (program_.raiseRequests(id) != slot.raises) {
        slot.raises = program_.raiseRequests(id);
        // A window that appears is already in front.
        if (!appearing) widget.raise();
        widget.activateWindow();
    }
    // A focus asked for while the window was hidden moves when it is shown.
    if (window->focusRequests() != slot.focusRequests) {
        slot.focusRequests = window->focusRequests();
        widget.focusControl(window->focus());
    }
}

// A window that was on screen and is no longer shown in the core waits, where the window manager
// puts windows on screen, until the windows just opened are there, or until kLeavingPatienceMs.
void ProgramView::syncLeaving(WindowId id, bool hold) {
    Slot& slot = slots_[indexOf(id)];
    if (hold && slot.widget && slot.widget->isVisible()) {
        // A hidden window keeps its widget and goes at a later sync; a closed one leaves its slot.
        if (slot.source == program_.window(id)) return;
        leaving_.emplace_back(std::exchange(slot, Slot{}).widget);
    }
    syncWindow(id);
}

bool ProgramView::holdLeaving() {
    bool waiting = false;
    for (Slot& slot : slots_) {
        if (slot.arriving && slot.widget && slot.widget->isVisible() && !placement_->viewable(*slot.widget))
            waiting = true;
        else
            slot.arriving = false;
    }
    if (!waiting) {
        holding_ = false;
        return false;
    }
    if (!holding_) {
        holding_ = true;
        holdDeadline_.setRemainingTime(kLeavingPatienceMs);
        QTimer::singleShot(kLeavingPatienceMs, this, &ProgramView::sync);
    }
    return !holdDeadline_.hasExpired();
}

void ProgramView::releaseLeaving() {
    for (const QPointer<WindowWidget>& widget : std::exchange(leaving_, {})) {
        if (!widget) continue;
        Slot gone{.widget = widget.data()};
        destroy(gone);
    }
}

bool ProgramView::eventFilter(QObject* watched, QEvent* event) {
    // Once an opened window is on screen, the windows it replaces go.
    if (event->type() == QEvent::Expose && holding_)
        QMetaObject::invokeMethod(this, &ProgramView::sync, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void ProgramView::buildAhead(int quietMs) {
    buildingAhead_ = true;
    quietMs_ = quietMs;
    scheduleBuildAhead(quietMs_);
}

std::size_t ProgramView::windowsBuiltAhead() const {
    return static_cast<std::size_t>(
        std::count_if(ahead_.begin(), ahead_.end(), [](const WindowWidget* w) { return w; }));
}

void ProgramView::scheduleBuildAhead(int delayMs) {
    if (!buildingAhead_) return;
    if (!aheadTimer_) {
        aheadTimer_ = new QTimer(this);
        aheadTimer_->setSingleShot(true);
        connect(aheadTimer_, &QTimer::timeout, this, &ProgramView::buildNextAhead);
    }
    aheadTimer_->start(delayMs);
}

// One window a turn of the event loop, so that a click waits for one window at most.
void ProgramView::buildNextAhead() {
    if (program_.ended()) return;
    for (WindowId id : kAllWindows) {
        const std::size_t i = indexOf(id);
        if (slots_[i].widget || ahead_[i]) continue;
        auto* widget = new WindowWidget(id, layoutOf(id), *this);
        // Its window on the screen is made when it is shown, where the window manager places
        // and stacks it as any other; a window made ahead would stay below those made since.
        widget->ensurePolished();
        widget->renderDrawings();
        ahead_[i] = widget;
        scheduleBuildAhead(0);
        return;
    }
}

void ProgramView::create(Slot& slot, const Window& window) {
    // A widget built ahead is as one built now: nothing has touched it since.
    WindowWidget* ahead = std::exchange(ahead_[indexOf(window.id())], nullptr);
    slot.widget = ahead ? ahead : new WindowWidget(window.id(), window.layout(), *this);
    slot.source = &window;
    slot.raises = 0;
    slot.focusRequests = 0;
    // The core placed the window's frame; Qt places a top-level window by its frame too. Where
    // the frame was not known, the core placed the client area, and the placement centres the
    // frame on it.
    slot.widget->move(toPixels(window.position().left), toPixels(window.position().top));
}

// The widget may be the one whose signal is being handled, so it goes once the event is over.
void ProgramView::destroy(Slot& slot) {
    if (!slot.widget) return;
    slot.widget->hide();
    slot.widget->deleteLater();
    std::erase_if(dying_, [](const QPointer<WindowWidget>& gone) { return gone.isNull(); });
    dying_.emplace_back(slot.widget);
    slot = Slot{};
}

void ProgramView::onFocusChanged(QWidget* now) {
    if (!now) return;
    auto* window = qobject_cast<WindowWidget*>(now->window());
    if (!window || widget(window->id()) != window) return;
    const std::string_view name = window->controlName(now);
    if (!name.empty()) focusIn(window->id(), name);
}

void ProgramView::tick(WindowId window) {
    program_.tick(window);
    sync();
}

void ProgramView::click(WindowId window, std::string_view control) {
    program_.click(window, control);
    sync();
}

void ProgramView::edit(WindowId window, std::string_view control, std::string_view text) {
    program_.edit(window, control, text);
    sync();
}

void ProgramView::escape(WindowId window) {
    program_.escape(window);
    sync();
}

void ProgramView::closeBox(WindowId window) {
    program_.closeBox(window);
    sync();
}

void ProgramView::focusIn(WindowId window, std::string_view control) {
    program_.focusIn(window, control);
    sync();
}

}  // namespace vertola::ui
