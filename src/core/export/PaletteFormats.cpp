#include "core/export/PaletteFormats.h"

#include "core/export/PaletteWriters.h"
#include "core/export/SwatchSheet.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace
{

constexpr std::array<PaletteFormatDef, 8> formats{{
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

std::span<const PaletteFormatDef> paletteFormats()
{
    return formats;
}

const PaletteFormatDef& paletteFormat(PaletteFormat f)
{
    return formats[static_cast<std::size_t>(f)];
}

std::optional<PaletteFormat> formatFromName(QStringView name)
{
    for (const PaletteFormatDef& d : formats)
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0)
            return d.id;
    if (name.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
        return PaletteFormat::tokens;
    return std::nullopt;
}

std::optional<PaletteFormat> formatFromPath(const QString& pathName)
{
    for (const PaletteFormatDef& d : formats)
        if (pathName.endsWith(QLatin1String(d.extension), Qt::CaseInsensitive))
            return d.id;
    if (pathName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return PaletteFormat::tokens;
    return std::nullopt;
}

QString formatNames()
{
    QStringList names;
    for (const PaletteFormatDef& d : formats)
        names << QLatin1String(d.name);
    return names.join(QStringLiteral(", "));
}

QString exportFilter(const LanguageTable& t)
{
    QStringList filter;
    for (const PaletteFormatDef& d : formats)
        filter << t.text(d.descriptionText);
    return filter.join(QStringLiteral(";;"));
}

QString withFormatExtension(const QString& pathName, PaletteFormat f)
{
    const QLatin1String extension(paletteFormat(f).extension);
    return pathName.endsWith(extension, Qt::CaseInsensitive) ? pathName : pathName + extension;
}

std::optional<QByteArray> textFileData(const Palette& p, PaletteFormat f, const QString& titleText)
{
    switch (f) {
    case PaletteFormat::gpl:
        return gplFile(p, titleText);
    case PaletteFormat::ase:
        return aseFile(p);
    case PaletteFormat::soc:
        return socFile(p);
    case PaletteFormat::css:
        return cssFile(p, titleText);
    case PaletteFormat::scss:
        return scssFile(p, titleText);
    case PaletteFormat::tokens:
        return tokensFile(p);
    case PaletteFormat::svg:
        return svgFile(p, titleText);
    case PaletteFormat::png:
        break;
    }
    return std::nullopt;
}

bool carriesScales(PaletteFormat f)
{
    return f == PaletteFormat::css || f == PaletteFormat::tokens;
}

QString scaleTokensPath(const QString& pathName, bool dark)
{
    QString basis = pathName;
    for (const QLatin1String extension : {QLatin1String(".tokens.json"), QLatin1String(".json")})
        if (basis.endsWith(extension, Qt::CaseInsensitive)) {
            basis.chop(extension.size());
            break;
        }
    return basis + (dark ? QLatin1String(".dark") : QLatin1String(".light")) +
           QLatin1String(paletteFormat(PaletteFormat::tokens).extension);
}

QVector<ExportFile> scaleExportFiles(const Palette& p, PaletteFormat f, const QString& pathName,
                                     const QString& titleText, const ScaleExportRequest& r,
                                     const LanguageTable& t)
{
    if (!carriesScales(f))
        return {};
    QVector<QRgb> colours;
    for (const FlatEntry& e : flatEntries(p))
        colours << e.rgb;
    // A target given twice would make a second name ("3-2") that reads as another target.
    QVector<double> targets = r.targets;
    std::sort(targets.begin(), targets.end());
    targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
    const ScaleSets sets{r.method, r.backgrounds,
                         lightAndDarkScales(colours, r.backgrounds, r.method, targets)};
    const ScaleWording w{t.text(Txt::scaleExportStep), t.text(Txt::scaleExportUnreachable)};
    if (f == PaletteFormat::css)
        return {{pathName, cssWithScales(p, titleText, sets, w)}};
    return {{scaleTokensPath(pathName, false), tokensWithScales(p, sets, false, w)},
            {scaleTokensPath(pathName, true), tokensWithScales(p, sets, true, w)}};
}
