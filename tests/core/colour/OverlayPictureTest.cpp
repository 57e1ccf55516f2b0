#include "core/colour/OverlayPicture.h"
#include "core/colour/MixReference.h"
#include "core/colour/Rounding.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QPainter>

#include <cstdlib>

namespace
{

QImage decodedOverlay()
{
    QString error;
    QImage overlay = overlayPicture(&error);
    EXPECT_FALSE(overlay.isNull()) << error.toStdString();
    return overlay;
}

int blend(QRgb pixel, int channelOf, int base)
{
    const double a = qAlpha(pixel) / 255.0;
    return roundHalfEven(a * channelOf + (1.0 - a) * base);
}

TEST(OverlayPicture, ResourceDecodesWithTheDocumentedCorners)
{
    const QImage overlay = decodedOverlay();
    ASSERT_EQ(overlay.size(), QSize(255, 254));
    ASSERT_EQ(overlay.format(), QImage::Format_ARGB32);
    for (int x = 0; x < 255; ++x)
        EXPECT_EQ(overlay.pixel(x, 0), qRgba(255, 255, 255, 255)) << x;
    EXPECT_EQ(qAlpha(overlay.pixel(0, 253)), 0);
    EXPECT_EQ(overlay.pixel(254, 253), qRgba(0, 0, 0, 255));
    // Down the right edge: opaque greys from white to black.
    int previous = 256;
    for (int y = 0; y < 254; ++y) {
        const QRgb p = overlay.pixel(254, y);
        EXPECT_EQ(qAlpha(p), 255) << y;
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_LT(qRed(p), previous) << y;
        previous = qRed(p);
    }
}

// Over any base colour the overlay shows the light/dark mix of that colour.
TEST(OverlayPicture, CompositeMatchesTheMix)
{
    const QImage overlay = decodedOverlay();
    ASSERT_FALSE(overlay.isNull());
    for (int base : {0, 29, 37, 141, 146, 218, 255}) {
        for (int j = 0; j < 254; j += 11) {
            for (int i = 0; i < 255; i += 13) {
                const double dunkel = i * 255.0 / 254.0;
                const double hell = (253 - j) * 255.0 / 253.0;
                const double exact = base * (1 - dunkel / 255) * (1 - hell / 255) + hell;
                const QRgb p = overlay.pixel(i, j);
                const int shown = blend(p, qRed(p), base);
                EXPECT_LE(std::abs(shown - roundHalfEven(exact)), 1) << base << " at " << i << "," << j;
                const int mixed = referenzMischung(base, roundHalfEven(dunkel), roundHalfEven(hell));
                EXPECT_LE(std::abs(shown - mixed), 2) << base << " at " << i << "," << j;
            }
        }
    }
}

// What the window does with it: draw it over a panel of the base colour.
TEST(OverlayPicture, PaintedOverABaseColour)
{
    const QImage overlay = decodedOverlay();
    ASSERT_FALSE(overlay.isNull());
    const QColor base(218, 37, 29);
    QImage panel(255, 254, QImage::Format_RGB32);
    panel.fill(base);
    {
        QPainter painter(&panel);
        painter.drawImage(0, 0, overlay);
    }
    EXPECT_EQ(panel.pixel(0, 253), base.rgb());
    EXPECT_EQ(panel.pixel(100, 0), qRgb(255, 255, 255));
    EXPECT_EQ(panel.pixel(254, 253), qRgb(0, 0, 0));
    const QRgb middle = panel.pixel(127, 126);
    const int hell = roundHalfEven(127 * 255.0 / 253.0);
    const int dunkel = roundHalfEven(127 * 255.0 / 254.0);
    EXPECT_LE(std::abs(qRed(middle) - referenzMischung(218, dunkel, hell)), 3);
    EXPECT_LE(std::abs(qGreen(middle) - referenzMischung(37, dunkel, hell)), 3);
    EXPECT_LE(std::abs(qBlue(middle) - referenzMischung(29, dunkel, hell)), 3);
}

QByteArray overlayBytes()
{
    QFile file(QStringLiteral(":/core/overlay.png"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void expectRefused(const QByteArray& data, const char* what)
{
    QString error;
    const QImage image = decodePng(data, &error);
    EXPECT_TRUE(image.isNull()) << what;
    EXPECT_FALSE(error.isEmpty()) << what;
}

// PNG chunk CRC (ISO 3309), so that a forged header passes the decoder's checks.
quint32 crc32(const char* data, int length)
{
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < length; ++i) {
        crc ^= static_cast<uchar>(data[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

TEST(DecodePng, DamagedDataGivesANullPictureAndAReason)
{
    const QByteArray good = overlayBytes();
    ASSERT_GT(good.size(), 100);
    EXPECT_FALSE(decodePng(good).isNull());

    expectRefused({}, "empty");
    expectRefused(QByteArray("not a picture at all"), "text");
    expectRefused(good.left(good.size() / 2), "truncated");
    expectRefused(good.left(40), "header only");
    QByteArray flipped = good;
    for (qsizetype i = 200; i < 260; ++i)
        flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
    expectRefused(flipped, "corrupted image data");

    // A header that claims an absurd size, with a valid checksum.
    QByteArray huge = good;
    const char claim[8] = {0, 1, static_cast<char>(0x86), static_cast<char>(0xA0),
                           0, 1, static_cast<char>(0x86), static_cast<char>(0xA0)}; // 100000 x 100000
    huge.replace(16, 8, claim, 8);
    const quint32 crc = crc32(huge.constData() + 12, 17);
    const char crcBytes[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16),
                              static_cast<char>(crc >> 8), static_cast<char>(crc)};
    huge.replace(29, 4, crcBytes, 4);
    expectRefused(huge, "absurd size");

    // The error pointer is optional.
    EXPECT_TRUE(decodePng(QByteArray("junk")).isNull());
}

} // namespace

// Drawn for a screen of twice the pixels, it shows what the resource shows,
// at twice the resolution, with the same corners.
TEST(OverlayPicture, SharpAtRatioTwoAgreesWithTheResource)
{
    const QImage overlay = decodedOverlay();
    const QImage sharp = overlayPictureAt(2.0).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(sharp.size(), QSize(510, 508));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.pixel(0, 0), qRgba(255, 255, 255, 255));
    EXPECT_EQ(qAlpha(sharp.pixel(0, 507)), 0);
    EXPECT_EQ(sharp.pixel(509, 507), qRgba(0, 0, 0, 255));
    for (int base : {0, 141, 255})
        for (int j = 0; j < 254; j += 7)
            for (int i = 0; i < 255; i += 9) {
                const QRgb p = overlay.pixel(i, j);
                const QRgb q = sharp.pixel(2 * i + 1, 2 * j + 1);
                EXPECT_LE(std::abs(blend(q, qRed(q), base) - blend(p, qRed(p), base)), 3)
                    << base << " at " << i << "," << j;
            }
    EXPECT_EQ(overlayPictureAt(1.0), overlayPicture().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}
