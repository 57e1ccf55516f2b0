#include "core/colour/AnglePicture.h"

#include "core/colour/AngleLines.h"
#include "core/colour/AngleScale.h"
#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{

constexpr double degreeFactor = static_cast<double>(gradProPosition);
constexpr double degreesToRadians = 0.017453292519943295;
constexpr int lineLength = 30;
constexpr QPoint centre(angleCentre, angleCentre);

// The picture keeps sine and cosine in single precision; end points can round
// differently with more.
struct SinCos {
    float sin = 0;
    float cos = 0;
};

SinCos sinCos(int grad)
{
    const double bogen = grad * degreesToRadians;
    return {static_cast<float>(std::sin(bogen)), static_cast<float>(std::cos(bogen))};
}

int roundedValue(double v)
{
    return roundHalfEven(v);
}

// Fresh picture content: the wheel at the top left, white where it ends.
void copyWheel(QImage& winkelBild, const QImage& wheel)
{
    if (winkelBild.size() != QSize(anglePictureSize, anglePictureSize) ||
        winkelBild.format() != QImage::Format_RGB888)
        winkelBild = QImage(anglePictureSize, anglePictureSize, QImage::Format_RGB888);
    winkelBild.fill(Qt::white);
    const QImage source =
        wheel.format() == QImage::Format_RGB888 ? wheel : wheel.convertToFormat(QImage::Format_RGB888);
    if (source.isNull())
        return;
    const int breite = std::min(source.width(), anglePictureSize);
    const int fullHeight = std::min(source.height(), anglePictureSize);
    for (int y = 0; y < fullHeight; ++y)
        std::memcpy(winkelBild.scanLine(y), source.constScanLine(y), static_cast<std::size_t>(3 * breite));
}

void drawFirstAngle(QImage& picture, int alpha)
{
    // Two radii pointing down, alpha either side of straight down.
    const SinCos w = sinCos(alpha);
    const int y = roundedValue(angleCentre + lineLength * static_cast<double>(w.cos));
    drawImageLine(picture, centre, {roundedValue(angleCentre + lineLength * static_cast<double>(w.sin)), y});
    drawImageLine(picture, centre, {roundedValue(angleCentre - lineLength * static_cast<double>(w.sin)), y});
}

void drawSecondAngle(QImage& picture, int beta)
{
    // Two radii pointing up, beta either side of straight up.
    const SinCos w = sinCos(beta);
    const int y = roundedValue(angleCentre - lineLength * static_cast<double>(w.cos));
    drawImageLine(picture, centre, {roundedValue(angleCentre - lineLength * static_cast<double>(w.sin)), y});
    drawImageLine(picture, centre, {roundedValue(angleCentre + lineLength * static_cast<double>(w.sin)), y});
}

QString markerText(int grad)
{
    return QString::number(grad) + QStringLiteral("°");
}

} // namespace

int lineAngle(int separation)
{
    return roundedValue(separation * degreeFactor);
}

int shownAngle(int separation)
{
    return 2 * lineAngle(separation);
}

int markerAngle(int bandPosition)
{
    return roundedValue(bandPosition * 0.5317);
}

int wheelAngle(int bandPosition)
{
    return roundedValue(bandPosition / static_cast<double>(positionsPerDegree));
}

QString angleText(int separation)
{
    return QString::number(shownAngle(separation)) + QStringLiteral(" °");
}

AngleDisplay angleDistances(HarmonyMode harmonyMode, int trackBar2, int trackBar3)
{
    AngleDisplay a;
    a.abstand1 = firstDistance(trackBar2, harmonyMode);
    a.abstand2 = trackBar3;
    a.firstAngleText = angleText(a.abstand1);
    a.secondAngleText = angleText(a.abstand2);
    return a;
}

AngleDisplay drawAnglePicture(QImage& winkelBild, const QImage& turnedWheel, HarmonyMode harmonyMode,
                              bool winkeltyp2, int trackBar2, int trackBar3)
{
    const AngleDisplay anzeige = angleDistances(harmonyMode, trackBar2, trackBar3);
    copyWheel(winkelBild, turnedWheel);

    if (harmonyMode != HarmonyMode::twoColour)
        drawFirstAngle(winkelBild, lineAngle(anzeige.abstand1));
    if (harmonyMode == HarmonyMode::twoColour || (harmonyMode == HarmonyMode::fourColour && winkeltyp2))
        drawImageLine(winkelBild, {angleCentre, 31}, {angleCentre, 92}); // the vertical diameter
    const bool radiusNachOben =
        harmonyMode == HarmonyMode::threeColour || harmonyMode == HarmonyMode::fanning || winkeltyp2;
    if (radiusNachOben && harmonyMode != HarmonyMode::colourRows)
        drawImageLine(winkelBild, centre, {angleCentre, angleCentre - lineLength});
    if (harmonyMode == HarmonyMode::fourColour && !winkeltyp2)
        drawSecondAngle(winkelBild, lineAngle(anzeige.abstand2));
    return anzeige;
}

MarkerLabels drawMarkerPicture(QImage& winkelBild, const QImage& wheel, const MainState& s)
{
    copyWheel(winkelBild, wheel);
    const HarmonyMode harmonyMode = s.harmonyMode();
    int laenge = lineLength;
    // Markers on the axes (and at 240) are one pixel longer, and every marker
    // after one of them keeps the added length.
    const auto marker = [&](int position) {
        const int grad = markerAngle(position);
        if (grad == 0 || grad == 90 || grad == 180 || grad == 240)
            ++laenge;
        const SinCos w = sinCos(grad);
        const QPoint endPoint(roundedValue(angleCentre + laenge * static_cast<double>(w.sin)),
                              roundedValue(angleCentre - laenge * static_cast<double>(w.cos)));
        drawImageLine(winkelBild, centre, endPoint);
        return markerText(grad);
    };

    MarkerLabels textSet;
    textSet.label11 = marker(s.posGross());
    textSet.label14 = marker(s.posRechts());
    if (harmonyMode != HarmonyMode::twoColour)
        textSet.label12 = marker(s.posLinks());
    if (harmonyMode == HarmonyMode::fourColour)
        textSet.label13 = marker(s.posMitte());
    return textSet;
}
