#include "core/tools/WebSafeSteps.h"
#include "core/colour/Conversions.h"

#include <gtest/gtest.h>

TEST(WebSafeDialog, LevelsRoundAtTheMidpointsAndStepAroundThem)
{
    const int stufe2[][2] = {{25, 0}, {26, 51}, {76, 51}, {77, 102}, {229, 204}, {230, 255}};
    for (const auto& c : stufe2)
        EXPECT_EQ(websichereFarben(c[0], 2), c[1]) << c[0];
    const int v200[] = {102, 153, 204, 255, 255};
    for (int stufe = 0; stufe <= 4; ++stufe)
        EXPECT_EQ(websichereFarben(200, stufe), v200[stufe]) << stufe;
}

TEST(WebSafeDialog, SelectionRangesAndPushBackAtTheEnds)
{
    EXPECT_EQ(stufenBereich(0), (StufenBereich{2, 4}));
    EXPECT_EQ(stufenBereich(51), (StufenBereich{1, 4}));
    EXPECT_EQ(stufenBereich(153), (StufenBereich{0, 4}));
    EXPECT_EQ(stufenBereich(204), (StufenBereich{0, 3}));
    EXPECT_EQ(stufenBereich(255), (StufenBereich{0, 2}));

    EXPECT_EQ(stufeNachZug(255, 2, 3), 2);
    EXPECT_EQ(stufeNachZug(255, 2, 0), 0);
    EXPECT_EQ(stufeNachZug(0, 2, 1), 2);
    EXPECT_EQ(stufeNachZug(0, 2, 4), 4);
    EXPECT_EQ(stufeNachZug(153, 2, 4), 4); // a jump past the marked range is accepted
}

TEST(WebSafeDialog, NextOneVisitsTheFieldsInUse)
{
    // 2-colour: big and small right only.
    EXPECT_EQ(naechstesFeld(Feld::gross, false, true, false), Feld::rechts);
    EXPECT_EQ(naechstesFeld(Feld::rechts, false, true, false), Feld::gross);
    // 3-colour: big, left, right.
    EXPECT_EQ(naechstesFeld(Feld::gross, true, true, false), Feld::links);
    EXPECT_EQ(naechstesFeld(Feld::links, true, true, false), Feld::rechts);
    // 4-colour: big, left, centre, right.
    EXPECT_EQ(naechstesFeld(Feld::links, true, true, true), Feld::mitte);
    EXPECT_EQ(naechstesFeld(Feld::mitte, true, true, true), Feld::rechts);
    EXPECT_EQ(naechstesFeld(Feld::gross, false, false, false), Feld::gross);
}
