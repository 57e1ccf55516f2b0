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
    std::array<const StaticText*, 4> texte;
};

// Big, left, centre, right, in the order of MainWidgets::werteTexte.
std::array<WerteZeile, 4> werteZeilen(const MainWidgets& w, bool unten)
{
    const auto t = w.werteTexte();
    const std::size_t o = unten ? 16 : 0;
    const std::array<const ColourPanel*, 4> swatches =
        unten ? std::array<const ColourPanel*, 4>{w.Panel8, w.Panel9, w.Panel10, w.Panel11}
              : std::array<const ColourPanel*, 4>{w.Panel4, w.Panel5, w.Panel6, w.Panel7};
    std::array<WerteZeile, 4> z{};
    for (std::size_t f = 0; f < 4; ++f)
        z[f] = {swatches[f], {t[o + 4 * f], t[o + 4 * f + 1], t[o + 4 * f + 2], t[o + 4 * f + 3]}};
    return z;
}

// The panels of one display: the unfixed one or a half of the fixed one.
struct Felder {
    const ColourPanel *gross, *reihenGrund, *rechts, *links, *mitte;
    const std::array<ColourPanel*, 16>& reihe;
};

Felder felderVon(const MainWidgets& w, std::optional<Haelfte> haelfte)
{
    if (!haelfte)
        return {w.Anzeige_Normal, w.AnzeigeReihen, w.KleinRechts, w.KleinLinks, w.KleinMitte, w.R};
    if (*haelfte == Haelfte::links)
        return {w.FixedLinks,           w.FixedLinksReihen,     w.FixedLinksKleinRechts,
                w.FixedLinksKleinLinks, w.FixedLinksKleinMitte, w.RLi};
    return {w.FixedRechts, w.FixedRechtsReihen, w.FixedKleinRechts, w.FixedKleinLinks, w.FixedKleinMitte, w.RRe};
}

QString sichtbar(const TForm1& form, const ColourPanel* p)
{
    return p->isVisibleTo(&form) ? p->colour().name().toUpper() : QStringLiteral("hidden");
}

// The mode of a display: the live one, or the snapshot's for the half not edited.
Modus modusVon(const TForm1& form, std::optional<Haelfte> haelfte)
{
    const MainState& s = form.state();
    if (haelfte && (*haelfte == Haelfte::links) != s.fixLinksAktiv)
        return static_cast<Modus>(s.fixStand.fixModus);
    return s.modus();
}

// Only the fields of the display's mode (the others may lie hidden behind it);
// a colour row stands on the window background, which no file keeps.
void panelsEintragen(Ansicht& a, const TForm1& form, const Felder& f, Modus modus)
{
    const auto eintragen = [&](const ColourPanel* p) {
        if (p->isVisibleTo(&form))
            a.insert(p->objectName(), p->colour().name().toUpper());
    };
    if (!istReihenModus(modus)) {
        eintragen(f.gross);
        eintragen(f.rechts);
        if (modus != Modus::zweier)
            eintragen(f.links);
        if (modus == Modus::vierer)
            eintragen(f.mitte);
        return;
    }
    if (modus == Modus::auffaecher)
        eintragen(f.reihenGrund);
    for (int n = 1; n <= 15; ++n)
        eintragen(f.reihe[static_cast<std::size_t>(n)]);
}

void zeileEintragen(Ansicht& a, const TForm1& form, bool unten)
{
    for (const WerteZeile& z : werteZeilen(form.w(), unten)) {
        a.insert(z.swatch->objectName(), sichtbar(form, z.swatch));
        if (z.swatch->isVisibleTo(&form))
            for (const StaticText* t : z.texte)
                a.insert(t->objectName(), t->text());
    }
}

