#include "cli/CmykReport.h"

#include "cli/ArgumentBytes.h"
#include "cli/NamedFiles.h"
#include "core/documents/ContrastTable.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

std::optional<PrintIntent> intentFrom(const QString& text)
{
    const QString name = text.trimmed().toLower();
    if (name == QLatin1String("relative"))
        return PrintIntent::relativeColorimetric;
    if (name == QLatin1String("perceptual"))
        return PrintIntent::perceptual;
    return std::nullopt;
}

std::variant<PrintConversion, QString> conversionFrom(const QString& profilePath, PrintIntent intent,
                                                      const LanguageTable& t)
{
    // Named by the bytes given, like the settings file.
    QByteArray bytes;
    const ProfileLoad load =
        readNamedFile(argumentBytes(profilePath), bytes) == 0 ? profileFromBytes(bytes) : ProfileLoad{};
    if (load.problem == ProfileProblem::notCmykOutput)
        return t.text(Txt::profileNotCmykOutput).arg(profilePath);
    std::optional<PrintConversion> conversion = PrintConversion::make(load.profile, intent);
    if (!conversion)
        return t.text(Txt::profileUnreadable).arg(profilePath);
    return std::move(*conversion);
}

QString cmykReport(const QVector<QRgb>& colours, const PrintConversion& conversion, const QString& header)
{
    QString text = header + QLatin1Char('\n');
    for (const QRgb colour : colours) {
        const PrintValue v = conversion.convert(colour);
        text +=
            QStringList{
                hexColour(colour),        percentText(v.percent.c),
                percentText(v.percent.m), percentText(v.percent.y),
                percentText(v.percent.k), v.outOfGamut() ? QStringLiteral("out") : QStringLiteral("in")}
                .join(QLatin1Char('\t')) +
            QLatin1Char('\n');
    }
    return text;
}

CmykOf cmykFractions(const PrintConversion& conversion)
{
    return [&conversion](QRgb colour) {
        const Cmyk p = conversion.convert(colour).percent;
        return Cmyk{p.c / 100.0, p.m / 100.0, p.y / 100.0, p.k / 100.0};
    };
}
