// The Palette window: swatches of an imported palette, taken as the base colour.
#include "ui/documents/PaletteWindow.h"
#include "core/language/LanguageTable.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

TEST(PaletteWindow, ShowsGroupsSharesAndMarksAndHandsASwatchOnByEnterOrDoubleClick)
{
    const LanguageTable t = LanguageTable::forLanguage(Language::english);
    const ImportedPalette palette{QStringLiteral("Brand"),
                                  {{QString(), {{QStringLiteral("Rot"), qRgb(218, 37, 29), false, 0}}},
                                   {QStringLiteral("Leer"), {}},
                                   {QString::fromUtf8("Kühl"),
                                    {{QString(), qRgb(0, 90, 255), true, 0},
                                     {QString::fromUtf8("Grün"), qRgb(0, 146, 141), false, 40.25}}}},
                                  true};
    QVector<QRgb> taken;
    PaletteWindow window(palette, t, [&taken](QRgb c) { taken << c; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Palette – Brand"));

    QListWidget* list = window.swatchList();
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    EXPECT_EQ(rows, (QStringList{QStringLiteral("No group"), QStringLiteral("Rot\n#DA251D"),
                                 QStringLiteral("Leer"), QString::fromUtf8("Kühl"),
                                 QString::fromUtf8("#005AFF   ≈ outside sRGB, mapped into sRGB"),
                                 QString::fromUtf8("Grün\n#00928D   40.3 %")}));
    EXPECT_TRUE(
        window.findChild<QLabel*>(QStringLiteral("note"))->text().startsWith(QStringLiteral("CMYK colors")));

    // The first swatch is current: Enter takes it; a heading takes nothing.
    list->setFocus();
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return taken == QVector<QRgb>{qRgb(218, 37, 29)}; }));
    // A double-click is a click and then the second press, as a mouse sends it.
    for (int row : {3, 5}) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return taken == QVector<QRgb>{qRgb(218, 37, 29), qRgb(0, 146, 141)};
    })) << taken.size();

    // The arrow keys pass over headings, and stop at the last swatch.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 4);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 1);
}
