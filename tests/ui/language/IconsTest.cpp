#include "support/InteractionFixture.h"

#include "core/colour/Contrast.h"
#include "core/language/Actions.h"
#include "ui/language/ActionIcons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace
{

// Counts the pixels an icon actually paints at tool bar size.
int gemaltePixel(const QImage& picture)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
    return n;
}

QImage drawDisplay(const QIcon& icon, int extent, qreal scale = 1.0)
{
    return icon.pixmap(QSize(extent, extent), scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The colour most pixels of the picture have: the button's background.
QRgb mostFrequent(const QImage& picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    return std::max_element(counts.begin(), counts.end(), [](int a, int b) { return a < b; }).key();
}

// How many pixels stand out from the background by the WCAG ratio of 3:1 or more.
int pixelsAtThreeToOne(const QImage& picture, QRgb background)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += contrastRatio(picture.pixel(x, y) | 0xff000000u, background) >= 3.0 ? 1 : 0;
    return n;
}

class PaletteGuard
{
public:
    PaletteGuard() : m_palette(QApplication::palette()) {}
    ~PaletteGuard() { QApplication::setPalette(m_palette); }

private:
    QPalette m_palette;
};

} // namespace

TEST(IconsTest, EveryImageIndexHasAnIconThatPaintsInBothShadesAndSizes)
{
    for (int index : usedImageIndices()) {
        for (const IconShade shade : {IconShade::forLightBackground, IconShade::forDarkBackground}) {
            SCOPED_TRACE(iconName(index).toStdString());
            const QIcon icon = actionIcon(index, shade);
            const QImage picture = drawDisplay(icon, 24);
            ASSERT_EQ(picture.size(), QSize(24, 24));
            // Neither blank nor a filled square: something recognisable in between.
            const int n = gemaltePixel(picture);
            EXPECT_GT(n, 24 * 24 / 10);
            EXPECT_LT(n, 24 * 24);
            // High-density screens get the picture rendered at twice the size, not scaled up.
            const QImage sharp = drawDisplay(icon, 24, 2.0);
            EXPECT_EQ(sharp.size(), QSize(48, 48));
            EXPECT_GT(gemaltePixel(sharp), 3 * n);
        }
    }
    EXPECT_EQ(drawDisplay(programIcon(), 64).size(), QSize(64, 64));
}

// Every tool bar icon keeps a recognisable part (its outline) at 3:1 or more against the
// button in the light palette and, once the application switches, in a dark one.
TEST(IconsTest, ToolBarIconsKeepTheirContrastInALightAndADarkPalette)
{
    const PaletteGuard guard;
    ShownWindow f;
    auto* bar = f.form->findChild<QToolBar*>(QStringLiteral("ActionToolBar1"));
    ASSERT_NE(bar, nullptr);
    const QColor darkWindow(0x2b, 0x2b, 0x2b);
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        if (dark)
            QApplication::setPalette(QPalette(darkWindow, darkWindow));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return (bar->palette().color(QPalette::Window) == darkWindow) == dark;
        })) << bar->palette().color(QPalette::Window).name().toStdString()
            << " form " << f.form->palette().color(QPalette::Window).name().toStdString() << " app "
            << QApplication::palette().color(QPalette::Window).name().toStdString();
        int checkedButtons = 0;
        for (QAction* a : bar->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
            if (!button || !button->isVisible() || a->isChecked())
                continue;
            SCOPED_TRACE(a->objectName().toStdString());
            const QImage picture = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRgb background = mostFrequent(picture);
            EXPECT_EQ(shadeFor(QColor(background)),
                      dark ? IconShade::forDarkBackground : IconShade::forLightBackground);
            // A 2-pixel outline around a 24-pixel icon is well above this.
            EXPECT_GE(pixelsAtThreeToOne(picture, background), 40);
            ++checkedButtons;
        }
        EXPECT_GE(checkedButtons, 10);
    }
}
