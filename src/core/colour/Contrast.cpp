#include "core/colour/Contrast.h"

#include "core/colour/ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>

double relativeLuminance(QRgb c)
{
    return 0.2126 * srgbToLinear(qRed(c)) + 0.7152 * srgbToLinear(qGreen(c)) +
           0.0722 * srgbToLinear(qBlue(c));
}

double contrastRatio(double luminanceA, double luminanceB)
{
    return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

double contrastRatio(QRgb a, QRgb b)
{
    return contrastRatio(relativeLuminance(a), relativeLuminance(b));
}

QRgb legibleMarkColour(QRgb preferred, QRgb backgroundColour, QRgb alternative)
{
    if (contrastRatio(preferred, backgroundColour) >= markContrast)
        return preferred;
    if (contrastRatio(alternative, backgroundColour) >= markContrast)
        return alternative;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    return contrastRatio(black, backgroundColour) >= contrastRatio(white, backgroundColour) ? black : white;
}

namespace
{

// APCA-W3 0.1.9 (SA98G constants).
constexpr double mainTRC = 2.4;
constexpr double sRco = 0.2126729, sGco = 0.7151522, sBco = 0.0721750;
constexpr double normBG = 0.56, normTXT = 0.57, revTXT = 0.62, revBG = 0.65;
constexpr double blkThrs = 0.022, blkClmp = 1.414;
constexpr double scaleBoW = 1.14, scaleWoB = 1.14;
constexpr double loBoWoffset = 0.027, loWoBoffset = 0.027;
constexpr double deltaYmin = 0.0005, loClip = 0.1;

struct ApcaKanal {
    std::array<double, 256> value{};
    ApcaKanal()
    {
        for (std::size_t k = 0; k < value.size(); ++k)
            value[k] = std::pow(static_cast<double>(k) / 255.0, mainTRC);
    }
};

double apcaY(QRgb c)
{
    static const ApcaKanal k;
    return sRco * k.value[static_cast<std::size_t>(qRed(c))] +
           sGco * k.value[static_cast<std::size_t>(qGreen(c))] +
           sBco * k.value[static_cast<std::size_t>(qBlue(c))];
}

double softClampBlack(double y)
{
    return y > blkThrs ? y : y + std::pow(blkThrs - y, blkClmp);
}

} // namespace

ApcaLuminance apcaLuminance(QRgb c)
{
    const double y = softClampBlack(apcaY(c));
    return {y, std::pow(y, normBG), std::pow(y, normTXT), std::pow(y, revTXT), std::pow(y, revBG)};
}

double apcaLc(const ApcaLuminance& text, const ApcaLuminance& backgroundColour)
{
    if (std::abs(backgroundColour.y - text.y) < deltaYmin)
        return 0.0;
    if (backgroundColour.y > text.y) {
        const double sapc = (backgroundColour.normBG - text.normTXT) * scaleBoW;
        return sapc < loClip ? 0.0 : (sapc - loBoWoffset) * 100.0;
    }
    const double sapc = (backgroundColour.revBG - text.revTXT) * scaleWoB;
    return sapc > -loClip ? 0.0 : (sapc + loWoBoffset) * 100.0;
}

double apcaLc(QRgb text, QRgb backgroundColour)
{
    return apcaLc(apcaLuminance(text), apcaLuminance(backgroundColour));
}

WcagLevel wcagLevel(double ratio)
{
    if (ratio >= 7.0)
        return WcagLevel::aaa;
    if (ratio >= 4.5)
        return WcagLevel::aa;
    if (ratio >= 3.0)
        return WcagLevel::aaLarge;
    return WcagLevel::none;
}

int apcaLevel(double lc)
{
    const double betrag = std::abs(lc);
    for (int level : {90, 75, 60, 45})
        if (betrag >= level)
            return level;
    return 0;
}
