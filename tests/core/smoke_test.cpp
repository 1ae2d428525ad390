#include <gtest/gtest.h>

#include "fakes.h"

using namespace vertola;

TEST(Smoke, AdditionButtonOpensItsWindow) {
    fakes::Harness h;
    h.program.start();
    h.program.click(WindowId::frmuno, "cmd999");
    h.program.click(WindowId::frm999inizio, "cmdadd");
    EXPECT_EQ(h.program.state(WindowId::frm999addizioni), WindowState::Shown);
    EXPECT_EQ(h.program.state(WindowId::frm999inizio), WindowState::NotLoaded);
}
