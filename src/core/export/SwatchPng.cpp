#include "core/export/SwatchPng.h"

#include "core/export/PalettePng.h"
#include "core/export/SwatchSheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstring>

using namespace swatchMetrics;

namespace
{

constexpr int greyLevels = 32;

int greyValue(int level)
{
    return level * 255 / (greyLevels - 1);
}

QFont lettering(int pixel, bool fett)
{
    QFont f(QStringLiteral("sans-serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// Centred on the point; narrowed when wider than a column.
void drawCentred(QPainter& maler, const QFontMetrics& masse, QPoint point, const QString& text)
{
    const int breite = masse.horizontalAdvance(text);
    if (breite <= textWidth) {
        maler.drawText(point.x() - breite / 2, point.y(), text);
        return;
    }
    maler.save();
    maler.translate(point);
    maler.scale(static_cast<qreal>(textWidth) / breite, 1.0);
    maler.drawText(-breite / 2, 0, text);
    maler.restore();
}

// The sheet without the swatches' colours: paper, ink and edges, all grey.
QImage greyscaleSheet(const SwatchSheetLayout& b)
{
    // Grey on white, drawn where Qt draws fastest; QImage::fill would hand so
    // large an area to a thread pool.
    QImage picture(b.extent, QImage::Format_RGB32);
    std::memset(picture.bits(), 0xFF, static_cast<std::size_t>(picture.sizeInBytes()));
    QPainter maler(&picture);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.setPen(QColor::fromRgb(ink));
    maler.setFont(lettering(titleFontSize, true));
    for (const auto& [point, name] : b.titleText)
        maler.drawText(point, name);
    const QFont text = lettering(textFontSize, false);
    const QFontMetrics masse(text);
    maler.setFont(text);
    for (const SwatchSlot& s : b.places) {
        maler.setPen(QColor::fromRgb(swatchBorder));
        maler.drawRect(s.field.adjusted(0, 0, -1, -1));
        maler.setPen(QColor::fromRgb(ink));
        drawCentred(maler, masse, s.name, s.nameText);
        drawCentred(maler, masse, s.hex, s.hexText);
    }
    return picture;
}

} // namespace

std::optional<QByteArray> pngFile(const Palette& p)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const SwatchSheetLayout b = swatchSheetLayout(p);
    const QImage grau = greyscaleSheet(b);
    // Grey levels first, then one entry per swatch: a small palette that keeps
    // the file small and quick to compress.
    QVector<QRgb> farben;
    for (int i = 0; i < greyLevels; ++i)
        farben.append(qRgb(greyValue(i), greyValue(i), greyValue(i)));
    for (const SwatchSlot& s : b.places)
        farben.append(s.rgb);
    std::array<std::uint8_t, 256> level{};
    for (int g = 0; g < 256; ++g)
        level[static_cast<std::size_t>(g)] = static_cast<std::uint8_t>(g * (greyLevels - 1) / 255);
    std::vector<std::uint8_t> rowList(static_cast<std::size_t>(b.extent.width() * b.extent.height()));
    for (int y = 0; y < b.extent.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(grau.constScanLine(y));
        std::uint8_t* target =
            rowList.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(b.extent.width());
        for (int x = 0; x < b.extent.width(); ++x)
            target[x] = level[static_cast<std::size_t>(qGreen(source[x]))];
    }
    for (int i = 0; i < b.places.size(); ++i) {
        const QRect inside = b.places[i].field.adjusted(1, 1, -1, -1);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::fill_n(rowList.data() + static_cast<std::size_t>(y * b.extent.width() + inside.left()),
                        inside.width(), static_cast<std::uint8_t>(greyLevels + i));
    }
    return palettePng(b.extent, farben, rowList);
}
