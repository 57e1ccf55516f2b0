#include "support/ThrowawayHome.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    useThrowawayHome();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
