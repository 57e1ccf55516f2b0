#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes PNG data into a Format_ARGB32 picture (straight, not premultiplied
// alpha). Damaged or truncated data gives a null picture and, if `error` is
// given, a readable reason.
QImage decodePng(const QByteArray& data, QString* error = nullptr);

// The PNG picture at `path` (a file or a resource) by QtGui's PNG reader alone: read by
// file name, or with the format only named, Qt loads all its image plug-ins to probe it.
// Null if it cannot be read.
QImage readPng(const QString& path);
// Its size from the header, without decoding; invalid if it cannot be read.
QSize pngSize(const QString& path);

inline constexpr int overlayWidth = 255;
inline constexpr int overlayHeight = 254;

// The light/dark overlay from the program's resources, decoded at each call. Laid
// over a uniform base colour, pixel (i, j) shows that colour darkened by
// i·255/254 and lightened by (253 − j)·255/253. Null (with `error` set) if
// the resource cannot be read.
QImage overlayPicture(QString* error = nullptr);

// The same overlay drawn anew for a screen with `ratio` device pixels to a
// pixel (above 1), from the mix it stands for; the ratio is set on the
// picture. Format_ARGB32_Premultiplied. At ratio 1 (or below), the resource's.
QImage overlayPictureAt(double ratio);
