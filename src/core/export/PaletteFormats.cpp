#include "core/export/PaletteFormats.h"

#include "core/export/PaletteWriters.h"
#include "core/export/SwatchSheet.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

#include <array>

namespace
{

constexpr std::array<PaletteFormatDef, 8> formate{{
    {PaletteFormat::gpl, "gpl", ".gpl", Txt::formatGpl},
    {PaletteFormat::ase, "ase", ".ase", Txt::formatAse},
    {PaletteFormat::soc, "soc", ".soc", Txt::formatSoc},
    {PaletteFormat::css, "css", ".css", Txt::formatCss},
    {PaletteFormat::scss, "scss", ".scss", Txt::formatScss},
    {PaletteFormat::tokens, "tokens", ".tokens.json", Txt::formatTokens},
    {PaletteFormat::svg, "svg", ".svg", Txt::formatSvg},
    {PaletteFormat::png, "png", ".png", Txt::formatPng},
}};

} // namespace

std::span<const PaletteFormatDef> paletteFormate()
{
    return formate;
}

const PaletteFormatDef& paletteFormat(PaletteFormat f)
{
    return formate[static_cast<std::size_t>(f)];
}

std::optional<PaletteFormat> formatAusName(QStringView name)
{
    for (const PaletteFormatDef& d : formate)
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0)
            return d.id;
    if (name.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
        return PaletteFormat::tokens;
    return std::nullopt;
}

std::optional<PaletteFormat> formatAusPfad(const QString& pfad)
{
    for (const PaletteFormatDef& d : formate)
        if (pfad.endsWith(QLatin1String(d.endung), Qt::CaseInsensitive))
            return d.id;
    if (pfad.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return PaletteFormat::tokens;
    return std::nullopt;
}

QString formatNamen()
{
    QStringList namen;
    for (const PaletteFormatDef& d : formate)
        namen << QLatin1String(d.name);
    return namen.join(QStringLiteral(", "));
}

QString exportFilter(const LanguageTable& t)
{
    QStringList filter;
    for (const PaletteFormatDef& d : formate)
        filter << t.text(d.beschreibung);
    return filter.join(QStringLiteral(";;"));
}

QString mitFormatEndung(const QString& pfad, PaletteFormat f)
{
    const QLatin1String endung(paletteFormat(f).endung);
    return pfad.endsWith(endung, Qt::CaseInsensitive) ? pfad : pfad + endung;
}

std::optional<QByteArray> textDaten(const Palette& p, PaletteFormat f, const QString& titel)
{
    switch (f) {
    case PaletteFormat::gpl:
        return gplDatei(p, titel);
    case PaletteFormat::ase:
        return aseDatei(p);
    case PaletteFormat::soc:
        return socDatei(p);
    case PaletteFormat::css:
        return cssDatei(p, titel);
    case PaletteFormat::scss:
        return scssDatei(p, titel);
    case PaletteFormat::tokens:
        return tokensDatei(p);
    case PaletteFormat::svg:
        return svgDatei(p, titel);
    case PaletteFormat::png:
        break;
    }
    return std::nullopt;
}
