#include "web/bridge/web_services.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#else
#include <chrono>
#endif

namespace vertola::web {

namespace {

double wallMs() {
#ifdef __EMSCRIPTEN__
    return emscripten_date_now();
#else
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(since).count();
#endif
}

double monotonicMs() {
#ifdef __EMSCRIPTEN__
    return emscripten_get_now();
#else
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(since).count();
#endif
}

}  // namespace

std::uint64_t BrowserClock::timeOfDayNanos() {
    if (!started_) {
        started_ = true;
        originMs_ = wallMs();
        originNowMs_ = monotonicMs();
    }
    const double ms = originMs_ + (monotonicMs() - originNowMs_);
    auto nanos = static_cast<std::uint64_t>(ms * 1e6);
    // A browser may coarsen its high-resolution time; the reading still never repeats.
    if (nanos <= last_) nanos = last_ + 1;
    last_ = nanos;
    return nanos;
}

void RecordedTimers::start(WindowId window, int intervalMs) {
    Record& record = records_[indexOf(window)];
    record.everStarted = true;
    record.running = true;
    record.intervalMs = intervalMs;
    ++record.starts;
}

void RecordedTimers::stop(WindowId window) { records_[indexOf(window)].running = false; }

}  // namespace vertola::web
