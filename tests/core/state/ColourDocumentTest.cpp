#include "core/documents/SettingsApply.h"
#include "core/colour/LightDark.h"
#include "core/harmony/FieldColours.h"
#include "core/state/ColourDocument.h"
#include "core/state/UndoStep.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

struct Mitschrift {
    explicit Mitschrift(ColourDocument& d)
    {
        QObject::connect(&d, &ColourDocument::geaendert, [this](Aenderungen was) { meldungen.push_back(was); });
    }
    std::vector<Aenderungen> meldungen;
};

} // namespace

TEST(ColourDocument, EachOperationAnnouncesWhatItChangedAndAGroupAnnouncesOnce)
{
    ColourDocument d;
    Mitschrift m(d);
    d.stufenSetzen(6);
    d.feldWaehlen(Feld::links);
    ASSERT_EQ(m.meldungen.size(), 2u);
    EXPECT_EQ(m.meldungen[0], Aenderungen(Aenderung::stufen));
    EXPECT_EQ(m.meldungen[1], Aenderungen(Aenderung::auswahl));
    EXPECT_EQ(d.stand().stufenAnzahl, 6);
    EXPECT_TRUE(d.stand().stufeAktiv[6]);
    EXPECT_FALSE(d.stand().stufeAktiv[7]);

    m.meldungen.clear();
    {
        const ColourDocument::Sammlung eine(d);
        d.modusSetzen(Modus::vierer);
        {
            const ColourDocument::Sammlung innen(d);
            d.winkeltypSetzen(true);
        }
        EXPECT_TRUE(m.meldungen.empty());
    }
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], Aenderung::modus | Aenderung::winkel);
}

TEST(ColourDocument, WhatDidNotChangeIsNotAnnounced)
{
    ColourDocument d;
    Mitschrift m(d);
    d.websicherVergessen(); // nothing allocated
    d.winkelReglerSetzen(d.stand().winkelRegler1, d.stand().winkelRegler2);
    d.ablauf().sammelLauf = true; // progress, not colour state
    EXPECT_TRUE(m.meldungen.empty());
}

// Separate adjustment's fields: on, only the big field is left to take part
// once the small ones are taken out; off, the mode's fields all take part again.
TEST(ColourDocument, SeparateAdjustmentAndTheModesFields)
{
    ColourDocument d;
    d.modusSetzen(Modus::dreier);
    d.modusFelderSetzen(Modus::dreier);
    EXPECT_TRUE(d.stand().feldAn[Feld::links]);
    EXPECT_FALSE(d.stand().feldAn[Feld::mitte]);
    d.separatEinschalten();
    d.nurFeldTeilnehmen(Feld::rechts);
    EXPECT_TRUE(d.stand().separatModus);
    EXPECT_EQ(d.stand().feldAn, (FeldWerte<bool>{{false, true, false, false}}));
    d.separatAusschalten();
    EXPECT_FALSE(d.stand().separatModus);
    EXPECT_EQ(d.stand().feldAn, (FeldWerte<bool>{{false, true, true, false}}));
    // Colour rows know no separate adjustment.
    d.separatEinschalten();
    d.modusFelderSetzen(Modus::reihen);
    EXPECT_FALSE(d.stand().separatModus);
}

// A step keeps only the words that changed: a band click in a 15-field colour
// row stays under 1 kB, and the step turns either state into the other.
TEST(ColourDocument, AStepHoldsTheChangedWordsAndTurnsEitherStateIntoTheOther)
{
    DateiEinstellung e;
    e.modus = Modus::reihen;
    e.abstand1 = 60;
    e.stufenIndex = 6; // 15 fields
    e.fadenkreuze = {{Feld::links, 40, 200}, {Feld::rechts, 220, 30}};
    MainState vorher;
    einstellungAnwenden(vorher, e);
    e.bandKlick = 400;
    e.pos[Feld::rechts] = 400;
    MainState nachher = vorher;
    einstellungAnwenden(nachher, e);
    nachher.ablauf.bandMausUnten = true; // progress is no part of a step
    nachher.aktionen.fixieren = true;     // one of the last words of the state

    const StateDelta schritt(vorher, nachher);
    EXPECT_LT(schritt.groesse(), 1024u);
    MainState s = vorher;
    schritt.anwenden(s);
    EXPECT_EQ(s.farbWerte, nachher.farbWerte);
    EXPECT_EQ(s.endFarben, nachher.endFarben);
    EXPECT_FALSE(s.ablauf.bandMausUnten);
    EXPECT_TRUE(s.aktionen.fixieren);
    schritt.anwenden(s);
    EXPECT_EQ(s.farbWerte, vorher.farbWerte);
    EXPECT_EQ(s.endFarben, vorher.endFarben);
}

