#include "engine/text.hpp"
#include <gtest/gtest.h>
TEST(TextTest, Placeholder) { EXPECT_EQ(cuepad::findText("ab", "b"), 2); }
