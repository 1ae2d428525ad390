#include <gtest/gtest.h>

#include "ui/bare_arguments.h"

using namespace vertola::ui;

namespace {

// Whatever follows the program's name on its command line, Qt is given the name alone.
TEST(BareArguments, GiveQtOnlyTheProgramsName) {
    char name[] = "/usr/bin/vertola";
    BareArguments arguments(name);
    ASSERT_EQ(arguments.argc(), 1);
    EXPECT_EQ(arguments.argv()[0], name);
    EXPECT_EQ(arguments.argv()[1], nullptr);
}

}  // namespace