// The recompute only computes: it says what the views must show, and keeps a
// row's final values itself, as a light/dark move in a row does.
TEST(ColourDocument, TheRecomputeLeavesThePaintingToTheAnnouncement)
{
    ColourDocument d;
    Mitschrift m(d);
    d.datenHolen(100, false);
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], Aenderungen(Aenderung::band));
    d.datenHolen(120, true);
    EXPECT_TRUE(m.meldungen.back() & Aenderung::gemischt);
    EXPECT_EQ(d.stand().ablauf.bandMarker, 120);
    EXPECT_TRUE(d.stand().ablauf.bandMarkerFaellig);

    d.modusSetzen(Modus::reihen);
    d.datenHolen(200, true);
    const auto rechtsGemischt = [&] {
        const MainState& s = d.stand();
        const Rgb c = mische(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts());
        return std::array{s.endFarben[40], s.endFarben[41], s.endFarben[42]} == std::array{c.r, c.g, c.b};
    };
    EXPECT_TRUE(rechtsGemischt());
    d.feldWaehlen(Feld::rechts);
    d.hellDunkelSetzen(30, 200);
    EXPECT_TRUE(m.meldungen.back() & Aenderung::farben);
    EXPECT_TRUE(rechtsGemischt());
}

// A typed colour outlives the dialog on its field until that field is mixed
// anew; a move of another field in separate adjustment leaves it showing.
TEST(ColourDocument, ATypedColourShowsUntilItsFieldIsPaintedAnew)
{
    ColourDocument d;
    d.modusSetzen(Modus::dreier);
    d.eingabeNehmen({180, 70, 77}, {QStringLiteral("180"), QStringLiteral("70"), QStringLiteral("77"),
                                     QStringLiteral("#B4464D")});
    d.eingabeTexteZeigen(true);
    EXPECT_FALSE(d.stand().eingabeAuf(Feld::gross)); // taken, not yet applied
    d.eingabeFarbeAktiv(true);
    d.eingabeBeenden();
    const MainState& s = d.stand();
    EXPECT_FALSE(s.eingabeFarbeAktiv);
    EXPECT_TRUE(s.eingabeAuf(Feld::gross));
    EXPECT_FALSE(s.eingabeAuf(Feld::rechts));
    EXPECT_TRUE(s.eingabeTexteAuf());
    EXPECT_EQ(QString::fromUtf16(s.eingabeText[3].data()), QStringLiteral("#B4464D"));

    d.separatEinschalten();
    d.nurFeldTeilnehmen(Feld::rechts);
    d.hellDunkelSetzen(40, 40);
    EXPECT_TRUE(s.eingabeAuf(Feld::gross));
    d.nurFeldTeilnehmen(Feld::gross);
    d.datenHolen(s.posGross(), true);
    EXPECT_FALSE(s.eingabeAuf(Feld::gross));
    EXPECT_FALSE(s.eingabeTexteAuf());
}

// Markers drawn afresh are shown, not a step of the history.
TEST(ColourDocument, RenewedAngleMarkersAreAnnouncedButMakeNoStep)
{
    ColourDocument d;
    d.ablauf().formularBereit = true;
    d.verlaufNeu();
    Mitschrift m(d);
    d.winkelMarkerErneuern();
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], Aenderungen(Aenderung::marker));
    EXPECT_TRUE(d.stand().ablauf.winkelMarkerFaellig);
    d.schrittAbschliessen();
    EXPECT_EQ(d.verlauf().count(), 0);
}
