#include "core/colour/BandTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace
{

struct Row {
    int pos;
    Rgb realistic, luminous;
};

const std::vector<Row>& anchorRows()
{
    static const std::vector<Row> rows{
        {0, {218, 37, 29}, {255, 0, 0}},      {28, {220, 57, 25}, {255, 40, 0}},
        {56, {224, 80, 22}, {255, 79, 0}},    {85, {228, 107, 24}, {255, 124, 0}},
        {113, {233, 133, 27}, {255, 167, 0}}, {141, {243, 190, 14}, {255, 211, 0}},
        {169, {254, 252, 0}, {255, 255, 0}},  {198, {186, 222, 20}, {193, 255, 0}},
        {226, {117, 190, 41}, {135, 255, 0}}, {254, {60, 168, 53}, {70, 255, 0}},
        {282, {5, 147, 62}, {4, 255, 0}},     {311, {0, 146, 100}, {0, 255, 64}},
        {339, {0, 146, 141}, {0, 255, 129}},  {367, {0, 146, 177}, {0, 255, 188}},
        {395, {0, 146, 214}, {0, 255, 246}},  {424, {0, 121, 194}, {0, 177, 255}},
        {452, {0, 93, 163}, {0, 88, 255}},    {480, {19, 57, 136}, {0, 0, 255}},
        {508, {40, 22, 111}, {49, 0, 255}},   {537, {82, 25, 114}, {103, 0, 255}},
        {565, {123, 28, 118}, {162, 0, 255}}, {593, {169, 24, 120}, {208, 0, 255}},
        {621, {217, 19, 122}, {253, 0, 255}}, {650, {219, 28, 74}, {255, 0, 127}},
        {677, {218, 37, 29}, {255, 0, 0}},
    };
    return rows;
}

int channel(const Rgb& c, int ch)
{
    return ch == 0 ? c.r : ch == 1 ? c.g : c.b;
}

TEST(BandTables, ListedRowsAreHitExactly)
{
    for (const Row& row : anchorRows()) {
        EXPECT_EQ(realisticBand().at(row.pos), row.realistic) << "position " << row.pos;
        EXPECT_EQ(luminousBand().at(row.pos), row.luminous) << "position " << row.pos;
    }
}

TEST(BandTables, BandTypeSelectsTable)
{
    EXPECT_EQ(&bandTable(false), &realisticBand());
    EXPECT_EQ(&bandTable(true), &luminousBand());
}

TEST(BandTables, BothEndsOfTheBandAreTheSameRed)
{
    EXPECT_EQ(realisticBand().at(0), realisticBand().at(677));
    EXPECT_EQ(luminousBand().at(0), luminousBand().at(677));
    const Rgb red{218, 37, 29};
    for (int p : {0, 1, 2, 675, 676, 677}) {
        const Rgb c = realisticBand().at(p);
        EXPECT_LE(std::abs(c.r - red.r), 4) << p;
        EXPECT_LE(std::abs(c.g - red.g), 4) << p;
        EXPECT_LE(std::abs(c.b - red.b), 4) << p;
    }
}

TEST(BandTables, LuminousEntriesAreFullySaturated)
{
    for (int p = 0; p < bandLength; ++p) {
        const Rgb c = luminousBand().at(p);
        const int hi = std::max({c.r, c.g, c.b});
        const int lo = std::min({c.r, c.g, c.b});
        EXPECT_EQ(hi, 255) << "position " << p;
        EXPECT_EQ(lo, 0) << "position " << p;
    }
}

// Between neighbouring primaries only one channel moves, monotonically, and
// along a curve rather than a straight line.
TEST(BandTables, LuminousPrimariesAndSegments)
{
    const std::vector<std::pair<int, Rgb>> primaries{
        {0, {255, 0, 0}},   {169, {255, 255, 0}}, {284, {0, 255, 0}}, {399, {0, 255, 255}},
        {480, {0, 0, 255}}, {622, {255, 0, 255}}, {677, {255, 0, 0}},
    };
    const BandTable& lum = luminousBand();
    for (std::size_t i = 0; i + 1 < primaries.size(); ++i) {
        const auto [a, ca] = primaries[i];
        const auto [b, cb] = primaries[i + 1];
        EXPECT_EQ(lum.at(a), ca);
        int moving = -1;
        for (int ch = 0; ch < 3; ++ch)
            if (channel(ca, ch) != channel(cb, ch))
                moving = ch;
        ASSERT_GE(moving, 0);
        const int dir = channel(cb, moving) > channel(ca, moving) ? 1 : -1;
        int maxDeviation = 0;
        for (int p = a; p <= b; ++p) {
            const Rgb c = lum.at(p);
            for (int ch = 0; ch < 3; ++ch) {
                if (ch != moving) {
                    EXPECT_EQ(channel(c, ch), channel(ca, ch)) << "position " << p;
                }
            }
            if (p > a) {
                EXPECT_GT(dir * (channel(c, moving) - channel(lum.at(p - 1), moving)), 0) << "position " << p;
            }
            const double linear =
                channel(ca, moving) + (channel(cb, moving) - channel(ca, moving)) * double(p - a) / (b - a);
            maxDeviation = std::max(maxDeviation, int(std::abs(channel(c, moving) - linear)));
        }
        EXPECT_GE(maxDeviation, 3) << "segment " << a << ".." << b << " is a straight line";
    }
}

TEST(BandTables, LuminousGreenRisesAlongTheCurve)
{
    const BandTable& lum = luminousBand();
    EXPECT_EQ(lum.at(20).g, 29);
    EXPECT_EQ(lum.at(160).g, 241);
    EXPECT_LE(lum.at(167).g, 253);
    EXPECT_GE(lum.at(168).g, 254);
    for (int p = 0; p < 168; ++p) {
        EXPECT_LT(lum.at(p).g, 254) << "position " << p;
    }
}

TEST(BandTables, RealisticStaysNearTheListedRows)
{
    const auto& rows = anchorRows();
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const Row& lo = rows[i];
        const Row& hi = rows[i + 1];
        for (int p = lo.pos; p <= hi.pos; ++p) {
            const Rgb c = realisticBand().at(p);
            const double t = double(p - lo.pos) / (hi.pos - lo.pos);
            for (int ch = 0; ch < 3; ++ch) {
                const double linear =
                    channel(lo.realistic, ch) + t * (channel(hi.realistic, ch) - channel(lo.realistic, ch));
                EXPECT_LE(std::abs(channel(c, ch) - linear), 11.0) << "position " << p << " channel " << ch;
            }
        }
    }
}

TEST(BandTables, KomplementIsHalfATurnAway)
{
    EXPECT_EQ(complement(0), 339);
    EXPECT_EQ(complement(338), 677);
    EXPECT_EQ(complement(339), 0);
    EXPECT_EQ(complement(677), 338);
}

} // namespace
