#include "widgets/ColourPanel.h"
#include "widgets/StaticText.h"

#include <QEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(o, e);
    }
};

} // namespace

TEST(ColourPanel, SameColourAgainDoesNotRepaint)
{
    ColourPanel panel(nullptr, QStringLiteral("probe"));
    panel.resize(40, 30);
    PaintCounter zaehler;
    panel.installEventFilter(&zaehler);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_TRUE(panel.setColour(QColor(10, 20, 30)));
    QTest::qWait(20);
    const int nachErstem = zaehler.paints;
    EXPECT_GT(nachErstem, 0);

    EXPECT_FALSE(panel.setColour(QColor(10, 20, 30)));
    QTest::qWait(20);
    EXPECT_EQ(zaehler.paints, nachErstem);

    EXPECT_TRUE(panel.setColour(QColor(10, 20, 31)));
    QTest::qWait(20);
    EXPECT_GT(zaehler.paints, nachErstem);
}

TEST(ColourPanel, MovingKeepsTheShownOrHiddenStateAndFillsOnRequest)
{
    ColourPanel sichtbar(nullptr, QStringLiteral("sichtbar"));
    ColourPanel versteckt(nullptr, QStringLiteral("versteckt"));
    sichtbar.resize(200, 100);
    versteckt.resize(200, 100);
    versteckt.setBevel(ColourPanel::Bevel::lowered);
    auto* feld = new ColourPanel(&sichtbar, QStringLiteral("feld"));
    auto* verborgen = new ColourPanel(&sichtbar, QStringLiteral("verborgen"));
    verborgen->hide();
    sichtbar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sichtbar));

    moveInto(feld, &versteckt);
    moveInto(verborgen, &versteckt);
    EXPECT_FALSE(feld->isHidden());
    EXPECT_TRUE(verborgen->isHidden());

    moveInto(feld, &sichtbar, true);
    EXPECT_TRUE(feld->isVisible());
    EXPECT_EQ(feld->geometry(), sichtbar.rect());
    sichtbar.resize(300, 120);
    EXPECT_EQ(feld->geometry(), QRect(0, 0, 300, 120));

    moveInto(feld, &versteckt, true);
    EXPECT_EQ(feld->geometry(), QRect(1, 1, 198, 98)); // inside the bevel
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
