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

QVector<PaletteEntry> feldFarben(const MainState& s, const LanguageTable& t)
{
    const Modus m = s.modus();
    QVector<PaletteEntry> felder;
    felder.append({t.text(Txt::feldGross), gemischt(s, slot::basisGross, s.dunkelGross(), s.hellGross())});
    if (m == Modus::dreier || m == Modus::vierer)
        felder.append(
            {t.text(Txt::feldLinks), gemischt(s, slot::basisLinks, s.dunkelLinks(), s.hellLinks())});
    if (m == Modus::vierer)
        felder.append(
            {t.text(Txt::feldMitte), gemischt(s, slot::basisMitte, s.dunkelMitte(), s.hellMitte())});
    felder.append(
        {t.text(Txt::feldRechts), gemischt(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts())});
    return felder;
}

QVector<PaletteEntry> reihenFarben(const MainState& s, const LanguageTable& t)
{
    QVector<PaletteEntry> felder;
    for (const ZwischenZeile& z : zwischenZeilen(stufenAus(s.stufeAktiv), s.modus() != Modus::reihen, t)) {
        const auto e = [&](int i) { return kanal(s.endFarben[z.endIndex + i]); };
        felder.append({z.name, qRgb(e(0), e(1), e(2))});
    }
    return felder;
}

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
