#include "ui/qt_services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <chrono>

#include "ui/placement.h"

namespace vertola::ui {

std::uint64_t QtClock::timeOfDayNanos() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

QtTimers::QtTimers() {
    for (WindowId window : kAllWindows) {
        auto timer = std::make_unique<QTimer>();
        // A coarse timer may fire up to 5 % late; the message is blanked within a few ms of 3 s.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, window] {
            if (onTick_) onTick_(window);
        });
        timers_[indexOf(window)] = std::move(timer);
    }
}

QtTimers::~QtTimers() = default;

// QTimer::start on a running timer starts its interval again.
void QtTimers::start(WindowId window, int intervalMs) { timers_[indexOf(window)]->start(intervalMs); }

void QtTimers::stop(WindowId window) { timers_[indexOf(window)]->stop(); }

void QtBeeper::beep() { QApplication::beep(); }

SizeTwips QtScreen::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->geometry().size();
    return {size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel};
}

SizeTwips QtScreen::frameExtra() {
    const QSize frame = placement_.frame();
    return {frame.width() * kTwipsPerPixel, frame.height() * kTwipsPerPixel};
}

}  // namespace vertola::ui
