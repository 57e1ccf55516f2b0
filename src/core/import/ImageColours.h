#pragma once

#include <QImage>
#include <QRgb>
#include <QVector>

#include <optional>

// The dominant colours of a picture: k-means++ in OKLab on a down-sampled copy.
inline constexpr int fewestImageColours = 2;
inline constexpr int mostImageColours = 12;
inline constexpr int defaultImageColours = 6;

struct DominantColour {
    QRgb rgb = 0;
    double share = 0; // percent of the picture's opaque pixels
};

// At most k colours (k is held to 2..12), largest share first; fewer when the
// picture has fewer distinct colours, none when it has no opaque pixel. The
// same picture and k give the same colours on every run.
QVector<DominantColour> dominantColours(const QImage& image, int k = defaultImageColours);

// The same for a picture file's bytes, in any format Qt's image readers take
// (PNG, JPEG, WebP where its plugin is installed), turned as its Exif data
// says; nothing when the bytes are no picture.
std::optional<QVector<DominantColour>> pictureColours(const QByteArray& bytes, int k);
