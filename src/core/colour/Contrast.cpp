#include "core/colour/Contrast.h"

#include "core/colour/ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>

double relativeLuminanz(QRgb c)
{
    return 0.2126 * srgbZuLinear(qRed(c)) + 0.7152 * srgbZuLinear(qGreen(c)) + 0.0722 * srgbZuLinear(qBlue(c));
}

double kontrastVerhaeltnis(double luminanzA, double luminanzB)
{
    return (std::max(luminanzA, luminanzB) + 0.05) / (std::min(luminanzA, luminanzB) + 0.05);
}

double kontrastVerhaeltnis(QRgb a, QRgb b)
{
    return kontrastVerhaeltnis(relativeLuminanz(a), relativeLuminanz(b));
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
    std::array<double, 256> wert{};
    ApcaKanal()
    {
        for (std::size_t k = 0; k < wert.size(); ++k)
            wert[k] = std::pow(static_cast<double>(k) / 255.0, mainTRC);
    }
};

double apcaY(QRgb c)
{
    static const ApcaKanal k;
    return sRco * k.wert[static_cast<std::size_t>(qRed(c))] + sGco * k.wert[static_cast<std::size_t>(qGreen(c))] +
           sBco * k.wert[static_cast<std::size_t>(qBlue(c))];
}

double schwarzWeichBegrenzt(double y)
{
    return y > blkThrs ? y : y + std::pow(blkThrs - y, blkClmp);
}

} // namespace

ApcaLeuchte apcaLeuchte(QRgb c)
{
    const double y = schwarzWeichBegrenzt(apcaY(c));
    return {y, std::pow(y, normBG), std::pow(y, normTXT), std::pow(y, revTXT), std::pow(y, revBG)};
}

double apcaLc(const ApcaLeuchte& text, const ApcaLeuchte& hintergrund)
{
    if (std::abs(hintergrund.y - text.y) < deltaYmin)
        return 0.0;
    if (hintergrund.y > text.y) {
        const double sapc = (hintergrund.normBG - text.normTXT) * scaleBoW;
        return sapc < loClip ? 0.0 : (sapc - loBoWoffset) * 100.0;
    }
    const double sapc = (hintergrund.revBG - text.revTXT) * scaleWoB;
    return sapc > -loClip ? 0.0 : (sapc + loWoBoffset) * 100.0;
}

double apcaLc(QRgb text, QRgb hintergrund)
{
    return apcaLc(apcaLeuchte(text), apcaLeuchte(hintergrund));
}

WcagStufe wcagStufe(double verhaeltnis)
{
    if (verhaeltnis >= 7.0)
        return WcagStufe::aaa;
    if (verhaeltnis >= 4.5)
        return WcagStufe::aa;
    if (verhaeltnis >= 3.0)
        return WcagStufe::aaGross;
    return WcagStufe::keine;
}

int apcaStufe(double lc)
{
    const double betrag = std::abs(lc);
    for (int stufe : {90, 75, 60, 45})
        if (betrag >= stufe)
            return stufe;
    return 0;
}
