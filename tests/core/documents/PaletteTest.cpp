#include "core/documents/Palette.h"
#include "core/colour/BandTables.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/SettingsApply.h"
#include "core/documents/ValueExport.h"
#include "core/language/LanguageTable.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

namespace
{

const LanguageTable english = LanguageTable::forLanguage(Language::english);

// Every cross-hair at (0, 255), where a field keeps its band colour.
SettingsBlock block(int harmonyMode, int p, int right, int left, int centre, int stepIndex = 0)
{
    SettingsBlock b;
    const int valueSet[] = {1, harmonyMode, p, 1,     40,   34,     0,         0, 255, 0, 255, 0, 255,
                            0, 255,         p, right, left, centre, stepIndex, 0, 0,   1, 2,   3};
    for (int i = 1; i <= 25; ++i)
        b.valueSet[i] = valueSet[i - 1];
    return b;
}

MainState fileState(const SettingsBlock& b)
{
    MainState s;
    applySetting(s, fileSetting(b));
    return s;
}

QRgb band(int p)
{
    const Rgb c = realisticBand().at(p);
    return qRgb(c.r, c.g, c.b);
}

QStringList names(const QVector<PaletteEntry>& e)
{
    QStringList n;
    for (const PaletteEntry& x : e)
        n << x.name;
    return n;
}

QByteArray fileItem(const SettingsBlock& b1, int fix, const SettingsBlock& b2)
{
    SettingsBlock a = b1, z = b2;
    a.fixiert = fix;
    return encode({a, z});
}

} // namespace

TEST(Palette, HarmoniesListTheirFieldsInCopyOrderWithTheirBandColours)
{
    const Palette p = paletteFrom(fileState(block(1, 500, 121, 201, 67)), english);
    ASSERT_EQ(p.groups.size(), 1);
    EXPECT_EQ(p.groups[0].name, QStringLiteral("3-Color Harmony"));
    const QVector<PaletteEntry> soll{{QStringLiteral("Big field"), band(500)},
                                     {QStringLiteral("Small field left-hand side"), band(201)},
                                     {QStringLiteral("Small field right-hand side"), band(121)}};
    EXPECT_EQ(p.groups[0].entries, soll);
    EXPECT_EQ(names(combinationColours(fileState(block(0, 10, 349, 0, 0)), english)),
              QStringList({"Big field", "Small field right-hand side"}));
    EXPECT_EQ(names(combinationColours(fileState(block(2, 10, 300, 400, 500)), english)),
              QStringList({"Big field", "Small field left-hand side", "Small field center",
                           "Small field right-hand side"}));
}

TEST(Palette, RowsListTheIntermediateValuesRows)
{
    // Colour rows of 5 fields have no big field; fannings lead with it.
    EXPECT_EQ(names(combinationColours(fileState(block(4, 100, 0, 0, 0, 1)), english)),
              QStringList({"Small field left-hand side", "2nd small field", "Small field center",
                           "4th small field", "Small field right-hand side"}));
    const QStringList faecher = names(combinationColours(fileState(block(3, 100, 0, 0, 0, 6)), english));
    EXPECT_EQ(faecher.size(), 16);
    EXPECT_EQ(faecher.front(), QStringLiteral("Big field"));
}

TEST(Palette, AFixedDisplayGivesTheEditedHalfFirst)
{
    MainState s = fileState(block(0, 10, 349, 0, 0));
    const SettingsBlock left = block(2, 200, 300, 400, 500);
    s.fixiert = true;
    s.fixStand = fixSnapshotFromBlock(left);
    const QVector<PaletteEntry> fixFarben = combinationColours(fileState(left), english);
    Palette p = paletteFrom(s, english);
    ASSERT_EQ(p.groups.size(), 2);
    EXPECT_EQ(p.groups[0].name, QStringLiteral("Right half"));
    EXPECT_EQ(p.groups[0].entries, combinationColours(s, english));
    EXPECT_EQ(p.groups[1].name, QStringLiteral("Left half"));
    EXPECT_EQ(p.groups[1].entries, fixFarben);
    s.fixLinksAktiv = true;
    p = paletteFrom(s, LanguageTable::forLanguage(Language::german));
    EXPECT_EQ(p.groups[0].name, QStringLiteral("Linke Hälfte"));
    EXPECT_EQ(p.groups[1].name, QStringLiteral("Rechte Hälfte"));
}

