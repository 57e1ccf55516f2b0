#include "core/documents/IntermediateRows.h"
#include "core/language/LanguageTable.h"

#include <gtest/gtest.h>

namespace
{

const LanguageTable en = LanguageTable::forLanguage(Language::english);
const LanguageTable de = LanguageTable::forLanguage(Language::german);

std::vector<int> ys(const std::vector<IntermediateRow>& rowList)
{
    std::vector<int> y;
    for (const IntermediateRow& z : rowList)
        y.push_back(z.y);
    return y;
}

std::vector<QString> labels(const std::vector<IntermediateRow>& rowList)
{
    std::vector<QString> l;
    for (const IntermediateRow& z : rowList)
        l.push_back(z.label);
    return l;
}

} // namespace

TEST(IntermediateRows, WindowMeasuresFollowTheStepTable)
{
    const std::pair<int, IntermediateMetrics> tableWidget[] = {
        {1, {204, 130, 103}}, {2, {252, 178, 151}}, {3, {300, 226, 199}}, {4, {348, 274, 247}},
        {5, {396, 322, 295}}, {6, {444, 370, 343}}, {7, {495, 420, 391}}};
    for (const auto& [n, masse] : tableWidget)
        EXPECT_EQ(intermediateMetrics(n), masse) << n;
}

TEST(IntermediateRows, StepsComeFromTheLeadingRingsInUse)
{
    EXPECT_EQ(stepCountFrom({false, false, false, false, false, false, false, false}), 1);
    EXPECT_EQ(stepCountFrom({false, false, true, true, true, false, false, false}), 4);
    EXPECT_EQ(stepCountFrom({false, false, true, true, true, true, true, true}), 7);
    EXPECT_EQ(stepCountFrom({false, false, true, false, true, true, true, true}), 2);
}

TEST(IntermediateRows, ThreeFieldsShowBigLeftCentreRight)
{
    const auto rowList = intermediateRows(1, true, en);
    EXPECT_EQ(ys(rowList), (std::vector<int>{22, 46, 70, 94}));
    EXPECT_EQ(labels(rowList), (std::vector<QString>{"Big field", "Small field left-hand side",
                                                     "Small field center", "Small field right-hand side"}));
    EXPECT_EQ(rowList[1].endIndex, 43);
    EXPECT_EQ(rowList[2].endIndex, 46);
    EXPECT_EQ(rowList[3].endIndex, 40);
}

TEST(IntermediateRows, SevenFieldsAreRenumberedAroundTheCentre)
{
    const auto rowList = intermediateRows(3, false, en);
    EXPECT_EQ(labels(rowList),
              (std::vector<QString>{"Small field left-hand side", "2nd small field", "3rd small field",
                                    "Small field center", "5th small field", "6th small field",
                                    "Small field right-hand side"}));
    // Colour rows have no big row, yet the row of fields keeps its place.
    EXPECT_EQ(rowList.front().y, 46);
    // Ring 2 left, ring 1 left, centre, ring 1 right, ring 2 right.
    EXPECT_EQ(rowList[1].endIndex, 10);
    EXPECT_EQ(rowList[2].endIndex, 4);
    EXPECT_EQ(rowList[4].endIndex, 1);
    EXPECT_EQ(rowList[5].endIndex, 7);
    // Intermediate rows are printed with their label, the others with the field name.
    EXPECT_EQ(rowList[1].name, "2nd small field");
    EXPECT_EQ(intermediateRows(3, false, de)[0].name, "Kleine Fl. links");
    EXPECT_EQ(intermediateRows(3, false, de)[0].label, "kl. Fläche links");
}

TEST(IntermediateRows, FifteenFieldsKeepTheCentreName)
{
    const auto rowList = intermediateRows(7, true, en);
    ASSERT_EQ(rowList.size(), 16u);
    EXPECT_EQ(rowList[8].label, "Small field center"); // the 8th field of the row
    EXPECT_EQ(rowList[9].label, "9th small field");
    EXPECT_EQ(rowList[14].label, "14th small field");
    EXPECT_EQ(rowList[15].y, 46 + 14 * 24);
    EXPECT_EQ(rowList[1].endIndex, 43);
    EXPECT_EQ(rowList[2].endIndex, 34);  // ring 6 left
    EXPECT_EQ(rowList[14].endIndex, 31); // ring 6 right
}

TEST(IntermediateRows, ValuesAreTheDisplayedTexts)
{
    OneBased<48> end{};
    end[46] = 218;
    end[47] = 37;
    end[48] = 29;
    const auto rowList = intermediateRows(1, false, en);
    EXPECT_EQ(rowValues(rowList[1], end), (FieldTexts{"Small field center", "218", "37", "29", "#DA251D"}));
}
