#include "support/WindowFixture.h"

#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/PictureBox.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

struct RimCount {
    int blocks = 0;
    int uniform = 0; // blocks whose four device pixels are one colour
};

// The 2 x 2 device pixel blocks of the angle picture that the wheel's rim crosses.
RimCount rimBlocks(const QImage& shown)
{
    RimCount c;
    for (int by = 0; by < 122; ++by)
        for (int bx = 0; bx < 122; ++bx) {
            if (std::abs(std::hypot(bx + 0.5 - 61, by + 0.5 - 61) - 60) > 0.5)
                continue;
            ++c.blocks;
            const QRgb p = shown.pixel(2 * bx, 2 * by);
            c.uniform += p == shown.pixel(2 * bx + 1, 2 * by) && p == shown.pixel(2 * bx, 2 * by + 1) &&
                         p == shown.pixel(2 * bx + 1, 2 * by + 1);
        }
    return c;
}

} // namespace

// Run with QT_SCALE_FACTOR=2 (its own ctest entry): the pictures are made for
// the screen's own pixels, so the wheel's rim is not 2 x 2 blocks of 1x pixels,
// with or without a colour-vision simulation.
TEST(SharpPictures, WheelBandAndOverlayHaveTheScreensResolution)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    MainWidgets& w = f.w();
    const double ratio = w.angle.ImageWW->devicePixelRatioF();
    if (ratio != 2.0)
        GTEST_SKIP() << "needs a device pixel ratio of 2, has " << ratio;

    EXPECT_EQ(w.band.Image2->image().size(), QSize(1356, 130));
    EXPECT_EQ(w.lightDark.Image3->image().size(), QSize(510, 508));
    QTRY_COMPARE(w.angle.ImageWW->image().devicePixelRatio(), 2.0);

    const QImage shown = w.angle.ImageWW->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(246, 246));
    const RimCount normal = rimBlocks(shown);
    ASSERT_GT(normal.blocks, 300);
    EXPECT_LT(normal.uniform, normal.blocks / 10);

    ColourVisionFilter::sharedFilter().setKind(ColourVisionKind::deuteranopia);
    const QImage simulated = w.angle.ImageWW->grab().toImage();
    ColourVisionFilter::sharedFilter().setKind(ColourVisionKind::normal);
    EXPECT_NE(simulated, shown);
    EXPECT_LT(rimBlocks(simulated).uniform, normal.blocks / 10);
}