TEST(OpenedFile, AFixedFileEditsBlockOneAndFixesBlockTwo)
{
    const SettingsBlock right = block(0, 10, 349, 0, 0), left = block(2, 200, 300, 400, 500);
    QByteArray bytes = fileItem(right, 1, left);
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    const std::optional<OpenedFile> d = evaluateFile(puffer, true);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->fileState.fixiert);
    EXPECT_FALSE(d->fileState.fixLinksAktiv);
    EXPECT_EQ(combinationColours(d->fileState, english), combinationColours(fileState(right), english));
    EXPECT_EQ(paletteFrom(d->fileState, english).groups[1].entries,
              combinationColours(fileState(left), english));

    // A file cut short gives nothing, as the window reports it unread.
    QByteArray kurz = bytes.left(bytes.size() - 10);
    QBuffer kurzPuffer(&kurz);
    kurzPuffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(evaluateFile(kurzPuffer, true));
    // So does a whole file whose block names no mode.
    QByteArray ohneModus = fileItem(right, 1, block(7, 200, 300, 400, 500));
    QBuffer ohneModusPuffer(&ohneModus);
    ohneModusPuffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(evaluateFile(ohneModusPuffer, true));
}

TEST(OpenedFile, ValuesTextMarksFieldsTheModeLacks)
{
    const MainState s = fileState(block(0, 10, 349, 0, 0));
    const QStringList rowList = stateValuesText(s, english).split(QStringLiteral("\r\n"));
    ASSERT_EQ(rowList.size(), 23);
    const Rgb big = realisticBand().at(10);
    EXPECT_EQ(rowList.mid(0, 5),
              QStringList({"Big field", QString("R: %1").arg(big.r), QString("G: %1").arg(big.g),
                           QString("B: %1").arg(big.b), "HEX: " + QColor(band(10)).name().toUpper()}));
    EXPECT_EQ(rowList.mid(6, 5),
              QStringList({"Small field left-hand side", "R: -", "G: -", "B: -", "HEX: -"}));
    EXPECT_EQ(rowList.mid(12, 5), QStringList({"Small field center", "R: -", "G: -", "B: -", "HEX: -"}));
}

// Copying and printing follow the value rows: the right half's (upper) row
// first, whichever half is being edited; the palette export instead leads
// with the edited half.
TEST(OpenedFile, AFixedDisplayCopiesAndPrintsTheRightHalfFirst)
{
    MainState s = fileState(block(0, 10, 349, 0, 0));
    const SettingsBlock left = block(2, 200, 300, 400, 500);
    s.fixiert = true;
    s.fixStand = fixSnapshotFromBlock(left);
    const QString separator = QStringLiteral("-------------- FIXED --------------");
    const QString twoColour = fieldListText(fieldListValues(s, english));
    const QString fourColour = fieldListText(fieldListValues(fileState(left), english));
    EXPECT_EQ(stateValuesText(s, english), fixedText(twoColour, separator, fourColour));

    // The left half edited: the state is the left half, the snapshot the right one.
    MainState leftEdited = fileState(left);
    leftEdited.fixiert = true;
    leftEdited.fixLinksAktiv = true;
    leftEdited.fixStand = fixSnapshotFromBlock(block(0, 10, 349, 0, 0));
    EXPECT_EQ(stateValuesText(leftEdited, english), fixedText(twoColour, separator, fourColour));

    const PrintPage page = stateValuesPage(leftEdited, english, printStart);
    ASSERT_EQ(page.textSet.size(), 2u * 4 * 5 + 1);
    EXPECT_EQ(page.textSet[1].text, "R: " + fieldListValues(s, english)[0].r);
    EXPECT_EQ(page.textSet[20].text, separator);
    EXPECT_EQ(page.textSet[21].text, "Big field");
    EXPECT_EQ(page.textSet[22].text, "R: " + fieldListValues(fileState(left), english)[0].r);
    EXPECT_EQ(page.druckZeile, printStart + 8 * (4 * 100 + 150) + 150);
}
