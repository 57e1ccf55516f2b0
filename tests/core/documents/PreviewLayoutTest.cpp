#include "core/documents/PreviewLayout.h"

#include <gtest/gtest.h>

TEST(PreviewLayout, BarsByStepCount)
{
    EXPECT_EQ(previewBars(1), (std::vector<int>{1, 8, 15}));
    EXPECT_EQ(previewBars(3), (std::vector<int>{1, 6, 7, 8, 9, 10, 15}));
    EXPECT_EQ(previewBars(7).size(), 15u);
    EXPECT_EQ(barY(0), 66);
    EXPECT_EQ(barY(2), 126);
    EXPECT_EQ(barY(14), 486);
}

TEST(PreviewLayout, RingOfSizeKReturnsAfterKSteps)
{
    std::vector<int> zwei{10, 20};
    rotateRing(zwei);
    EXPECT_EQ(zwei, (std::vector<int>{20, 10}));
    std::vector<int> three{0, 1, 3}; // background, Panel1, Panel3
    rotateRing(three);
    EXPECT_EQ(three, (std::vector<int>{3, 0, 1}));
    std::vector<int> row(14); // background and 13 bars
    for (int i = 0; i < 14; ++i)
        row[static_cast<std::size_t>(i)] = i;
    const auto start = row;
    for (int i = 0; i < 14; ++i) {
        rotateRing(row);
        EXPECT_EQ(row == start, i == 13);
    }
}

TEST(PreviewLayout, TextsShareTheMiddlePanel)
{
    const TextPlacement vier = textPlacement(4, {600, 100});
    EXPECT_EQ(vier.text1, QRect(0, 0, 600, 33));
    EXPECT_EQ(vier.text2, QRect(0, 33, 600, 33));
    EXPECT_EQ(vier.text3, QRect(0, 66, 600, 34));
    const TextPlacement three = textPlacement(3, {600, 101});
    EXPECT_EQ(three.text1, QRect(0, 0, 600, 51));
    EXPECT_EQ(three.text2, QRect(0, 51, 600, 50));
    EXPECT_TRUE(three.text3.isNull());
    EXPECT_EQ(textPlacement(2, {600, 100}).text1, QRect(0, 0, 600, 100));
}
