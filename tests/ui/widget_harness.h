#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "fakes.h"
#include "ui/program_view.h"
#include "ui/twips.h"
#include "window_printer.h"

namespace vertola::testing {

// The program on fakes, shown through real widgets offscreen.
struct UiHarness {
    fakes::Harness core;
    ui::ProgramView view{core.program};

    ~UiHarness() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ui::WindowWidget* widget(WindowId window) const { return view.widget(window); }

    template <typename T = QWidget>
    T* control(WindowId window, std::string_view name) const {
        ui::WindowWidget* w = widget(window);
        return w ? qobject_cast<T*>(w->control(name)) : nullptr;
    }

    QLineEdit* cell(WindowId window, std::string_view name) const { return control<QLineEdit>(window, name); }
    QLabel* label(WindowId window, std::string_view name) const { return control<QLabel>(window, name); }
    QPushButton* button(WindowId window, std::string_view name) const {
        return control<QPushButton>(window, name);
    }

    // Clicks a real button with the mouse.
    void press(WindowId window, std::string_view name) const {
        QPushButton* b = button(window, name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Keyboard shortcuts reach only the active window.
    bool activate(WindowId window) const {
        ui::WindowWidget* w = widget(window);
        if (!w) return false;
        w->activateWindow();
        return QTest::qWaitForWindowActive(w, 1000);
    }

    // Time passes for the window timers, and the widgets catch up with what the ticks did.
    void advance(std::uint64_t ms) {
        core.timers.advance(core.program, ms);
        view.sync();
    }
};

inline QString qs(std::string_view text) { return ui::toQString(text); }

}  // namespace vertola::testing
