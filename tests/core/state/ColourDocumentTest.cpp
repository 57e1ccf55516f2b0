#include "core/state/ColourDocument.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FieldColours.h"
#include "core/state/UndoStep.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

struct Mitschrift {
    explicit Mitschrift(ColourDocument& d)
    {
        QObject::connect(&d, &ColourDocument::modified, [this](Changes was, Redraw how) {
            meldungen.push_back(was);
            orders.push_back(how);
        });
    }
    std::vector<Changes> meldungen;
    std::vector<Redraw> orders;
};

} // namespace

TEST(ColourDocument, EachOperationAnnouncesWhatItChangedAndAGroupAnnouncesOnce)
{
    ColourDocument d;
    Mitschrift m(d);
    d.setStepCount(6);
    d.selectField(Field::left);
    ASSERT_EQ(m.meldungen.size(), 2u);
    EXPECT_EQ(m.meldungen[0], Changes(Change::stepCount));
    EXPECT_EQ(m.meldungen[1], Changes(Change::choice));
    EXPECT_EQ(d.currentState().stufenAnzahl, 6);
    EXPECT_TRUE(d.currentState().stufeAktiv[6]);
    EXPECT_FALSE(d.currentState().stufeAktiv[7]);

    m.meldungen.clear();
    {
        const ColourDocument::Batch eine(d);
        d.setHarmonyMode(HarmonyMode::fourColour);
        {
            const ColourDocument::Batch inside(d);
            d.setAngleType(true);
        }
        EXPECT_TRUE(m.meldungen.empty());
    }
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], Change::harmonyMode | Change::angles);
}

TEST(ColourDocument, WhatDidNotChangeIsNotAnnounced)
{
    ColourDocument d;
    Mitschrift m(d);
    d.forgetWebSafe(); // nothing allocated
    d.setAngleSliders(d.currentState().angleSlider1, d.currentState().angleSlider2);
    d.setCompactLayout(true); // what the window is, not colour state
    EXPECT_TRUE(m.meldungen.empty());
}

// Separate adjustment's fields: on, only the big field is left to take part
// once the small ones are taken out; off, the mode's fields all take part again.
TEST(ColourDocument, SeparateAdjustmentAndTheModesFields)
{
    ColourDocument d;
    d.setHarmonyMode(HarmonyMode::threeColour);
    d.setHarmonyModeFields(HarmonyMode::threeColour);
    EXPECT_TRUE(d.currentState().fieldOn[Field::left]);
    EXPECT_FALSE(d.currentState().fieldOn[Field::centre]);
    d.switchSeparateOn();
    d.onlyFieldTakesPart(Field::right);
    EXPECT_TRUE(d.currentState().separatModus);
    EXPECT_EQ(d.currentState().fieldOn, (PerField<bool>{{false, true, false, false}}));
    d.switchSeparateOff();
    EXPECT_FALSE(d.currentState().separatModus);
    EXPECT_EQ(d.currentState().fieldOn, (PerField<bool>{{false, true, true, false}}));
    // Colour rows know no separate adjustment.
    d.switchSeparateOn();
    d.setHarmonyModeFields(HarmonyMode::colourRows);
    EXPECT_FALSE(d.currentState().separatModus);
}

// The radio button marks of separate adjustment are state: the last choice
// stays marked while separate adjustment is off.
TEST(ColourDocument, SeparateAdjustmentsChoiceOutlivesSwitchingItOff)
{
    ColourDocument d;
    d.setHarmonyMode(HarmonyMode::threeColour);
    d.onlyFieldTakesPart(Field::left); // not in separate adjustment: no choice
    EXPECT_EQ(d.currentState().separateChoice, Field::big);
    d.switchSeparateOn();
    d.onlyFieldTakesPart(Field::left);
    d.switchSeparateOff();
    EXPECT_EQ(d.currentState().separateChoice, Field::left);
    d.switchSeparateOn();
    EXPECT_EQ(d.currentState().separateChoice, Field::big);
}

