#include "core/documents/SettingsApply.h"
#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/harmony/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

namespace
{

// 3-colour at 500 (small right 121, left 201), big cross-hair at (64, 100).
EinstellungsBlock dreierBlock()
{
    EinstellungsBlock b;
    const int werte[] = {1, 1,   500, 1,   40,  34, 0, 64, 100, 0, 255, 0, 255,
                         0, 255, 500, 121, 201, 67, 3, 0,  0,   1, 2,   3};
    for (int i = 1; i <= 25; ++i)
        b.werte[i] = werte[i - 1];
    b.hex = "#010203";
    return b;
}

EinstellungsBlock alle(int wert, int modus)
{
    EinstellungsBlock b;
    for (int i = 1; i <= 25; ++i)
        b.werte[i] = wert;
    b.werte[dateiSlot::modus] = modus;
    return b;
}

} // namespace

TEST(SettingsApply, AValidBlockGivesItsOwnValues)
{
    const DateiEinstellung e = dateiEinstellung(dreierBlock());
    EXPECT_EQ(e.realistisch, true);
    EXPECT_EQ(e.modus, Modus::dreier);
    EXPECT_EQ(e.bandKlick, 500);
    EXPECT_EQ(e.abstand1, 40);
    EXPECT_FALSE(e.abstand2 || e.winkeltyp2 || e.stufenIndex);
    EXPECT_EQ(e.separat, false);
    EXPECT_EQ((std::array{e.pos[Feld::gross], e.pos[Feld::rechts], e.pos[Feld::links], e.pos[Feld::mitte]}),
              (std::array{500, 121, 201, 67}));
    const std::vector<Fadenkreuz> kreuze{
        {Feld::rechts, 0, 255}, {Feld::links, 0, 255}, {Feld::gross, 64, 100}};
    EXPECT_EQ(e.fadenkreuze, kreuze);
    ASSERT_TRUE(e.texte);
    EXPECT_EQ(e.texte->hex, QStringLiteral("#010203"));
}

TEST(SettingsApply, HostileNumbersGiveValuesTheDisplayCanTake)
{
    for (int wert : {INT_MIN, -1, 2, 678, INT_MAX}) {
        for (int modus : {INT_MIN, -1, 5, INT_MAX}) {
            const DateiEinstellung e = dateiEinstellung(alle(wert, modus));
            EXPECT_FALSE(e.modus || e.realistisch || e.separat || e.websicher || e.textStatt);
            EXPECT_FALSE(e.abstand1 || e.abstand2 || e.winkeltyp2 || e.stufenIndex);
            EXPECT_TRUE(e.fadenkreuze.empty());
            EXPECT_TRUE(e.texte); // only colour rows have none
        }
        const DateiEinstellung vier = dateiEinstellung(alle(wert, static_cast<int>(Modus::vierer)));
        EXPECT_EQ(vier.winkeltyp2, true);
        EXPECT_EQ(vier.abstand1, std::clamp(wert, 0, groessterAbstand));
        for (int p : {vier.bandKlick, vier.pos[Feld::gross], vier.pos[Feld::rechts], vier.pos[Feld::links],
                      vier.pos[Feld::mitte]})
            EXPECT_EQ(p, std::clamp(wert, 0, letzteBandPosition));
        for (const Fadenkreuz& k : vier.fadenkreuze)
            EXPECT_TRUE(k.x == std::clamp(wert, 0, feldGrenze) && k.y == k.x);
        const DateiEinstellung reihe = dateiEinstellung(alle(wert, static_cast<int>(Modus::reihen)));
        EXPECT_EQ(reihe.stufenIndex, std::clamp(wert, 0, letzterStufenIndex));
        EXPECT_FALSE(reihe.texte);
    }
}

TEST(SettingsApply, AppliedToAStateWithoutAWindowItGivesTheFilesColours)
{
    MainState s;
    einstellungAnwenden(s, dateiEinstellung(dreierBlock()));
    EXPECT_EQ(s.modus(), Modus::dreier);
    EXPECT_TRUE(s.feldLinksAn());
    EXPECT_EQ(s.abstand1(), 40);
    EXPECT_EQ((std::array{s.posGross(), s.posRechts(), s.posLinks()}), (std::array{500, 121, 201}));
    EXPECT_TRUE(s.hdZielGross());
    EXPECT_EQ((std::array{s.hdPunktGrossX(), s.hdPunktGrossY(), s.dunkelGross(), s.hellGross()}),
              (std::array{64, 100, 64, 155}));
    const Rgb links = realisticBand().at(201);
    EXPECT_EQ((std::array{s.farbWerte[slot::basisLinks], s.farbWerte[slot::basisLinks + 1],
                          s.farbWerte[slot::basisLinks + 2]}),
              (std::array{links.r, links.g, links.b}));
}

TEST(SettingsApply, HostileBlocksLeaveEveryValueInRange)
{
    for (int wert : {INT_MIN, INT_MAX}) {
        for (int modus = 0; modus <= 4; ++modus) {
            EinstellungsBlock b = alle(wert, modus);
            b.werte[dateiSlot::separat] = 1;
            MainState s;
            einstellungAnwenden(s, dateiEinstellung(b));
            for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
                EXPECT_TRUE(p >= 0 && p <= letzteBandPosition) << p;
            for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY()})
                EXPECT_TRUE(k >= 0 && k <= feldGrenze) << k;
            EXPECT_TRUE(s.stufenAnzahl >= 1 && s.stufenAnzahl <= 7);
            EXPECT_EQ(s.separatModus, modus <= 2);
        }
    }
}
