#include "core/colour/ColourName.h"

#include "core/language/LanguageTable.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace
{

struct HueWord {
    double below; // upper end of the hue range in degrees
    Txt name;
};

// Hue ranges of the HSL wheel; red wraps round 0.
constexpr std::array hueWords{
    HueWord{15, Txt::colourNameRed},        HueWord{45, Txt::colourNameOrange},
    HueWord{70, Txt::colourNameYellow},     HueWord{160, Txt::colourNameGreen},
    HueWord{190, Txt::colourNameTurquoise}, HueWord{255, Txt::colourNameBlue},
    HueWord{290, Txt::colourNameViolet},    HueWord{335, Txt::colourNameMagenta},
    HueWord{361, Txt::colourNameRed},
};

Txt hueWord(double hue, double lightness)
{
    // Dark oranges and yellows are seen as brown and olive, light reds and magentas as pink.
    if (hue >= 15 && hue < 45 && lightness < 0.4)
        return Txt::colourNameBrown;
    if (hue >= 45 && hue < 70 && lightness < 0.35)
        return Txt::colourNameOlive;
    if ((hue >= 290 || hue < 15) && lightness >= 0.7)
        return Txt::colourNamePink;
    return std::find_if(hueWords.begin(), hueWords.end(), [hue](const HueWord& w) { return hue < w.below; })
        ->name;
}

// Brown and pink carry their lightness in the word itself, up to the extremes.
std::optional<Txt> lightnessWord(double lightness, Txt hue)
{
    if (lightness < 0.2)
        return Txt::colourVeryDark;
    if (lightness > 0.88)
        return Txt::colourVeryLight;
    if (hue == Txt::colourNameBrown || hue == Txt::colourNamePink || hue == Txt::colourNameOlive)
        return std::nullopt;
    if (lightness < 0.38)
        return Txt::colourDark;
    if (lightness > 0.62)
        return Txt::colourLight;
    return std::nullopt;
}

QString greyName(double lightness, const LanguageTable& t)
{
    if (lightness < 0.1)
        return t.text(Txt::colourNameBlack);
    if (lightness > 0.95)
        return t.text(Txt::colourNameWhite);
    const QString grey = t.text(Txt::colourNameGrey);
    if (lightness < 0.35)
        return t.text(Txt::colourDark) + QLatin1Char(' ') + grey;
    if (lightness > 0.7)
        return t.text(Txt::colourLight) + QLatin1Char(' ') + grey;
    return grey;
}

} // namespace

QString colourName(QRgb colour, const LanguageTable& t)
{
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    const double chroma = (high - low) / 255.0;
    const double lightness = (high + low) / 510.0;
    // Below this chroma the eye sees no hue, whatever the numbers say.
    if (chroma < 0.06)
        return greyName(lightness, t);

    double hue = 0;
    if (high == r)
        hue = 60.0 * (g - b) / (high - low);
    else if (high == g)
        hue = 60.0 * (b - r) / (high - low) + 120;
    else
        hue = 60.0 * (r - g) / (high - low) + 240;
    if (hue < 0)
        hue += 360;
    const double saturation = chroma / (1 - std::abs(2 * lightness - 1));

    const Txt hueName = hueWord(hue, lightness);
    QStringList words;
    if (const auto light = lightnessWord(lightness, hueName))
        words << t.text(*light);
    if (saturation < 0.3)
        words << t.text(Txt::colourGreyish);
    words << t.text(hueName);
    return words.join(QLatin1Char(' '));
}
