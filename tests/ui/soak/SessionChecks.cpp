#include "ui/soak/SessionChecks.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/shell/TForm1.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>

#include <array>
#include <optional>

namespace
{

// A value row of one field: its swatch and its R, G, B and hex texts.
struct WerteZeile {
    const ColourPanel* swatch;
    std::array<const StaticText*, 4> textSet;
};

// Big, left, centre, right, in the order of MainWidgets::valueTexts.
std::array<WerteZeile, 4> werteZeilen(const MainWidgets& w, bool unten)
{
    const auto t = w.values.valueTexts();
    const std::size_t o = unten ? 16 : 0;
    const std::array<const ColourPanel*, 4> swatches =
        unten ? std::array<const ColourPanel*, 4>{w.values.Panel8, w.values.Panel9, w.values.Panel10,
                                                  w.values.Panel11}
              : std::array<const ColourPanel*, 4>{w.values.Panel4, w.values.Panel5, w.values.Panel6,
                                                  w.values.Panel7};
    std::array<WerteZeile, 4> z{};
    for (std::size_t f = 0; f < 4; ++f)
        z[f] = {swatches[f], {t[o + 4 * f], t[o + 4 * f + 1], t[o + 4 * f + 2], t[o + 4 * f + 3]}};
    return z;
}

// The panels of one display: the unfixed one or a half of the fixed one.
struct Felder {
    const ColourPanel *big, *reihenGrund, *right, *left, *centre;
    const std::array<ColourPanel*, 16>& row;
};

Felder felderVon(const MainWidgets& w, std::optional<Half> half)
{
    if (!half)
        return {w.fields.Anzeige_Normal, w.fields.AnzeigeReihen, w.fields.KleinRechts,
                w.fields.KleinLinks,     w.fields.KleinMitte,    w.fields.R};
    if (*half == Half::left)
        return {w.fields.FixedLinks,           w.fields.FixedLinksReihen,     w.fields.FixedLinksKleinRechts,
                w.fields.FixedLinksKleinLinks, w.fields.FixedLinksKleinMitte, w.fields.RLi};
    return {w.fields.FixedRechts,     w.fields.FixedRechtsReihen, w.fields.FixedKleinRechts,
            w.fields.FixedKleinLinks, w.fields.FixedKleinMitte,   w.fields.RRe};
}

QString visible(const TForm1& form, const ColourPanel* p)
{
    return p->isVisibleTo(&form) ? p->colour().name().toUpper() : QStringLiteral("hidden");
}

// The mode of a display: the live one, or the snapshot's for the half not edited.
HarmonyMode modusVon(const TForm1& form, std::optional<Half> half)
{
    const MainState& s = form.state();
    if (half && (*half == Half::left) != s.fixLinksAktiv)
        return static_cast<HarmonyMode>(s.fixStand.fixModus);
    return s.harmonyMode();
}

// Only the fields of the display's mode (the others may lie hidden behind it);
// a colour row stands on the window background, which no file keeps.
void panelsEintragen(Ansicht& a, const TForm1& form, const Felder& f, HarmonyMode harmonyMode)
{
    const auto eintragen = [&](const ColourPanel* p) {
        if (p->isVisibleTo(&form))
            a.insert(p->objectName(), p->colour().name().toUpper());
    };
    if (!isRowMode(harmonyMode)) {
        eintragen(f.big);
        eintragen(f.right);
        if (harmonyMode != HarmonyMode::twoColour)
            eintragen(f.left);
        if (harmonyMode == HarmonyMode::fourColour)
            eintragen(f.centre);
        return;
    }
    if (harmonyMode == HarmonyMode::fanning)
        eintragen(f.reihenGrund);
    for (int n = 1; n <= 15; ++n)
        eintragen(f.row[static_cast<std::size_t>(n)]);
}

void zeileEintragen(Ansicht& a, const TForm1& form, bool unten)
{
    for (const WerteZeile& z : werteZeilen(form.w(), unten)) {
        a.insert(z.swatch->objectName(), visible(form, z.swatch));
        if (z.swatch->isVisibleTo(&form))
            for (const StaticText* t : z.textSet)
                a.insert(t->objectName(), t->text());
    }
}

QString farbText(const QColor& c)
{
    return QStringLiteral("%1 %2 %3 %4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.name().toUpper());
}

// Each value row agrees with its swatch, and the swatch with its field.
void zeilePruefen(QStringList& errorBox, const TForm1& form, bool unten, const Felder* fields,
                  bool bearbeitet)
{
    const MainState& s = form.state();
    const HarmonyMode harmonyMode = s.harmonyMode();
    const bool colourRows = isRowMode(harmonyMode);
    const std::array<const ColourPanel*, 4> flaechen =
        !fields ? std::array<const ColourPanel*, 4>{}
        : colourRows
            ? std::array<const ColourPanel*, 4>{harmonyMode == HarmonyMode::fanning ? fields->reihenGrund
                                                                                    : nullptr,
                                                fields->row[1], fields->row[8], fields->row[15]}
            : std::array<const ColourPanel*, 4>{fields->big, fields->left, fields->centre, fields->right};
    const auto rowList = werteZeilen(form.w(), unten);
    for (std::size_t f = 0; f < 4; ++f) {
        const WerteZeile& z = rowList[f];
        if (!z.swatch->isVisibleTo(&form))
            continue;
        // The manual input's texts currentState verbatim in the edited big field's row,
        // and a web-safe take-over shows the dialog's values until the next repaint.
        const bool eingabeTexte = f == 0 && bearbeitet && s.eingabeTexteZeigen;
        if (!eingabeTexte && !s.websicherUebernommen) {
            const QColor c = z.swatch->colour();
            const QString soll = farbText(c);
            const QString ist = QStringLiteral("%1 %2 %3 %4")
                                    .arg(z.textSet[0]->text(), z.textSet[1]->text(), z.textSet[2]->text(),
                                         z.textSet[3]->text());
            if (ist != soll)
                errorBox << QStringLiteral("value row %1 shows \"%2\", its swatch is %3")
                                .arg(z.textSet[3]->objectName(), ist, soll);
        }
        if (flaechen[f] && flaechen[f]->isVisibleTo(&form) && flaechen[f]->colour() != z.swatch->colour())
            errorBox << QStringLiteral("swatch %1 is %2, its field %3 is %4")
                            .arg(z.swatch->objectName(), z.swatch->colour().name(), flaechen[f]->objectName(),
                                 flaechen[f]->colour().name());
    }
}

// The edited row shows the swatches of the fields its mode has (big, left, centre, right).
void swatchesPruefen(QStringList& errorBox, const TForm1& form, bool unten)
{
    const HarmonyMode m = form.state().harmonyMode();
    const std::array<bool, 4> soll{m != HarmonyMode::colourRows, m != HarmonyMode::twoColour,
                                   m != HarmonyMode::twoColour && m != HarmonyMode::threeColour, true};
    const auto rowList = werteZeilen(form.w(), unten);
    for (std::size_t f = 0; f < 4; ++f)
        if (rowList[f].swatch->isVisibleTo(&form) != soll[f])
            errorBox << QStringLiteral("swatch %1 %2 in mode %3")
                            .arg(rowList[f].swatch->objectName(),
                                 soll[f] ? QStringLiteral("hidden") : QStringLiteral("shown"))
                            .arg(static_cast<int>(m));
}

void bereichePruefen(QStringList& errorBox, const TForm1& form)
{
    const MainState& s = form.state();
    for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
        if (p < 0 || p > 677)
            errorBox << QStringLiteral("band position %1 outside 0..677").arg(p);
    for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                  s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
        if (k < 0 || k > 256)
            errorBox << QStringLiteral("cross-hair coordinate %1 outside the field").arg(k);
    for (int m : {s.dunkelGross(), s.hellGross(), s.dunkelRechts(), s.hellRechts(), s.dunkelLinks(),
                  s.hellLinks(), s.dunkelMitte(), s.hellMitte()})
        if (m < 0 || m > 255)
            errorBox << QStringLiteral("light/dark amount %1 outside 0..255").arg(m);
    const MainWidgets& w = form.w();
    const QRect field = w.lightDark.flaechenanzeigeFarbe->rect();
    if (w.lightDark.KreuzV->x() < 0 || w.lightDark.KreuzV->x() >= field.width() ||
        w.lightDark.KreuzH->y() < 0 || w.lightDark.KreuzH->y() >= field.height())
        errorBox << QStringLiteral("cross-hair at (%1, %2) outside the %3 x %4 field")
                        .arg(w.lightDark.KreuzV->x())
                        .arg(w.lightDark.KreuzH->y())
                        .arg(field.width())
                        .arg(field.height());
    if (s.stufenAnzahl != w.rowControls.ComboBox1->currentIndex() + 1)
        errorBox << QStringLiteral("%1 steps, but the list shows item %2")
                        .arg(s.stufenAnzahl)
                        .arg(w.rowControls.ComboBox1->currentIndex());
}

void auswahlPruefen(QStringList& errorBox, const TForm1& form)
{
    const MainState& s = form.state();
    ModeActions& modi = *const_cast<TForm1&>(form).parts().modes;
    int geprueft = 0;
    for (HarmonyMode m : {HarmonyMode::twoColour, HarmonyMode::threeColour, HarmonyMode::fourColour,
                          HarmonyMode::fanning, HarmonyMode::colourRows})
        if (modi.harmonyModeAction(m).isChecked()) {
            ++geprueft;
            if (m != s.harmonyMode())
                errorBox << QStringLiteral("mode %1 checked, state says %2")
                                .arg(static_cast<int>(m))
                                .arg(static_cast<int>(s.harmonyMode()));
        }
    if (geprueft != 1)
        errorBox << QStringLiteral("%1 mode actions checked").arg(geprueft);
    if (int(s.hdZielGross()) + int(s.hdZielRechts()) + int(s.hdZielLinks()) + int(s.hdZielMitte()) != 1)
        errorBox << QStringLiteral("not exactly one light/dark target");
    if (s.separatModus &&
        int(s.feldGrossAn()) + int(s.feldRechtsAn()) + int(s.feldLinksAn()) + int(s.feldMitteAn()) != 1)
        errorBox << QStringLiteral("separate adjustment with more or less than one field taking part");
}

} // namespace

Ansicht haelfteVon(const TForm1& form, Half half)
{
    Ansicht a;
    panelsEintragen(a, form, felderVon(form.w(), half), modusVon(form, half));
    zeileEintragen(a, form, half == Half::left);
    return a;
}

Ansicht ansichtVon(const TForm1& form)
{
    const MainState& s = form.state();
    Ansicht a;
    a.insert(QStringLiteral("fixed"), QString::number(s.fixiert));
    if (s.fixiert) {
        a.insert(QStringLiteral("mode left"), QString::number(static_cast<int>(modusVon(form, Half::left))));
        a.insert(QStringLiteral("mode right"),
                 QString::number(static_cast<int>(modusVon(form, Half::right))));
        a.insert(haelfteVon(form, Half::left));
        a.insert(haelfteVon(form, Half::right));
    } else {
        a.insert(QStringLiteral("mode"), QString::number(static_cast<int>(s.harmonyMode())));
        panelsEintragen(a, form, felderVon(form.w(), std::nullopt), s.harmonyMode());
        zeileEintragen(a, form, false);
    }
    return a;
}

QStringList unterschiede(const Ansicht& vorher, const Ansicht& nachher)
{
    QStringList d;
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it)
        if (nachher.value(it.key(), QStringLiteral("(none)")) != it.value())
            d << QStringLiteral("%1: %2 -> %3")
                     .arg(it.key(), it.value(), nachher.value(it.key(), QStringLiteral("(none)")));
    for (auto it = nachher.cbegin(); it != nachher.cend(); ++it)
        if (!vorher.contains(it.key()))
            d << QStringLiteral("%1: (none) -> %2").arg(it.key(), it.value());
    return d;
}

