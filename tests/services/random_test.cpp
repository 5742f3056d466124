#include "services/random.h"

#include <gtest/gtest.h>

// The sequence is fixed from the start of every run.
TEST(TRandomGenerator, StartsWithTheFixedSequence)
{
    TRandomGenerator generator;
    for (const int expected : {346, 130, 10982, 1090, 11656})
        EXPECT_EQ(generator.Rand(), expected);
}
