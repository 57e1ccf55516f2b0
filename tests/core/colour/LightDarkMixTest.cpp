#include "core/colour/LightDark.h"
#include "core/colour/MixReference.h"

#include <gtest/gtest.h>

TEST(LightDarkMix, ShortcutsAvoidDivisionByZero)
{
    EXPECT_EQ(rechneHellDunkel(218, 0, 0), 218);
    for (int d : {0, 1, 128, 255})
        EXPECT_EQ(rechneHellDunkel(0, d, 77), 77);
    for (int h : {0, 1, 128, 255})
        EXPECT_EQ(rechneHellDunkel(255, 0, h), 255);
}

TEST(LightDarkMix, FullAmountsReachBlackAndWhite)
{
    EXPECT_EQ(rechneHellDunkel(100, 255, 0), 0);
    EXPECT_EQ(rechneHellDunkel(100, 0, 255), 255);
    EXPECT_EQ(rechneHellDunkel(200, 51, 51), 179);
    for (int base = 1; base <= 255; ++base) {
        EXPECT_EQ(rechneHellDunkel(base, 255, 0), 0) << base;
        EXPECT_EQ(rechneHellDunkel(base, 0, 255), 255) << base;
        EXPECT_EQ(rechneHellDunkel(base, 255, 255), 255) << base;
    }
}

TEST(LightDarkMix, StaysInRangeAndIsMonotone)
{
    for (int base = 0; base <= 255; base += 5)
        for (int d = 0; d <= 255; d += 15) {
            int previous = -1;
            for (int h = 0; h <= 255; h += 15) {
                const int v = rechneHellDunkel(base, d, h);
                ASSERT_GE(v, 0);
                ASSERT_LE(v, 255);
                ASSERT_GE(v, previous) << base << " " << d << " " << h;
                previous = v;
            }
        }
}

TEST(LightDarkMix, AgreesWithTheWrittenFormulaForEveryInput)
{
    int abweichungen = 0;
    for (int base = 0; base <= 255; ++base)
        for (int d = 0; d <= 255; ++d)
            for (int h = 0; h <= 255; ++h)
                if (rechneHellDunkel(base, d, h) != referenzMischung(base, d, h) && ++abweichungen <= 5)
                    ADD_FAILURE() << "base " << base << ", dark " << d << ", light " << h << ": "
                                  << rechneHellDunkel(base, d, h) << " instead of "
                                  << referenzMischung(base, d, h);
    EXPECT_EQ(abweichungen, 0);
}
