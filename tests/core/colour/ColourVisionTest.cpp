#include "core/colour/ColourVision.h"
#include "core/colour/BandTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// Reference written straight from the published definitions, in double:
// - sRGB transfer function, IEC 61966-2-1;
// - Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for
//   Simulation of Color Vision Deficiency", IEEE TVCG 15(6), the severity 1.0
//   matrices of their published table, applied to linear RGB;
// - Rec. ITU-R BT.709 luminance coefficients for achromatopsia.
namespace
{

double toLinear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int toSrgb(double l)
{
    l = std::min(1.0, std::max(0.0, l));
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(255.0 * c));
}

using M = double[3][3];
const M protan = {
    {0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
const M deutan = {
    {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
const M tritan = {
    {1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}};

QRgb reference(const M& m, QRgb c)
{
    const double l[3] = {toLinear(qRed(c)), toLinear(qGreen(c)), toLinear(qBlue(c))};
    int o[3];
    for (int i = 0; i < 3; ++i)
        o[i] = toSrgb(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2]);
    return qRgb(o[0], o[1], o[2]);
}

QRgb referenceGrey(QRgb c)
{
    const int g =
        toSrgb(0.2126 * toLinear(qRed(c)) + 0.7152 * toLinear(qGreen(c)) + 0.0722 * toLinear(qBlue(c)));
    return qRgb(g, g, g);
}

// Pure primaries and secondaries, hues from both bands, a grey, black and white, two mixed colours.
std::vector<QRgb> testColours()
{
    std::vector<QRgb> c{qRgb(255, 0, 0),        qRgb(255, 255, 0),      qRgb(0, 255, 0),
                        qRgb(0, 255, 255),      qRgb(0, 0, 255),        qRgb(255, 0, 255),
                        qRgb(128, 128, 128),    qRgb(0, 0, 0),          qRgb(255, 255, 255),
                        qRgb(0xF3, 0xBE, 0x0E), qRgb(0x00, 0x5D, 0xA3), qRgb(3, 4, 5)};
    for (int p = 0; p < bandLength; p += 113) {
        const Rgb r = realisticBand().at(p);
        const Rgb l = luminousBand().at(p);
        c.push_back(qRgb(r.r, r.g, r.b));
        c.push_back(qRgb(l.r, l.g, l.b));
    }
    return c;
}

void expectWithinOne(QRgb got, QRgb want, QRgb from)
{
    EXPECT_LE(std::abs(qRed(got) - qRed(want)), 1) << std::hex << from;
    EXPECT_LE(std::abs(qGreen(got) - qGreen(want)), 1) << std::hex << from;
    EXPECT_LE(std::abs(qBlue(got) - qBlue(want)), 1) << std::hex << from;
}

} // namespace

TEST(ColourVision, EachKindAgreesWithThePublishedDefinition)
{
    for (QRgb c : testColours()) {
        expectWithinOne(protanopia(c), reference(protan, c), c);
        expectWithinOne(deuteranopia(c), reference(deutan, c), c);
        expectWithinOne(tritanopia(c), reference(tritan, c), c);
        expectWithinOne(achromatopsia(c), referenceGrey(c), c);
        EXPECT_EQ(simulated(ColourVisionKind::normal, c), c);
        EXPECT_EQ(simulated(ColourVisionKind::deuteranopia, c), deuteranopia(c));
    }
}

TEST(ColourVision, TransferFunctionRoundTripsEveryLevelAndClamps)
{
    for (int v = 0; v < 256; ++v)
        EXPECT_EQ(linearToSrgb(srgbToLinear(v)), v);
    EXPECT_EQ(linearToSrgb(-0.3), 0);
    EXPECT_EQ(linearToSrgb(1.7), 255);
    EXPECT_EQ(linearToSrgb(std::nan("")), 0);
    EXPECT_EQ(achromatopsia(qRgb(255, 0, 0)), qRgb(127, 127, 127)); // 0.2126 linear
}

TEST(ColourVision, PicturesAreSimulatedPixelByPixelKeepingAlphaAndFormat)
{
    QImage picture(3, 1, QImage::Format_ARGB32_Premultiplied);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 255, 255));
    picture.setPixel(2, 0, qPremultiply(qRgba(0, 255, 0, 128)));
    const QImage aus = simulated(ColourVisionKind::protanopia, picture);
    ASSERT_EQ(aus.format(), QImage::Format_ARGB32_Premultiplied);
    expectWithinOne(aus.pixel(0, 0), reference(protan, qRgb(255, 0, 0)), 0);
    expectWithinOne(aus.pixel(1, 0), reference(protan, qRgb(0, 0, 255)), 1);
    EXPECT_EQ(qAlpha(aus.pixel(2, 0)), 128);
    EXPECT_EQ(simulated(ColourVisionKind::normal, picture), picture);
}
