#include "support/WindowFixture.h"

#include "core/colour/Contrast.h"
#include "core/colour/LightDark.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

QPalette darkPalette()
{
    QPalette p = QApplication::palette();
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x2A, 0x2A, 0x2A)},
                                std::pair{QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                std::pair{QPalette::WindowText, QColor(0xE6, 0xE6, 0xE6)},
                                std::pair{QPalette::ButtonText, QColor(0xE6, 0xE6, 0xE6)},
                                std::pair{QPalette::Base, QColor(0x1E, 0x1E, 0x1E)},
                                std::pair{QPalette::Text, QColor(0xE6, 0xE6, 0xE6)}})
        p.setColor(role, colour);
    return p;
}

// Black ground, yellow text, as high-contrast themes have it.
QPalette highContrast()
{
    QPalette p = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        p.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, QColor(0xFF, 0xFF, 0x00));
    return p;
}

struct PaletteOnTheApplication {
    const QPalette before = QApplication::palette();
    explicit PaletteOnTheApplication(const QPalette& p) { QApplication::setPalette(p); }
    ~PaletteOnTheApplication() { QApplication::setPalette(before); }
};

// The window as the screen shows it, and one pixel of it by a widget's own coordinates.
struct Shot {
    QWidget* window;
    QImage image;
    QRgb at(const QWidget* widget, QPoint p) const { return image.pixel(widget->mapTo(window, p)); }
};

Shot shoot(QWidget* window)
{
    return {window, window->grab().toImage()};
}

// Marker, frames and (with the band hidden) the cross-hair against the
// pixel beside each; the contrast is printed for the record.
void expectMarksStandOut(WindowFixture& f, const char* paletteName)
{
    MainWidgets& w = f.w();
    const auto check = [&](const char* what, QRgb mark, QRgb beside) {
        const double ratio = contrastRatio(mark, beside);
        EXPECT_GE(ratio, 3.0) << what << " in the " << paletteName << " palette";
        std::printf("%s palette, %s: %.2f:1\n", paletteName, what, ratio);
    };
    Shot s = shoot(f.form.get());
    check("band marker", s.at(w.band.PaintBox1, {1, 0}), s.at(w.band.PaintBox1, {-1, 0}));
    check("lower band marker", s.at(w.band.PaintBox2, {1, 3}), s.at(w.band.PaintBox2, {-1, 3}));
    check("light/dark frame", s.at(w.lightDark.Image4, {0, 100}), s.at(w.lightDark.Image4, {-1, 100}));
    check("angle picture frame", s.at(w.angle.Image8, {0, 60}), s.at(w.angle.Image8, {-1, 60}));

    f.d().setLightDark(100, 100);
    f.form->actionItem("farbstreifenVerstecken")->trigger();
    ASSERT_TRUE(f.s().actionSet.farbstreifenVerstecken);
    QTRY_VERIFY(w.band.Panel2->isVisible());
    s = shoot(f.form.get());
    // The field now shows the background the cross-hair lies on.
    const int row = w.lightDark.KreuzH->y();
    ASSERT_EQ(row, 100);
    check("cross-hair", s.at(w.lightDark.flaechenanzeigeFarbe, {50, row}),
          s.at(w.lightDark.flaechenanzeigeFarbe, {50, row + 2}));
    f.form->actionItem("farbstreifenVerstecken")->trigger();

    // Back over the overlay, the light percentage stands on its white top.
    ASSERT_FALSE(f.s().actionSet.farbstreifenVerstecken);
    QTRY_VERIFY(w.lightDark.Image3->isVisible());
    s = shoot(f.form.get());
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < w.lightDark.Label1->height(); ++y)
        for (int x = 0; x < w.lightDark.Label1->width(); ++x)
            if (const QRgb p = s.at(w.lightDark.Label1, {x, y}); qGray(p) < qGray(darkest))
                darkest = p;
    EXPECT_GE(contrastRatio(darkest, qRgb(255, 255, 255)), 4.5) << paletteName;
}

} // namespace

TEST(DrawnMarks, StandOutInTheDefaultPalette)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    // Today's look stays where it already stands out.
    EXPECT_EQ(f.w().lightDark.Image4->colour(), QColor(64, 64, 64));
    EXPECT_EQ(f.w().angle.Image8->colour(), QColor(128, 128, 128));
    expectMarksStandOut(f, "default");
}

TEST(DrawnMarks, StandOutInDarkPalettes)
{
    for (const auto& [name, palette] :
         {std::pair{"dark", darkPalette()}, std::pair{"high-contrast", highContrast()}}) {
        const PaletteOnTheApplication dark(palette);
        WindowFixture f(normalerPlatz);
        f.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
        expectMarksStandOut(f, name);
    }
}

// The caption keeps clear of the button's edges in either language and
// whatever font the style gives it.
TEST(DrawnMarks, IntermediateValuesButtonFitsItsCaption)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    QPushButton* button = f.w().rowControls.Button1;
    const QRect rightEdge = button->parentWidget()->geometry();
    for (const QString& caption : {QStringLiteral("Zwischendaten"), QStringLiteral("Interm. Values")}) {
        button->setText(caption);
        QTRY_VERIFY(button->width() >= button->sizeHint().width());
    }
    QFont large = button->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    button->setFont(large);
    QTRY_VERIFY(button->width() >= button->sizeHint().width());
    EXPECT_GT(button->width(), 93);
    EXPECT_GE(button->height(), button->sizeHint().height());
    EXPECT_EQ(button->parentWidget()->geometry().right(), rightEdge.right()); // grows to the left

    QStyle* other = QStyleFactory::create(QStringLiteral("Windows"));
    ASSERT_NE(other, nullptr);
    other->setParent(button);
    button->setStyle(other);
    QTRY_VERIFY(button->width() >= button->sizeHint().width());
}
