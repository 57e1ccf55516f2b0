#include "core/export/PalettePng.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>

namespace
{

void anhaengen(png_structp png, png_bytep daten, png_size_t laenge)
{
    auto* ziel = static_cast<QByteArray*>(png_get_io_ptr(png));
    ziel->append(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
}

void nichtsZuLeeren(png_structp) {}

// libpng reports errors by a long jump; nothing with a destructor lives between
// the setjmp and the jump.
bool schreiben(png_structp png, png_infop info, QSize groesse, const png_color* farben, int anzahl,
               const std::uint8_t* indizes)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_compression_strategy(png, Z_RLE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, static_cast<png_uint_32>(groesse.width()),
                 static_cast<png_uint_32>(groesse.height()), 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, farben, anzahl);
    png_write_info(png, info);
    for (int y = 0; y < groesse.height(); ++y)
        png_write_row(png, indizes + static_cast<std::ptrdiff_t>(y) * groesse.width());
    png_write_end(png, info);
    return true;
}

} // namespace

std::optional<QByteArray> palettenPng(QSize groesse, const QVector<QRgb>& farben,
                                      const std::vector<std::uint8_t>& indizes)
{
    if (farben.isEmpty() || farben.size() > 256 || groesse.isEmpty() ||
        indizes.size() !=
            static_cast<std::size_t>(groesse.width()) * static_cast<std::size_t>(groesse.height()))
        return std::nullopt;
    png_color plte[256];
    for (qsizetype i = 0; i < farben.size(); ++i)
        plte[i] = {static_cast<png_byte>(qRed(farben[i])), static_cast<png_byte>(qGreen(farben[i])),
                   static_cast<png_byte>(qBlue(farben[i]))};
    QByteArray daten;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (info) {
        png_set_write_fn(png, &daten, anhaengen, nichtsZuLeeren);
        ok = schreiben(png, info, groesse, plte, static_cast<int>(farben.size()), indizes.data());
    }
    png_destroy_write_struct(&png, &info);
    if (!ok)
        return std::nullopt;
    return daten;
}