// A step keeps only the words that changed: a band click in a 15-field colour
// row stays under 1 kB, and the step turns either state into the other.
TEST(ColourDocument, AStepHoldsTheChangedWordsAndTurnsEitherStateIntoTheOther)
{
    FileSetting e;
    e.harmonyMode = HarmonyMode::colourRows;
    e.abstand1 = 60;
    e.stepIndex = 6; // 15 fields
    e.crossHairs = {{Field::left, 40, 200}, {Field::right, 220, 30}};
    MainState vorher;
    applySetting(vorher, e);
    e.bandClick = 400;
    e.pos[Field::right] = 400;
    MainState nachher = vorher;
    applySetting(nachher, e);
    nachher.actionSet.fixieren = true; // one of the last words of the state

    const StateDelta step(vorher, nachher);
    EXPECT_LT(step.extent(), 1024u);
    MainState s = vorher;
    step.applyChange(s);
    EXPECT_EQ(s.farbWerte, nachher.farbWerte);
    EXPECT_EQ(s.endFarben, nachher.endFarben);
    EXPECT_TRUE(s.actionSet.fixieren);
    step.applyChange(s);
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
    EXPECT_EQ(m.meldungen[0], Changes(Change::band));
    d.datenHolen(120, true);
    EXPECT_TRUE(m.orders.back().fieldsMixed);
    const RecomputeNotes notes = d.takeNotes();
    EXPECT_EQ(notes.bandMarker, 120);
    EXPECT_TRUE(notes.bandMarkerDue);

    d.setHarmonyMode(HarmonyMode::colourRows);
    d.datenHolen(200, true);
    const auto rechtsGemischt = [&] {
        const MainState& s = d.currentState();
        const Rgb c = mixColour(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts());
        return std::array{s.endFarben[40], s.endFarben[41], s.endFarben[42]} == std::array{c.r, c.g, c.b};
    };
    EXPECT_TRUE(rechtsGemischt());
    d.selectField(Field::right);
    d.setLightDark(30, 200);
    EXPECT_TRUE(m.meldungen.back() & Change::farben);
    EXPECT_TRUE(rechtsGemischt());
}

// A typed colour outlives the dialog on its field until that field is mixed
// anew; a move of another field in separate adjustment leaves it showing.
TEST(ColourDocument, ATypedColourShowsUntilItsFieldIsPaintedAnew)
{
    ColourDocument d;
    d.setHarmonyMode(HarmonyMode::threeColour);
    d.takeInput({180, 70, 77}, {QStringLiteral("180"), QStringLiteral("70"), QStringLiteral("77"),
                                QStringLiteral("#B4464D")});
    d.eingabeTexteZeigen(true);
    EXPECT_FALSE(d.currentState().inputOn(Field::big)); // taken, not yet applied
    d.eingabeFarbeAktiv(true);
    d.finishInput();
    const MainState& s = d.currentState();
    EXPECT_FALSE(s.eingabeFarbeAktiv);
    EXPECT_TRUE(s.inputOn(Field::big));
    EXPECT_FALSE(s.inputOn(Field::right));
    EXPECT_TRUE(s.inputTextsOn());
    EXPECT_EQ(QString::fromUtf16(s.inputText[3].data()), QStringLiteral("#B4464D"));

    d.switchSeparateOn();
    d.onlyFieldTakesPart(Field::right);
    d.setLightDark(40, 40);
    EXPECT_TRUE(s.inputOn(Field::big));
    d.onlyFieldTakesPart(Field::big);
    d.datenHolen(s.posGross(), true);
    EXPECT_FALSE(s.inputOn(Field::big));
    EXPECT_FALSE(s.inputTextsOn());
}

// Markers drawn afresh are shown, not a step of the history.
TEST(ColourDocument, RenewedAngleMarkersAreAnnouncedButMakeNoStep)
{
    ColourDocument d;
    d.setWindowShown(true);
    d.restartHistory();
    Mitschrift m(d);
    d.renewAngleMarker();
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], Changes());
    EXPECT_TRUE(m.orders[0].markersDue);
    EXPECT_TRUE(d.takeNotes().angleMarkerDue);
    d.finishStep();
    EXPECT_EQ(d.history().count(), 0);
}

