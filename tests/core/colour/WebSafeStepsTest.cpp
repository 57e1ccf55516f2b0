#include "core/tools/WebSafeSteps.h"
#include "core/colour/Conversions.h"

#include <gtest/gtest.h>

TEST(WebSafeDialog, LevelsRoundAtTheMidpointsAndStepAroundThem)
{
    const int stufe2[][2] = {{25, 0}, {26, 51}, {76, 51}, {77, 102}, {229, 204}, {230, 255}};
    for (const auto& c : stufe2)
        EXPECT_EQ(websichereFarben(c[0], 2), c[1]) << c[0];
    const int v200[] = {102, 153, 204, 255, 255};
    for (int level = 0; level <= 4; ++level)
        EXPECT_EQ(websichereFarben(200, level), v200[level]) << level;
}

TEST(WebSafeDialog, SelectionRangesAndPushBackAtTheEnds)
{
    EXPECT_EQ(stepRange(0), (StepRange{2, 4}));
    EXPECT_EQ(stepRange(51), (StepRange{1, 4}));
    EXPECT_EQ(stepRange(153), (StepRange{0, 4}));
    EXPECT_EQ(stepRange(204), (StepRange{0, 3}));
    EXPECT_EQ(stepRange(255), (StepRange{0, 2}));

    EXPECT_EQ(stepAfterDrag(255, 2, 3), 2);
    EXPECT_EQ(stepAfterDrag(255, 2, 0), 0);
    EXPECT_EQ(stepAfterDrag(0, 2, 1), 2);
    EXPECT_EQ(stepAfterDrag(0, 2, 4), 4);
    EXPECT_EQ(stepAfterDrag(153, 2, 4), 4); // a jump past the marked range is accepted
}

TEST(WebSafeDialog, NextOneVisitsTheFieldsInUse)
{
    // 2-colour: big and small right only.
    EXPECT_EQ(nextField(Field::big, false, true, false), Field::right);
    EXPECT_EQ(nextField(Field::right, false, true, false), Field::big);
    // 3-colour: big, left, right.
    EXPECT_EQ(nextField(Field::big, true, true, false), Field::left);
    EXPECT_EQ(nextField(Field::left, true, true, false), Field::right);
    // 4-colour: big, left, centre, right.
    EXPECT_EQ(nextField(Field::left, true, true, true), Field::centre);
    EXPECT_EQ(nextField(Field::centre, true, true, true), Field::right);
    EXPECT_EQ(nextField(Field::big, false, false, false), Field::big);
}
