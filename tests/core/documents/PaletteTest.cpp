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

const LanguageTable englisch = LanguageTable::forLanguage(Sprache::englisch);

// Every cross-hair at (0, 255), where a field keeps its band colour.
EinstellungsBlock block(int modus, int p, int rechts, int links, int mitte, int stufenIndex = 0)
{
    EinstellungsBlock b;
    const int werte[] = {1, modus, p, 1,      40,    34,    0,           0, 255, 0, 255, 0, 255,
                         0, 255,   p, rechts, links, mitte, stufenIndex, 0, 0,   1, 2,   3};
    for (int i = 1; i <= 25; ++i)
        b.werte[i] = werte[i - 1];
    return b;
}

MainState zustand(const EinstellungsBlock& b)
{
    MainState s;
    einstellungAnwenden(s, dateiEinstellung(b));
    return s;
}

QRgb band(int p)
{
    const Rgb c = realisticBand().at(p);
    return qRgb(c.r, c.g, c.b);
}

QStringList namen(const QVector<PaletteEntry>& e)
{
    QStringList n;
    for (const PaletteEntry& x : e)
        n << x.name;
    return n;
}

QByteArray datei(const EinstellungsBlock& b1, int fix, const EinstellungsBlock& b2)
{
    EinstellungsBlock a = b1, z = b2;
    a.fixiert = fix;
    return kodieren({a, z});
}

} // namespace

TEST(Palette, HarmoniesListTheirFieldsInCopyOrderWithTheirBandColours)
{
    const Palette p = paletteAus(zustand(block(1, 500, 121, 201, 67)), englisch);
    ASSERT_EQ(p.groups.size(), 1);
    EXPECT_EQ(p.groups[0].name, QStringLiteral("3-Color Harmony"));
    const QVector<PaletteEntry> soll{{QStringLiteral("Big field"), band(500)},
                                     {QStringLiteral("Small field left-hand side"), band(201)},
                                     {QStringLiteral("Small field right-hand side"), band(121)}};
    EXPECT_EQ(p.groups[0].entries, soll);
    EXPECT_EQ(namen(kombinationsFarben(zustand(block(0, 10, 349, 0, 0)), englisch)),
              QStringList({"Big field", "Small field right-hand side"}));
    EXPECT_EQ(namen(kombinationsFarben(zustand(block(2, 10, 300, 400, 500)), englisch)),
              QStringList({"Big field", "Small field left-hand side", "Small field center",
                           "Small field right-hand side"}));
}

TEST(Palette, RowsListTheIntermediateValuesRows)
{
    // Colour rows of 5 fields have no big field; fannings lead with it.
    EXPECT_EQ(namen(kombinationsFarben(zustand(block(4, 100, 0, 0, 0, 1)), englisch)),
              QStringList({"Small field left-hand side", "2nd small field", "Small field center",
                           "4th small field", "Small field right-hand side"}));
    const QStringList faecher = namen(kombinationsFarben(zustand(block(3, 100, 0, 0, 0, 6)), englisch));
    EXPECT_EQ(faecher.size(), 16);
    EXPECT_EQ(faecher.front(), QStringLiteral("Big field"));
}

TEST(Palette, AFixedDisplayGivesTheEditedHalfFirst)
{
    MainState s = zustand(block(0, 10, 349, 0, 0));
    const EinstellungsBlock links = block(2, 200, 300, 400, 500);
    s.fixiert = true;
    s.fixStand = fixStandAusBlock(links);
    const QVector<PaletteEntry> fixFarben = kombinationsFarben(zustand(links), englisch);
    Palette p = paletteAus(s, englisch);
    ASSERT_EQ(p.groups.size(), 2);
    EXPECT_EQ(p.groups[0].name, QStringLiteral("Right half"));
    EXPECT_EQ(p.groups[0].entries, kombinationsFarben(s, englisch));
    EXPECT_EQ(p.groups[1].name, QStringLiteral("Left half"));
    EXPECT_EQ(p.groups[1].entries, fixFarben);
    s.fixLinksAktiv = true;
    p = paletteAus(s, LanguageTable::forLanguage(Sprache::deutsch));
    EXPECT_EQ(p.groups[0].name, QStringLiteral("Linke Hälfte"));
    EXPECT_EQ(p.groups[1].name, QStringLiteral("Rechte Hälfte"));
}

