#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// Contrast of every shown colour as text on every other as background.
struct ContrastCell {
    double ratio = 1.0; // WCAG 2.2
    double lc = 0.0;    // APCA-W3 0.1.9, text on background
};

// cells[t][h]: colour t as text on colour h as background.
struct ContrastMatrix {
    std::vector<QRgb> farben;
    std::vector<std::vector<ContrastCell>> cells;
};

ContrastMatrix contrastMatrix(std::span<const QRgb> farben);

// "#RRGGBB", upper case.
QString hexColour(QRgb c);
// Ratio with two decimals, Lc with one, never "-0.0"; `decimal` separates the
// decimals (a point for the command line and English, a comma for German).
QString ratioText(double ratio, QChar decimal = QLatin1Char('.'));
QString lcText(double lc, QChar decimal = QLatin1Char('.'));

// The matrix as tab-separated text: a head line (`corner`, then for each
// background its hex twice, headed `ratioHeader` and `lcHeader`), then one
// line per text colour; a colour's cells on itself are empty.
QString contrastMatrixText(const ContrastMatrix& m, const QString& corner, const QString& ratioHeader,
                           const QString& lcHeader, QChar decimal = QLatin1Char('.'));

// The command line's contrast listing: the head line `header` (in the interface
// language), then one tab-separated line (text hex, background hex, ratio, Lc)
// per ordered pair of distinct colours, in the order the colours first occur.
// Each line ends in "\n".
QString contrastList(std::span<const QRgb> farben, const QString& header);

// Colours from "#RRGGBB" texts (spaces around them allowed). When one is not a
// colour: nothing, and that text in `errorBox`.
std::vector<QRgb> coloursFromHex(const QStringList& textSet, QString* errorBox = nullptr);
