#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// Contrast of every shown colour as text on every other as background.
struct KontrastZelle {
    double verhaeltnis = 1.0; // WCAG 2.2
    double lc = 0.0;          // APCA-W3 0.1.9, text on background
};

// zellen[t][h]: colour t as text on colour h as background.
struct KontrastMatrix {
    std::vector<QRgb> farben;
    std::vector<std::vector<KontrastZelle>> zellen;
};

KontrastMatrix kontrastMatrix(std::span<const QRgb> farben);

// "#RRGGBB", upper case.
QString hexFarbe(QRgb c);
// Ratio with two decimals, Lc with one, never "-0.0"; `dezimal` separates the
// decimals (a point for the command line and English, a comma for German).
QString verhaeltnisText(double verhaeltnis, QChar dezimal = QLatin1Char('.'));
QString lcText(double lc, QChar dezimal = QLatin1Char('.'));

// The matrix as tab-separated text: a head line (`ecke`, then for each
// background its hex twice, headed `verhaeltnisKopf` and `lcKopf`), then one
// line per text colour; a colour's cells on itself are empty.
QString kontrastMatrixText(const KontrastMatrix& m, const QString& ecke, const QString& verhaeltnisKopf,
                           const QString& lcKopf, QChar dezimal = QLatin1Char('.'));

// The command line's contrast listing: the head line `kopf` (in the interface
// language), then one tab-separated line (text hex, background hex, ratio, Lc)
// per ordered pair of distinct colours, in the order the colours first occur.
// Each line ends in "\n".
QString kontrastListe(std::span<const QRgb> farben, const QString& kopf);

// Colours from "#RRGGBB" texts (spaces around them allowed). When one is not a
// colour: nothing, and that text in `fehler`.
std::vector<QRgb> farbenAusHex(const QStringList& texte, QString* fehler = nullptr);
