#include "core/documents/Palette.h"

#include "core/documents/IntermediateRows.h"
#include "core/documents/SettingsApply.h"
#include "core/documents/SettingsFile.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/FixSnapshot.h"
#include "core/language/LanguageTable.h"

#include <algorithm>
#include <utility>

namespace
{

int colourChannel(int v)
{
    // A mix never goes below 0, but an entry must be a colour.
    return std::clamp(v, 0, 255);
}

// The colour the field's painting routine shows.
QRgb mixedColour(const MainState& s, int basisSlot, int dunkel, int hell)
{
    const Rgb m = mixColour(s, basisSlot, dunkel, hell);
    const Rgb c = displayColour(m.r, m.g, m.b, s.nurWebsicher);
    return qRgb(colourChannel(c.r), colourChannel(c.g), colourChannel(c.b));
}

// The colour the field shows: its mix, or the typed colour the state shows on it.
QRgb fieldColour(const MainState& s, Field f)
{
    if (!s.inputOn(f))
        return mixedColour(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]);
    const auto& w = s.inputValue;
    const Rgb c = displayColour(w[0], w[1], w[2], s.nurWebsicher);
    return qRgb(colourChannel(c.r), colourChannel(c.g), colourChannel(c.b));
}

QVector<PaletteEntry> fieldColours(const MainState& s, const LanguageTable& t)
{
    const HarmonyMode m = s.harmonyMode();
    QVector<PaletteEntry> fields;
    fields.append({t.text(Txt::bigField), fieldColour(s, Field::big)});
    if (m == HarmonyMode::threeColour || m == HarmonyMode::fourColour)
        fields.append({t.text(Txt::smallLeftField), fieldColour(s, Field::left)});
    if (m == HarmonyMode::fourColour)
        fields.append({t.text(Txt::smallCentreField), fieldColour(s, Field::centre)});
    fields.append({t.text(Txt::smallRightField), fieldColour(s, Field::right)});
    return fields;
}

QVector<PaletteEntry> rowColours(const MainState& s, const LanguageTable& t)
{
    QVector<PaletteEntry> fields;
    const OneBased<48> endFarben = shownEndColours(s);
    for (const IntermediateRow& z :
         intermediateRows(stepCountFrom(s.stufeAktiv), s.harmonyMode() != HarmonyMode::colourRows, t)) {
        const auto e = [&](int i) { return colourChannel(endFarben[z.endIndex + i]); };
        fields.append({z.name, qRgb(e(0), e(1), e(2))});
    }
    return fields;
}

} // namespace

OneBased<48> shownEndColours(const MainState& s)
{
    OneBased<48> e = s.endFarben;
    // The outer fields and the big field keep their final values from element 37 on.
    for (const Field f : {Field::big, Field::right, Field::left}) {
        if (!s.inputOn(f))
            continue;
        const auto& w = s.inputValue;
        const Rgb c = displayColour(w[0], w[1], w[2], s.nurWebsicher);
        const int erstes = 37 + 3 * fieldIndex(f);
        e[erstes] = c.r;
        e[erstes + 1] = c.g;
        e[erstes + 2] = c.b;
    }
    return e;
}

namespace
{

QString harmonyModeName(HarmonyMode m, const LanguageTable& t)
{
    switch (m) {
    case HarmonyMode::twoColour:
        return withoutAccelerator(t.text(Txt::zweierHarmonien));
    case HarmonyMode::threeColour:
        return withoutAccelerator(t.text(Txt::dreierHarmonien));
    case HarmonyMode::fourColour:
        return withoutAccelerator(t.text(Txt::viererHarmonien));
    case HarmonyMode::fanning:
        return withoutAccelerator(t.text(Txt::auffaecherungen));
    case HarmonyMode::colourRows:
        break;
    }
    return withoutAccelerator(t.text(Txt::farbreihen));
}

} // namespace

QVector<PaletteEntry> combinationColours(const MainState& s, const LanguageTable& t)
{
    return isRowMode(s.harmonyMode()) ? rowColours(s, t) : fieldColours(s, t);
}

MainState snapshotState(const FixSnapshot& f, bool webSafeOn)
{
    MainState s;
    applySetting(s, snapshotSetting(f, webSafeOn));
    return s;
}

Palette shownFields(const MainState& s, const LanguageTable& t)
{
    if (!s.fixiert)
        return {{{harmonyModeName(s.harmonyMode(), t), combinationColours(s, t)}}};
    PaletteGroup edited{s.fixLinksAktiv ? t.text(Txt::paletteLeftHalf) : t.text(Txt::paletteRightHalf),
                        combinationColours(s, t)};
    PaletteGroup other{s.fixLinksAktiv ? t.text(Txt::paletteRightHalf) : t.text(Txt::paletteLeftHalf),
                       combinationColours(snapshotState(s.fixStand, s.nurWebsicher), t)};
    if (s.fixLinksAktiv)
        return {{std::move(edited), std::move(other)}};
    return {{std::move(other), std::move(edited)}};
}

Palette paletteFrom(const MainState& s, const LanguageTable& t)
{
    Palette p = shownFields(s, t);
    if (s.fixiert && !s.fixLinksAktiv)
        std::swap(p.groups[0], p.groups[1]);
    return p;
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
