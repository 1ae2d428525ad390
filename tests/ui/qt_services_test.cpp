#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <vector>

#include "ui/qt_services.h"
#include "window_printer.h"

using namespace vertola;
using namespace vertola::ui;

namespace {

TEST(QtTimers, ATimerTicksItsOwnWindowUntilStopped) {
    QtTimers timers;
    std::vector<WindowId> ticks;
    timers.setTickHandler([&ticks](WindowId window) { ticks.push_back(window); });
    timers.start(WindowId::frm999divisioni, 1);
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks.size() >= 2; }, 1000));
    EXPECT_EQ(ticks.front(), WindowId::frm999divisioni);
    EXPECT_EQ(ticks.back(), WindowId::frm999divisioni);
    timers.stop(WindowId::frm999divisioni);
    ticks.clear();
    // A stopped timer is not running, and a timeout already queued is not delivered either.
    EXPECT_FALSE(timers.timer(WindowId::frm999divisioni).isActive());
    QCoreApplication::processEvents();
    EXPECT_TRUE(ticks.empty());
}

// A coarse timer may tick up to 150 ms late at 3 s; a precise one blanks the message on time.
TEST(QtTimers, EveryWindowsTimerIsPrecise) {
    const QtTimers timers;
    for (WindowId window : kAllWindows)
        EXPECT_EQ(timers.timer(window).timerType(), Qt::PreciseTimer) << windowName(window);
}

TEST(QtScreen, MeasuresTheWholeScreenAndTheLastFrameSeenInTwips) {
    Placement placement;
    QtScreen screen(placement);
    const QSize pixels = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(screen.screenSize().width, pixels.width() * 15);
    EXPECT_EQ(screen.screenSize().height, pixels.height() * 15);
    EXPECT_EQ(screen.frameExtra().width, 0);
    EXPECT_FALSE(placement.frameKnown());
    placement.noteFrame(QSize(2, 25));
    EXPECT_EQ(screen.frameExtra().width, 30);
    EXPECT_EQ(screen.frameExtra().height, 375);
}

}  // namespace
