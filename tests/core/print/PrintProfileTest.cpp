#include "core/print/PrintProfile.h"
#include "core/print/PrintConversion.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace
{

// Ghostscript's CMYK press profile (Debian package libgs-common).
const QString pressProfile = QStringLiteral(TINCTORA_CMYK_PROFILE);
const QString rgbProfile = QStringLiteral(TINCTORA_RGB_PROFILE);

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path) << ": install libgs-common";
    return f.readAll();
}

PrintConversion conversion(PrintIntent intent)
{
    const ProfileLoad load = profileFromFile(pressProfile);
    EXPECT_EQ(load.problem, ProfileProblem::none);
    std::optional<PrintConversion> c = PrintConversion::make(load.profile, intent);
    EXPECT_TRUE(c);
    return std::move(c).value();
}

struct Expected {
    QRgb rgb;
    double c, m, y, k;
};

void expectAsTransicc(const PrintConversion& conversion, const std::vector<Expected>& table)
{
    for (const Expected& e : table) {
        const Cmyk got = conversion.convert(e.rgb).percent;
        SCOPED_TRACE(qRed(e.rgb) * 65536 + qGreen(e.rgb) * 256 + qBlue(e.rgb));
        EXPECT_NEAR(got.c, e.c, 0.1);
        EXPECT_NEAR(got.m, e.m, 0.1);
        EXPECT_NEAR(got.y, e.y, 0.1);
        EXPECT_NEAR(got.k, e.k, 0.1);
    }
}

} // namespace

// Expected values from LittleCMS's own calculator, with its built-in sRGB:
//   printf '0 0 255\n...' | transicc -i '*sRGB' -o default_cmyk.icc -t 1 -b -n
// (relative colorimetric with black-point compensation) and -t 0 without -b (perceptual).
TEST(PrintConversion, CmykPercentAgreesWithTransiccForBothIntents)
{
    expectAsTransicc(conversion(PrintIntent::relativeColorimetric),
                     {{qRgb(0, 0, 255), 87.7638, 77.0306, 0.0000, 0.0000},
                      {qRgb(0, 255, 0), 62.4750, 0.0000, 100.0000, 0.0000},
                      {qRgb(128, 128, 128), 50.9010, 43.5721, 43.6759, 7.6600},
                      {qRgb(218, 37, 29), 7.7104, 98.6755, 100.0000, 0.9766},
                      {qRgb(255, 255, 255), 0.0000, 0.0000, 0.0000, 0.0000},
                      {qRgb(0, 0, 0), 72.3079, 67.6936, 67.1016, 88.6015},
                      {qRgb(255, 255, 0), 5.7160, 0.0000, 96.5545, 0.0000},
                      {qRgb(37, 99, 177), 87.4510, 64.1077, 0.0000, 0.0000}});
    expectAsTransicc(conversion(PrintIntent::perceptual),
                     {{qRgb(0, 0, 255), 92.3735, 79.8154, 0.0000, 0.0000},
                      {qRgb(0, 255, 0), 65.5451, 0.0000, 100.0000, 0.0000},
                      {qRgb(128, 128, 128), 52.5261, 45.1942, 45.2064, 9.6147},
                      {qRgb(218, 37, 29), 7.9866, 100.0000, 100.0000, 2.1210},
                      {qRgb(0, 0, 0), 74.6059, 67.9896, 65.3422, 90.0481},
                      {qRgb(37, 99, 177), 94.0169, 69.1203, 0.0000, 0.0000}});
}

TEST(PrintConversion, PureBlueAndGreenLeaveThePressGamutAndMidGreyStays)
{
    const PrintConversion press = conversion(PrintIntent::relativeColorimetric);
    for (const QRgb outside : {qRgb(0, 0, 255), qRgb(0, 255, 0)}) {
        EXPECT_TRUE(press.convert(outside).outOfGamut());
        EXPECT_GT(press.convert(outside).roundTripDistance, 10.0);
    }
    const PrintValue grey = press.convert(qRgb(128, 128, 128));
    EXPECT_FALSE(grey.outOfGamut());
    EXPECT_LT(grey.roundTripDistance, 1.0);
    EXPECT_NEAR(qRed(grey.roundTrip), 128, 2);
    EXPECT_NEAR(qBlue(grey.roundTrip), 128, 2);
}

TEST(PrintConversion, PercentTextHasOneDecimalRoundedHalfToEven)
{
    EXPECT_EQ(percentText(43.5721), QStringLiteral("43.6"));
    EXPECT_EQ(percentText(0.25), QStringLiteral("0.2"));
    EXPECT_EQ(percentText(0.35), QStringLiteral("0.4"));
    EXPECT_EQ(percentText(100.0), QStringLiteral("100.0"));
}

TEST(PrintProfile, TheDescriptionIsTheProfilesOwn)
{
    const ProfileLoad load = profileFromFile(pressProfile);
    ASSERT_TRUE(load.profile);
    // Its desc tag, read from the file by hand.
    EXPECT_EQ(load.profile->description(), QStringLiteral("Artifex CMYK SWOP Profile"));
}

// Every kind of damage on the way from bytes to a transform is refused with its reason.
TEST(PrintProfile, DamagedOrWrongProfilesAreRefusedWithTheirReason)
{
    const QByteArray press = bytesOf(pressProfile);
    ASSERT_GT(press.size(), 1000);

    EXPECT_EQ(profileFromFile(QStringLiteral("/nonexistent/x.icc")).problem, ProfileProblem::unreadable);
    EXPECT_EQ(profileFromBytes({}).problem, ProfileProblem::unreadable);
    // Truncated: the header promises tags the file no longer holds.
    for (const qsizetype length : {qsizetype(100), qsizetype(1000), press.size() / 2, press.size() - 1})
        EXPECT_EQ(profileFromBytes(press.left(length)).problem, ProfileProblem::unreadable) << length;

    // Wrong class: an RGB display profile; the press profile marked as an input (scanner) profile.
    EXPECT_EQ(profileFromBytes(bytesOf(rgbProfile)).problem, ProfileProblem::notCmykOutput);
    QByteArray scanner = press;
    scanner.replace(12, 4, "scnr");
    EXPECT_EQ(profileFromBytes(scanner).problem, ProfileProblem::notCmykOutput);

    // Random bytes, and the real header with random tag data behind it.
    std::mt19937 random(32);
    QByteArray noise(press.size(), '\0');
    for (char& b : noise)
        b = static_cast<char>(random() & 0xFF);
    EXPECT_EQ(profileFromBytes(noise).problem, ProfileProblem::unreadable);
    QByteArray scrambled = press.left(200) + noise.mid(200);
    const ProfileLoad load = profileFromBytes(scrambled);
    EXPECT_EQ(load.problem, ProfileProblem::unreadable);
    EXPECT_FALSE(load.profile);
}
