#include <gtest/gtest.h>

#include "runtime/values.h"

TEST(Values, StoredSizesFollowTheKindTable) {
    EXPECT_EQ(rt::value_size(rt::kTagByte), 1u);
}
