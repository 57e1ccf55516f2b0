#include "core/documents/PreviewLayout.h"

#include <gtest/gtest.h>

TEST(PreviewLayout, BarsByStepCount)
{
    EXPECT_EQ(vorschauBalken(1), (std::vector<int>{1, 8, 15}));
    EXPECT_EQ(vorschauBalken(3), (std::vector<int>{1, 6, 7, 8, 9, 10, 15}));
    EXPECT_EQ(vorschauBalken(7).size(), 15u);
    EXPECT_EQ(balkenY(0), 66);
    EXPECT_EQ(balkenY(2), 126);
    EXPECT_EQ(balkenY(14), 486);
}

TEST(PreviewLayout, RingOfSizeKReturnsAfterKSteps)
{
    std::vector<int> zwei{10, 20};
    ringDrehen(zwei);
    EXPECT_EQ(zwei, (std::vector<int>{20, 10}));
    std::vector<int> drei{0, 1, 3}; // background, Panel1, Panel3
    ringDrehen(drei);
    EXPECT_EQ(drei, (std::vector<int>{3, 0, 1}));
    std::vector<int> reihe(14); // background and 13 bars
    for (int i = 0; i < 14; ++i)
        reihe[static_cast<std::size_t>(i)] = i;
    const auto start = reihe;
    for (int i = 0; i < 14; ++i) {
        ringDrehen(reihe);
        EXPECT_EQ(reihe == start, i == 13);
    }
}

TEST(PreviewLayout, TextsShareTheMiddlePanel)
{
    const TextLage vier = textLage(4, {600, 100});
    EXPECT_EQ(vier.text1, QRect(0, 0, 600, 33));
    EXPECT_EQ(vier.text2, QRect(0, 33, 600, 33));
    EXPECT_EQ(vier.text3, QRect(0, 66, 600, 34));
    const TextLage drei = textLage(3, {600, 101});
    EXPECT_EQ(drei.text1, QRect(0, 0, 600, 51));
    EXPECT_EQ(drei.text2, QRect(0, 51, 600, 50));
    EXPECT_TRUE(drei.text3.isNull());
    EXPECT_EQ(textLage(2, {600, 100}).text1, QRect(0, 0, 600, 100));
}