// A gesture is one intent: one announcement and one step with its name, or
// part of the step of a change already under way.
TEST(ColourDocument, AnIntentIsOneAnnouncementAndOneNamedStep)
{
    ColourDocument d;
    d.setStepNames([](StepKind k) { return QString::number(static_cast<int>(k)); });
    d.setWindowShown(true);
    d.setHarmonyMode(HarmonyMode::fanning);
    d.setHarmonyModeFields(HarmonyMode::fanning);
    d.restartHistory();
    Mitschrift m(d);
    const auto lastStep = [&] {
        d.finishStep();
        return d.history().text(d.history().count() - 1).toInt();
    };

    d.changeFieldCount(9); // the box offers one to seven
    EXPECT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(d.currentState().stufenAnzahl, 7);
    EXPECT_EQ(lastStep(), static_cast<int>(StepKind::fieldCount));

    d.setAngleType(true); // a change no gesture named yet
    d.chooseField(Field::right);
    EXPECT_EQ(d.currentState().lightDarkTarget, Field::right);
    EXPECT_EQ(lastStep(), static_cast<int>(StepKind::angle));
    EXPECT_EQ(d.history().count(), 2);

    d.setHarmonyMode(HarmonyMode::threeColour);
    d.setHarmonyModeFields(HarmonyMode::threeColour);
    d.switchSeparateOn();
    d.finishStep();
    m.meldungen.clear();
    d.chooseField(Field::left);
    EXPECT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(d.currentState().fieldOn, (PerField<bool>{{false, false, true, false}}));
    EXPECT_EQ(d.currentState().separateChoice, Field::left);
    EXPECT_EQ(d.currentState().lightDarkTarget, Field::left);
    EXPECT_EQ(lastStep(), static_cast<int>(StepKind::fieldSelection));

    // A 3-colour harmony has no centre field to take part.
    const int steps = d.history().count();
    d.chooseTakingPart(Field::centre);
    d.chooseField(Field::left); // already taking part
    d.finishStep();
    EXPECT_EQ(d.history().count(), steps);
    EXPECT_EQ(d.currentState().separateChoice, Field::left);
}

// Editing the other fixed half brings its combination back and stores the
// edited one: a second trade returns to where it started.
TEST(ColourDocument, EditingTheOtherFixedHalfTradesTheCombinations)
{
    ColourDocument d;
    d.setWindowShown(true);
    d.datenHolen(100, true);
    d.toggleFixing();
    // The big field's place and base colour.
    const auto shown = [&] {
        const MainState& s = d.currentState();
        return std::array{s.posGross(), s.farbWerte[slot::basisGross], s.farbWerte[slot::basisGross + 1],
                          s.farbWerte[slot::basisGross + 2]};
    };
    const auto frozen = shown();
    d.datenHolen(400, true);
    const auto edited = shown();
    ASSERT_NE(edited, frozen);
    d.restartHistory();
    Mitschrift m(d);

    EXPECT_TRUE(d.editHalf(true));
    EXPECT_EQ(shown(), frozen);
    EXPECT_TRUE(d.currentState().fixLinksAktiv);
    ASSERT_EQ(m.orders.size(), 1u);
    EXPECT_TRUE(m.orders[0].whole && m.orders[0].halvesTraded);
    EXPECT_FALSE(d.editHalf(true)); // already the edited half
    EXPECT_TRUE(d.editHalf(false));
    EXPECT_EQ(shown(), edited);
    d.toggleFixing();
    EXPECT_FALSE(d.currentState().fixiert);
}