QString farbText(const QColor& c)
{
    return QStringLiteral("%1 %2 %3 %4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.name().toUpper());
}

// Each value row agrees with its swatch, and the swatch with its field.
void zeilePruefen(QStringList& fehler, const TForm1& form, bool unten, const Felder* felder, bool bearbeitet)
{
    const MainState& s = form.state();
    const Modus modus = s.modus();
    const bool reihen = istReihenModus(modus);
    const std::array<const ColourPanel*, 4> flaechen =
        !felder ? std::array<const ColourPanel*, 4>{}
        : reihen ? std::array<const ColourPanel*, 4>{modus == Modus::auffaecher ? felder->reihenGrund : nullptr,
                                                     felder->reihe[1], felder->reihe[8], felder->reihe[15]}
                 : std::array<const ColourPanel*, 4>{felder->gross, felder->links, felder->mitte, felder->rechts};
    const auto zeilen = werteZeilen(form.w(), unten);
    for (std::size_t f = 0; f < 4; ++f) {
        const WerteZeile& z = zeilen[f];
        if (!z.swatch->isVisibleTo(&form))
            continue;
        // The manual input's texts stand verbatim in the edited big field's row,
        // and a web-safe take-over shows the dialog's values until the next repaint.
        const bool eingabeTexte = f == 0 && bearbeitet && s.eingabeTexteZeigen;
        if (!eingabeTexte && !s.websicherUebernommen) {
            const QColor c = z.swatch->colour();
            const QString soll = farbText(c);
            const QString ist = QStringLiteral("%1 %2 %3 %4")
                                    .arg(z.texte[0]->text(), z.texte[1]->text(), z.texte[2]->text(),
                                         z.texte[3]->text());
            if (ist != soll)
                fehler << QStringLiteral("value row %1 shows \"%2\", its swatch is %3")
                              .arg(z.texte[3]->objectName(), ist, soll);
        }
        if (flaechen[f] && flaechen[f]->isVisibleTo(&form) && flaechen[f]->colour() != z.swatch->colour())
            fehler << QStringLiteral("swatch %1 is %2, its field %3 is %4")
                          .arg(z.swatch->objectName(), z.swatch->colour().name(), flaechen[f]->objectName(),
                               flaechen[f]->colour().name());
    }
}

// The edited row shows the swatches of the fields its mode has (big, left, centre, right).
void swatchesPruefen(QStringList& fehler, const TForm1& form, bool unten)
{
    const Modus m = form.state().modus();
    const std::array<bool, 4> soll{m != Modus::reihen, m != Modus::zweier,
                                   m != Modus::zweier && m != Modus::dreier, true};
    const auto zeilen = werteZeilen(form.w(), unten);
    for (std::size_t f = 0; f < 4; ++f)
        if (zeilen[f].swatch->isVisibleTo(&form) != soll[f])
            fehler << QStringLiteral("swatch %1 %2 in mode %3")
                          .arg(zeilen[f].swatch->objectName(),
                               soll[f] ? QStringLiteral("hidden") : QStringLiteral("shown"))
                          .arg(static_cast<int>(m));
}

void bereichePruefen(QStringList& fehler, const TForm1& form)
{
    const MainState& s = form.state();
    for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
        if (p < 0 || p > 677)
            fehler << QStringLiteral("band position %1 outside 0..677").arg(p);
    for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                  s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
        if (k < 0 || k > 256)
            fehler << QStringLiteral("cross-hair coordinate %1 outside the field").arg(k);
    for (int m : {s.dunkelGross(), s.hellGross(), s.dunkelRechts(), s.hellRechts(), s.dunkelLinks(),
                  s.hellLinks(), s.dunkelMitte(), s.hellMitte()})
        if (m < 0 || m > 255)
            fehler << QStringLiteral("light/dark amount %1 outside 0..255").arg(m);
    const MainWidgets& w = form.w();
    const QRect feld = w.flaechenanzeigeFarbe->rect();
    if (w.KreuzV->x() < 0 || w.KreuzV->x() >= feld.width() || w.KreuzH->y() < 0 ||
        w.KreuzH->y() >= feld.height())
        fehler << QStringLiteral("cross-hair at (%1, %2) outside the %3 x %4 field")
                      .arg(w.KreuzV->x())
                      .arg(w.KreuzH->y())
                      .arg(feld.width())
                      .arg(feld.height());
    if (s.stufenAnzahl != w.ComboBox1->currentIndex() + 1)
        fehler << QStringLiteral("%1 steps, but the list shows item %2")
                      .arg(s.stufenAnzahl)
                      .arg(w.ComboBox1->currentIndex());
}

void auswahlPruefen(QStringList& fehler, const TForm1& form)
{
    const MainState& s = form.state();
    ModeActions& modi = *const_cast<TForm1&>(form).parts().modes;
    int geprueft = 0;
    for (Modus m : {Modus::zweier, Modus::dreier, Modus::vierer, Modus::auffaecher, Modus::reihen})
        if (modi.modusAktion(m).isChecked()) {
            ++geprueft;
            if (m != s.modus())
                fehler << QStringLiteral("mode %1 checked, state says %2")
                              .arg(static_cast<int>(m))
                              .arg(static_cast<int>(s.modus()));
        }
    if (geprueft != 1)
        fehler << QStringLiteral("%1 mode actions checked").arg(geprueft);
    if (int(s.hdZielGross()) + int(s.hdZielRechts()) + int(s.hdZielLinks()) + int(s.hdZielMitte()) != 1)
        fehler << QStringLiteral("not exactly one light/dark target");
    if (s.separatModus &&
        int(s.feldGrossAn()) + int(s.feldRechtsAn()) + int(s.feldLinksAn()) + int(s.feldMitteAn()) != 1)
        fehler << QStringLiteral("separate adjustment with more or less than one field taking part");
}

} // namespace

