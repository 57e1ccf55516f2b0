#include "core/documents/Palette.h"

#include "core/documents/IntermediateRows.h"
#include "core/documents/SettingsApply.h"
#include "core/documents/SettingsFile.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/FixSnapshot.h"
#include "core/language/LanguageTable.h"

#include <algorithm>

namespace
{

int kanal(int v)
{
    // A mix never goes below 0, but an entry must be a colour.
    return std::clamp(v, 0, 255);
}

// The colour the field's painting routine shows.
QRgb gemischt(const MainState& s, int basisSlot, int dunkel, int hell)
{
    const Rgb m = mische(s, basisSlot, dunkel, hell);
    const Rgb c = anzeigeFarbe(m.r, m.g, m.b, s.nurWebsicher);
    return qRgb(kanal(c.r), kanal(c.g), kanal(c.b));
}

// The colour the field shows: its mix, or the typed colour the state shows on it.
QRgb feldFarbe(const MainState& s, Feld f)
{
    if (!s.eingabeAuf(f))
        return gemischt(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]);
    const auto& w = s.eingabeWert;
    const Rgb c = anzeigeFarbe(w[0], w[1], w[2], s.nurWebsicher);
    return qRgb(kanal(c.r), kanal(c.g), kanal(c.b));
}

QVector<PaletteEntry> feldFarben(const MainState& s, const LanguageTable& t)
{
    const Modus m = s.modus();
    QVector<PaletteEntry> felder;
    felder.append({t.text(Txt::feldGross), feldFarbe(s, Feld::gross)});
    if (m == Modus::dreier || m == Modus::vierer)
        felder.append({t.text(Txt::feldLinks), feldFarbe(s, Feld::links)});
    if (m == Modus::vierer)
        felder.append({t.text(Txt::feldMitte), feldFarbe(s, Feld::mitte)});
    felder.append({t.text(Txt::feldRechts), feldFarbe(s, Feld::rechts)});
    return felder;
}

QVector<PaletteEntry> reihenFarben(const MainState& s, const LanguageTable& t)
{
    QVector<PaletteEntry> felder;
    const OneBased<48> endFarben = angezeigteEndFarben(s);
    for (const ZwischenZeile& z : zwischenZeilen(stufenAus(s.stufeAktiv), s.modus() != Modus::reihen, t)) {
        const auto e = [&](int i) { return kanal(endFarben[z.endIndex + i]); };
        felder.append({z.name, qRgb(e(0), e(1), e(2))});
    }
    return felder;
}

} // namespace

OneBased<48> angezeigteEndFarben(const MainState& s)
{
    OneBased<48> e = s.endFarben;
    // The outer fields and the big field keep their final values from element 37 on.
    for (const Feld f : {Feld::gross, Feld::rechts, Feld::links}) {
        if (!s.eingabeAuf(f))
            continue;
        const auto& w = s.eingabeWert;
        const Rgb c = anzeigeFarbe(w[0], w[1], w[2], s.nurWebsicher);
        const int erstes = 37 + 3 * feldIndex(f);
        e[erstes] = c.r;
        e[erstes + 1] = c.g;
        e[erstes + 2] = c.b;
    }
    return e;
}

namespace
{

QString modusName(Modus m, const LanguageTable& t)
{
    switch (m) {
    case Modus::zweier:
        return ohneAccelerator(t.text(Txt::zweierHarmonien));
    case Modus::dreier:
        return ohneAccelerator(t.text(Txt::dreierHarmonien));
    case Modus::vierer:
        return ohneAccelerator(t.text(Txt::viererHarmonien));
    case Modus::auffaecher:
        return ohneAccelerator(t.text(Txt::auffaecherungen));
    case Modus::reihen:
        break;
    }
    return ohneAccelerator(t.text(Txt::farbreihen));
}

} // namespace

QVector<PaletteEntry> kombinationsFarben(const MainState& s, const LanguageTable& t)
{
    return istReihenModus(s.modus()) ? reihenFarben(s, t) : feldFarben(s, t);
}

MainState schnappschussZustand(const FixStand& f, bool websicherAn)
{
    MainState s;
    einstellungAnwenden(s, schnappschussEinstellung(f, websicherAn));
    return s;
}

Palette paletteAus(const MainState& s, const LanguageTable& t)
{
    if (!s.fixiert)
        return {{{modusName(s.modus(), t), kombinationsFarben(s, t)}}};
    const MainState fix = schnappschussZustand(s.fixStand, s.nurWebsicher);
    const QString links = t.text(Txt::paletteLinks);
    const QString rechts = t.text(Txt::paletteRechts);
    return {{{s.fixLinksAktiv ? links : rechts, kombinationsFarben(s, t)},
             {s.fixLinksAktiv ? rechts : links, kombinationsFarben(fix, t)}}};
}

QVector<QRgb> paletteColours(const Palette& p)
{
    QVector<QRgb> colours;
    for (const PaletteGroup& g : p.groups)
        for (const PaletteEntry& e : g.entries)
            colours.append(e.rgb);
    return colours;
}

QVector<QRgb> distinctColours(const QVector<QRgb>& colours)
{
    QVector<QRgb> result;
    for (QRgb c : colours) {
        const QRgb opaque = qRgb(qRed(c), qGreen(c), qBlue(c));
        if (!result.contains(opaque))
            result.append(opaque);
    }
    return result;
}
