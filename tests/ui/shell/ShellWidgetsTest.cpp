#include "support/PaintCounter.h"

#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(ColourPanel, SameColourAgainDoesNotRepaint)
{
    QWidget topWindow;
    topWindow.resize(100, 40);
    auto* panel = new ColourPanel(&topWindow, QStringLiteral("probe"));
    panel->setGeometry(0, 0, 40, 30);
    auto* zeuge = new ColourPanel(&topWindow, QStringLiteral("zeuge"));
    zeuge->setGeometry(50, 0, 40, 30);
    topWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&topWindow));
    ASSERT_TRUE(allesGemalt(zeuge));
    PaintCounter zaehler{panel};

    EXPECT_TRUE(panel->setColour(QColor(10, 20, 30)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaehler.count > 0; }));
    const int nachErstem = zaehler.count;

    EXPECT_FALSE(panel->setColour(QColor(10, 20, 30)));
    ASSERT_TRUE(allesGemalt(zeuge));
    EXPECT_EQ(zaehler.count, nachErstem);

    EXPECT_TRUE(panel->setColour(QColor(10, 20, 31)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaehler.count > nachErstem; }));
}

TEST(ColourPanel, MovingKeepsTheShownOrHiddenStateAndFillsOnRequest)
{
    ColourPanel visible(nullptr, QStringLiteral("sichtbar"));
    ColourPanel versteckt(nullptr, QStringLiteral("versteckt"));
    visible.resize(200, 100);
    versteckt.resize(200, 100);
    versteckt.setBevel(ColourPanel::Bevel::lowered);
    auto* field = new ColourPanel(&visible, QStringLiteral("feld"));
    auto* verborgen = new ColourPanel(&visible, QStringLiteral("verborgen"));
    verborgen->hide();
    visible.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&visible));

    moveInto(field, &versteckt);
    moveInto(verborgen, &versteckt);
    EXPECT_FALSE(field->isHidden());
    EXPECT_TRUE(verborgen->isHidden());

    moveInto(field, &visible, true);
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(field->geometry(), visible.rect());
    visible.resize(300, 120);
    EXPECT_EQ(field->geometry(), QRect(0, 0, 300, 120));

    moveInto(field, &versteckt, true);
    EXPECT_EQ(field->geometry(), QRect(1, 1, 198, 98)); // inside the bevel
}

TEST(StaticText, RecoloursOnlyWhenAColourChanges)
{
    StaticText text(nullptr, QStringLiteral("SGrObR"), 40);
    EXPECT_EQ(text.width(), 40);
    EXPECT_TRUE(text.setColours(QColor(1, 2, 3), QColor(4, 5, 6)));
    EXPECT_FALSE(text.setColours(QColor(1, 2, 3), QColor(4, 5, 6)));
    EXPECT_EQ(text.background(), QColor(1, 2, 3));
    EXPECT_EQ(text.textColour(), QColor(4, 5, 6));
    EXPECT_TRUE(text.setColours(QColor(1, 2, 3), QColor(0, 0, 0)));
}
