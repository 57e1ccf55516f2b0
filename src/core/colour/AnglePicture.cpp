#include "core/colour/AnglePicture.h"

#include "core/colour/AngleLines.h"
#include "core/colour/AngleScale.h"
#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QPainter>

namespace
{

constexpr double degreeFactor = static_cast<double>(gradProPosition);
constexpr double degreesToRadians = 0.017453292519943295;
constexpr int lineLength = 30;

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

constexpr QPointF centrePoint(angleCentre, angleCentre);

QString markerText(int grad)
{
    return QString::number(grad) + QStringLiteral("°");
}

// Two radii pointing down, alpha either side of straight down.
void addFirstAngle(AngleSegments& lines, int alpha)
{
    const SinCos w = sinCos(alpha);
    const double y = angleCentre + lineLength * static_cast<double>(w.cos);
    lines.add({centrePoint, {angleCentre + lineLength * static_cast<double>(w.sin), y}});
    lines.add({centrePoint, {angleCentre - lineLength * static_cast<double>(w.sin), y}});
}

// Two radii pointing up, beta either side of straight up.
void addSecondAngle(AngleSegments& lines, int beta)
{
    const SinCos w = sinCos(beta);
    const double y = angleCentre - lineLength * static_cast<double>(w.cos);
    lines.add({centrePoint, {angleCentre - lineLength * static_cast<double>(w.sin), y}});
    lines.add({centrePoint, {angleCentre + lineLength * static_cast<double>(w.sin), y}});
}

QPoint rounded(const QPointF& p)
{
    return {roundedValue(p.x()), roundedValue(p.y())};
}

void drawLines(QImage& picture, const AngleSegments& lines)
{
    for (const AngleSegment& line : lines)
        drawImageLine(picture, rounded(line.from), rounded(line.to));
}

struct MarkerLines {
    AngleSegments lines;
    MarkerLabels labels;
};

MarkerLines markerLines(const MainState& s)
{
    const HarmonyMode harmonyMode = s.harmonyMode();
    MarkerLines result;
    int laenge = lineLength;
    // Markers on the axes (and at 240) are one pixel longer, and every marker
    // after one of them keeps the added length.
    const auto marker = [&](int position) {
        const int grad = markerAngle(position);
        if (grad == 0 || grad == 90 || grad == 180 || grad == 240)
            ++laenge;
        const SinCos w = sinCos(grad);
        result.lines.add({centrePoint,
                          {angleCentre + laenge * static_cast<double>(w.sin),
                           angleCentre - laenge * static_cast<double>(w.cos)}});
        return markerText(grad);
    };
    result.labels.label11 = marker(s.posGross());
    result.labels.label14 = marker(s.posRechts());
    if (harmonyMode != HarmonyMode::twoColour)
        result.labels.label12 = marker(s.posLinks());
    if (harmonyMode == HarmonyMode::fourColour)
        result.labels.label13 = marker(s.posMitte());
    return result;
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

AngleSegments anglePictureLines(HarmonyMode harmonyMode, bool winkeltyp2, int trackBar2, int trackBar3)
{
    // The distances alone: the label texts are not needed here.
    AngleSegments lines;
    if (harmonyMode != HarmonyMode::twoColour)
        addFirstAngle(lines, lineAngle(firstDistance(trackBar2, harmonyMode)));
    if (harmonyMode == HarmonyMode::twoColour || (harmonyMode == HarmonyMode::fourColour && winkeltyp2))
        lines.add({{angleCentre, 31}, {angleCentre, 92}}); // the vertical diameter
    const bool radiusNachOben =
        harmonyMode == HarmonyMode::threeColour || harmonyMode == HarmonyMode::fanning || winkeltyp2;
    if (radiusNachOben && harmonyMode != HarmonyMode::colourRows)
        lines.add({centrePoint, {angleCentre, angleCentre - lineLength}});
    if (harmonyMode == HarmonyMode::fourColour && !winkeltyp2)
        addSecondAngle(lines, lineAngle(trackBar3));
    return lines;
}

AngleDisplay drawAnglePicture(QImage& winkelBild, const QImage& turnedWheel, HarmonyMode harmonyMode,
                              bool winkeltyp2, int trackBar2, int trackBar3)
{
    copyWheel(winkelBild, turnedWheel);
    drawLines(winkelBild, anglePictureLines(harmonyMode, winkeltyp2, trackBar2, trackBar3));
    return angleDistances(harmonyMode, trackBar2, trackBar3);
}

AngleSegments markerPictureLines(const MainState& s)
{
    return markerLines(s).lines;
}

MarkerLabels drawMarkerPicture(QImage& winkelBild, const QImage& wheel, const MainState& s)
{
    copyWheel(winkelBild, wheel);
    MarkerLines m = markerLines(s);
    drawLines(winkelBild, m.lines);
    return m.labels;
}

QImage sharpAnglePicture(QImage wheel, const AngleSegments& lines)
{
    QPainter painter(&wheel);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    // A line joins the centres of its end pixels.
    const QPointF half(0.5, 0.5);
    for (const AngleSegment& line : lines)
        painter.drawLine(line.from + half, line.to + half);
    painter.end();
    return wheel;
}
