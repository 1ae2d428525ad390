#include <gtest/gtest.h>
#include "frame/numeric_reading.h"
TEST(Smoke, ReadsDigits) { EXPECT_EQ(vertola::readNumber("4 5"), 45); }