// Separate adjustment on and off and a mode change are one step each; colour
// rows leave separate adjustment and keep the target on a field they have.
TEST(ColourDocument, ModeAndSeparateAdjustmentAreWholeIntents)
{
    ColourDocument d;
    d.setStepNames([](StepKind k) { return QString::number(static_cast<int>(k)); });
    d.setWindowShown(true);
    const PerField<bool> noTexts{};
    d.changeHarmonyMode(HarmonyMode::threeColour, noTexts);
    d.chooseField(Field::left);
    d.restartHistory();
    const auto lastStep = [&] {
        d.finishStep();
        return d.history().text(d.history().count() - 1).toInt();
    };
    const MainState& s = d.currentState();

    d.toggleSeparateAdjustment(noTexts);
    EXPECT_TRUE(s.separatModus);
    // The field selected before is selected again: it takes part alone.
    EXPECT_EQ(s.fieldOn, (PerField<bool>{{false, false, true, false}}));
    EXPECT_EQ(s.lightDarkTarget, Field::left);
    EXPECT_EQ(lastStep(), static_cast<int>(StepKind::separateAdjustment));

    d.toggleSeparateAdjustment(noTexts);
    EXPECT_FALSE(s.separatModus);
    EXPECT_EQ(s.fieldOn, (PerField<bool>{{true, true, true, false}}));
    EXPECT_EQ(s.lightDarkTarget, Field::left);

    d.toggleSeparateAdjustment(noTexts);
    d.chooseField(Field::big);
    d.finishStep();
    const int steps = d.history().count();
    d.changeHarmonyMode(HarmonyMode::colourRows, noTexts);
    EXPECT_FALSE(s.separatModus);
    EXPECT_FALSE(s.actionSet.farbenSeparatEinstellen);
    EXPECT_EQ(s.lightDarkTarget, Field::right);
    EXPECT_EQ(lastStep(), static_cast<int>(StepKind::harmonyType));
    EXPECT_EQ(d.history().count(), steps + 1);
}

// In separate adjustment each field takes the new band's colour at its own
// place; the one change names every field it recoloured, so that fields no
// longer taking part at its end are painted too.
TEST(ColourDocument, ANewBandTypeRecoloursEveryFieldOfTheMode)
{
    ColourDocument d;
    d.setWindowShown(true);
    d.changeHarmonyMode(HarmonyMode::threeColour, {});
    d.toggleSeparateAdjustment({});
    d.chooseField(Field::right);
    Mitschrift m(d);
    d.switchBandType(true);
    const MainState& s = d.currentState();
    ASSERT_EQ(m.orders.size(), 1u);
    EXPECT_EQ(m.orders[0].recoloured, 0b0111u); // big, right, left
    EXPECT_EQ(s.fieldOn, (PerField<bool>{{false, true, false, false}}));
    EXPECT_EQ(s.lightDarkTarget, Field::right);
    for (const Field f : {Field::big, Field::right, Field::left}) {
        const Rgb c = bandTable(true).at(s.pos(f));
        const int b = MainState::basisSlot(f);
        EXPECT_EQ((std::array{s.farbWerte[b], s.farbWerte[b + 1], s.farbWerte[b + 2]}),
                  (std::array{c.r, c.g, c.b}));
    }
}

// A mode chosen by hand and a mode read from a file move the light/dark
// target alike, for every mode and every field it stood on.
TEST(ColourDocument, AModeChangeAndAFileAgreeWhereTheTargetGoes)
{
    for (const HarmonyMode m : {HarmonyMode::twoColour, HarmonyMode::threeColour, HarmonyMode::fourColour,
                                HarmonyMode::fanning, HarmonyMode::colourRows})
        for (const Field f : allFields) {
            ColourDocument d;
            d.setWindowShown(true);
            d.changeHarmonyMode(HarmonyMode::fourColour, {});
            d.chooseField(f);
            MainState viaFile = d.currentState();
            FileSetting e;
            e.harmonyMode = m;
            applySetting(viaFile, e);
            d.changeHarmonyMode(m, {});
            EXPECT_EQ(d.currentState().lightDarkTarget, viaFile.lightDarkTarget)
                << static_cast<int>(m) << " " << fieldIndex(f);
        }
}
