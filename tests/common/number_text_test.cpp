#include "common/number_text.h"
#include <gtest/gtest.h>
TEST(Placeholder, Builds) { EXPECT_EQ(dravik::formatF3(1.25).toStdString(), "1,250"); }
