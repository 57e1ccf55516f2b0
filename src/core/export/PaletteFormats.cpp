#include "core/export/PaletteFormats.h"

#include "core/export/PaletteWriters.h"
#include "core/export/SwatchSheet.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

#include <algorithm>
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

bool carriesScales(PaletteFormat f)
{
    return f == PaletteFormat::css || f == PaletteFormat::tokens;
}

QString scaleTokensPath(const QString& pfad, bool dark)
{
    QString basis = pfad;
    for (const QLatin1String endung : {QLatin1String(".tokens.json"), QLatin1String(".json")})
        if (basis.endsWith(endung, Qt::CaseInsensitive)) {
            basis.chop(endung.size());
            break;
        }
    return basis + (dark ? QLatin1String(".dark") : QLatin1String(".light")) +
           QLatin1String(paletteFormat(PaletteFormat::tokens).endung);
}

QVector<ExportFile> scaleExportFiles(const Palette& p, PaletteFormat f, const QString& pfad,
                                     const QString& titel, const ScaleExportRequest& r,
                                     const LanguageTable& t)
{
    if (!carriesScales(f))
        return {};
    QVector<QRgb> colours;
    for (const FlacherEintrag& e : flacheEintraege(p))
        colours << e.rgb;
    // A target given twice would make a second name ("3-2") that reads as another target.
    QVector<double> targets = r.targets;
    std::sort(targets.begin(), targets.end());
    targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
    const ScaleSets sets{r.method, r.backgrounds,
                         lightAndDarkScales(colours, r.backgrounds, r.method, targets)};
    const ScaleWording w{t.text(Txt::scaleExportStep), t.text(Txt::scaleExportUnreachable)};
    if (f == PaletteFormat::css)
        return {{pfad, cssWithScales(p, titel, sets, w)}};
    return {{scaleTokensPath(pfad, false), tokensWithScales(p, sets, false, w)},
            {scaleTokensPath(pfad, true), tokensWithScales(p, sets, true, w)}};
}