QStringList invariantenPruefen(const TForm1& form)
{
    QStringList errorBox;
    auswahlPruefen(errorBox, form);
    bereichePruefen(errorBox, form);
    const MainState& s = form.state();
    const MainWidgets& w = form.w();
    swatchesPruefen(errorBox, form, s.fixiert && s.fixLinksAktiv);
    // The state holds what the angle controls show: the fixed snapshot and a
    // saved file are taken from it.
    if (w.angle.TrackBar2->value() != s.angleSlider1 || w.angle.TrackBar3->value() != s.angleSlider2 ||
        w.angle.ComboBox3->currentIndex() != (s.winkeltyp2 ? 1 : 0) ||
        w.rowControls.ComboBox1->currentIndex() != s.stufenAnzahl - 1)
        errorBox << QStringLiteral("angle controls and state differ");
    if (!s.fixiert) {
        const Felder f = felderVon(w, std::nullopt);
        zeilePruefen(errorBox, form, false, &f, true);
    } else {
        const Half bearbeitet = s.fixLinksAktiv ? Half::left : Half::right;
        const Felder f = felderVon(w, bearbeitet);
        zeilePruefen(errorBox, form, s.fixLinksAktiv, &f, true);
        // The other half's mode lives in the snapshot: its row is held to its swatches only.
        zeilePruefen(errorBox, form, !s.fixLinksAktiv, nullptr, false);
    }
    return errorBox;
}