TEST(OpenedFile, AFixedFileEditsBlockOneAndFixesBlockTwo)
{
    const EinstellungsBlock rechts = block(0, 10, 349, 0, 0), links = block(2, 200, 300, 400, 500);
    QByteArray bytes = datei(rechts, 1, links);
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    const std::optional<GeoeffneteDatei> d = dateiBerechnen(puffer, true);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->zustand.fixiert);
    EXPECT_FALSE(d->zustand.fixLinksAktiv);
    EXPECT_EQ(kombinationsFarben(d->zustand, englisch), kombinationsFarben(zustand(rechts), englisch));
    EXPECT_EQ(paletteAus(d->zustand, englisch).groups[1].entries,
              kombinationsFarben(zustand(links), englisch));

    // A file cut short gives nothing, as the window reports it unread.
    QByteArray kurz = bytes.left(bytes.size() - 10);
    QBuffer kurzPuffer(&kurz);
    kurzPuffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(dateiBerechnen(kurzPuffer, true));
    // So does a whole file whose block names no mode.
    QByteArray ohneModus = datei(rechts, 1, block(7, 200, 300, 400, 500));
    QBuffer ohneModusPuffer(&ohneModus);
    ohneModusPuffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(dateiBerechnen(ohneModusPuffer, true));
}

TEST(OpenedFile, ValuesTextMarksFieldsTheModeLacks)
{
    const MainState s = zustand(block(0, 10, 349, 0, 0));
    const QStringList zeilen = zustandWerteText(s, englisch).split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 23);
    const Rgb gross = realisticBand().at(10);
    EXPECT_EQ(zeilen.mid(0, 5),
              QStringList({"Big field", QString("R: %1").arg(gross.r), QString("G: %1").arg(gross.g),
                           QString("B: %1").arg(gross.b), "HEX: " + QColor(band(10)).name().toUpper()}));
    EXPECT_EQ(zeilen.mid(6, 5),
              QStringList({"Small field left-hand side", "R: -", "G: -", "B: -", "HEX: -"}));
    EXPECT_EQ(zeilen.mid(12, 5), QStringList({"Small field center", "R: -", "G: -", "B: -", "HEX: -"}));
}

// Copying and printing follow the value rows: the right half's (upper) row
// first, whichever half is being edited; the palette export instead leads
// with the edited half.
TEST(OpenedFile, AFixedDisplayCopiesAndPrintsTheRightHalfFirst)
{
    MainState s = zustand(block(0, 10, 349, 0, 0));
    const EinstellungsBlock links = block(2, 200, 300, 400, 500);
    s.fixiert = true;
    s.fixStand = fixStandAusBlock(links);
    const QString trenner = QStringLiteral("-------------- FIXED --------------");
    const QString zweier = feldListeText(feldListeWerte(s, englisch));
    const QString vierer = feldListeText(feldListeWerte(zustand(links), englisch));
    EXPECT_EQ(zustandWerteText(s, englisch), fixiertText(zweier, trenner, vierer));

    // The left half edited: the state is the left half, the snapshot the right one.
    MainState linksBearbeitet = zustand(links);
    linksBearbeitet.fixiert = true;
    linksBearbeitet.fixLinksAktiv = true;
    linksBearbeitet.fixStand = fixStandAusBlock(block(0, 10, 349, 0, 0));
    EXPECT_EQ(zustandWerteText(linksBearbeitet, englisch), fixiertText(zweier, trenner, vierer));

    const DruckSeite seite = zustandWerteSeite(linksBearbeitet, englisch, druckStart);
    ASSERT_EQ(seite.texte.size(), 2u * 4 * 5 + 1);
    EXPECT_EQ(seite.texte[1].text, "R: " + feldListeWerte(s, englisch)[0].r);
    EXPECT_EQ(seite.texte[20].text, trenner);
    EXPECT_EQ(seite.texte[21].text, "Big field");
    EXPECT_EQ(seite.texte[22].text, "R: " + feldListeWerte(zustand(links), englisch)[0].r);
    EXPECT_EQ(seite.druckZeile, druckStart + 8 * (4 * 100 + 150) + 150);
}
