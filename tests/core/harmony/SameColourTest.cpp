#include "core/harmony/SameColour.h"

#include <gtest/gtest.h>

namespace
{

// Fifteen shown fields, each its own grey.
RowFields verschiedene()
{
    RowFields r{};
    for (int n = 1; n <= 15; ++n)
        r[static_cast<std::size_t>(n)] = {Rgb{n * 10, n * 10, n * 10}, true};
    return r;
}

// Field b takes field a's colour.
RowFields gleich(int a, int b)
{
    RowFields r = verschiedene();
    r[static_cast<std::size_t>(b)].colourValue = r[static_cast<std::size_t>(a)].colourValue;
    return r;
}

} // namespace

TEST(SameColour, ComparedPairsRaiseTheWarning)
{
    EXPECT_FALSE(sameColourInRow(verschiedene()));
    for (const auto& [a, b] :
         {std::pair{3, 4}, {14, 15}, {7, 8}, {8, 9}, {1, 8}, {15, 8}, {1, 5}, {1, 7}, {15, 9}, {15, 12}})
        EXPECT_TRUE(sameColourInRow(gleich(a, b))) << "R" << a << " and R" << b;
}

// Inner fields that are no neighbours, and fields across the centre, are not compared.
TEST(SameColour, OtherPairsAreNotCompared)
{
    for (const auto& [a, b] : {std::pair{2, 5}, {3, 7}, {1, 15}, {1, 9}, {7, 9}, {9, 13}, {2, 14}})
        EXPECT_FALSE(sameColourInRow(gleich(a, b))) << "R" << a << " and R" << b;
}

TEST(SameColour, ParkedFieldsNeverCount)
{
    RowFields r = gleich(3, 4);
    r[4].displayed = false;
    EXPECT_FALSE(sameColourInRow(r));
    r = gleich(1, 8);
    r[1].displayed = false;
    EXPECT_FALSE(sameColourInRow(r));

    // A 7-field row: rings 4 to 6 parked with one colour between them.
    r = verschiedene();
    for (int n : {2, 3, 4, 12, 13, 14}) {
        r[static_cast<std::size_t>(n)] = {Rgb{1, 2, 3}, false};
    }
    EXPECT_FALSE(sameColourInRow(r));
}
