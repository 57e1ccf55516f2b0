#include "core/print/PrintConversion.h"

#include "core/colour/ColourDifference.h"
#include "core/colour/Rounding.h"

#include <lcms2.h>

#include <algorithm>
#include <array>

namespace
{

std::shared_ptr<void> transform(cmsHPROFILE from, cmsUInt32Number fromType, cmsHPROFILE to,
                                cmsUInt32Number toType, PrintIntent intent)
{
    const cmsUInt32Number lcmsIntent =
        intent == PrintIntent::perceptual ? INTENT_PERCEPTUAL : INTENT_RELATIVE_COLORIMETRIC;
    const cmsUInt32Number flags = intent == PrintIntent::perceptual ? 0 : cmsFLAGS_BLACKPOINTCOMPENSATION;
    cmsHTRANSFORM t = cmsCreateTransform(from, fromType, to, toType, lcmsIntent, flags);
    if (!t)
        return {};
    return {t, [](void* p) { cmsDeleteTransform(p); }};
}

double clampedUnit(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

} // namespace

std::optional<PrintConversion> PrintConversion::make(std::shared_ptr<const PrintProfile> profile,
                                                     PrintIntent intent)
{
    if (!profile)
        return std::nullopt;
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    if (!srgb)
        return std::nullopt;
    PrintConversion c;
    // The way back takes the same intent, so a colour the print holds comes back as itself.
    c.toCmyk = transform(srgb, TYPE_RGB_DBL, profile->handle(), TYPE_CMYK_DBL, intent);
    c.fromCmyk = transform(profile->handle(), TYPE_CMYK_DBL, srgb, TYPE_RGB_DBL, intent);
    cmsCloseProfile(srgb);
    if (!c.toCmyk || !c.fromCmyk)
        return std::nullopt;
    c.printProfile = std::move(profile);
    c.chosenIntent = intent;
    return c;
}

PrintValue PrintConversion::convert(QRgb colour) const
{
    const Triple srgb = srgbFromChannels(qRed(colour), qGreen(colour), qBlue(colour));
    const std::array<double, 3> rgb{srgb.a, srgb.b, srgb.c};
    std::array<double, 4> cmyk{};
    cmsDoTransform(toCmyk.get(), rgb.data(), cmyk.data(), 1);
    std::array<double, 3> back{};
    cmsDoTransform(fromCmyk.get(), cmyk.data(), back.data(), 1);
    const Triple returned{clampedUnit(back[0]), clampedUnit(back[1]), clampedUnit(back[2])};
    const auto channel = [](double v) { return roundHalfEven(v * 255.0); };
    PrintValue value;
    value.percent = {std::clamp(cmyk[0], 0.0, 100.0), std::clamp(cmyk[1], 0.0, 100.0),
                     std::clamp(cmyk[2], 0.0, 100.0), std::clamp(cmyk[3], 0.0, 100.0)};
    value.roundTripDistance = ciede2000(labFrom(srgb), labFrom(returned));
    value.roundTrip = qRgb(channel(returned.a), channel(returned.b), channel(returned.c));
    return value;
}

QVector<PrintValue> PrintConversion::convert(const QVector<QRgb>& colours) const
{
    QVector<PrintValue> values;
    values.reserve(colours.size());
    for (const QRgb c : colours)
        values.append(convert(c));
    return values;
}

QString percentText(double percent)
{
    return QString::number(roundHalfEven(percent * 10.0) / 10.0, 'f', 1);
}