Ansicht haelfteVon(const TForm1& form, Haelfte haelfte)
{
    Ansicht a;
    panelsEintragen(a, form, felderVon(form.w(), haelfte), modusVon(form, haelfte));
    zeileEintragen(a, form, haelfte == Haelfte::links);
    return a;
}

Ansicht ansichtVon(const TForm1& form)
{
    const MainState& s = form.state();
    Ansicht a;
    a.insert(QStringLiteral("fixed"), QString::number(s.fixiert));
    if (s.fixiert) {
        a.insert(QStringLiteral("mode left"), QString::number(static_cast<int>(modusVon(form, Haelfte::links))));
        a.insert(QStringLiteral("mode right"), QString::number(static_cast<int>(modusVon(form, Haelfte::rechts))));
        a.insert(haelfteVon(form, Haelfte::links));
        a.insert(haelfteVon(form, Haelfte::rechts));
    } else {
        a.insert(QStringLiteral("mode"), QString::number(static_cast<int>(s.modus())));
        panelsEintragen(a, form, felderVon(form.w(), std::nullopt), s.modus());
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
    QStringList fehler;
    auswahlPruefen(fehler, form);
    bereichePruefen(fehler, form);
    const MainState& s = form.state();
    const MainWidgets& w = form.w();
    swatchesPruefen(fehler, form, s.fixiert && s.fixLinksAktiv);
    // The state holds what the angle controls show: the fixed snapshot and a
    // saved file are taken from it.
    if (w.TrackBar2->value() != s.winkelRegler1 || w.TrackBar3->value() != s.winkelRegler2 ||
        w.ComboBox3->currentIndex() != (s.winkeltyp2 ? 1 : 0) || w.ComboBox1->currentIndex() != s.stufenAnzahl - 1)
        fehler << QStringLiteral("angle controls and state differ");
    if (!s.fixiert) {
        const Felder f = felderVon(w, std::nullopt);
        zeilePruefen(fehler, form, false, &f, true);
    } else {
        const Haelfte bearbeitet = s.fixLinksAktiv ? Haelfte::links : Haelfte::rechts;
        const Felder f = felderVon(w, bearbeitet);
        zeilePruefen(fehler, form, s.fixLinksAktiv, &f, true);
        // The other half's mode lives in the snapshot: its row is held to its swatches only.
        zeilePruefen(fehler, form, !s.fixLinksAktiv, nullptr, false);
    }
    return fehler;
}
