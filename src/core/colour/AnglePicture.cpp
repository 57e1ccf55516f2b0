#include "core/colour/AnglePicture.h"

#include "core/colour/AngleLines.h"
#include "core/colour/AngleScale.h"
#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{

constexpr double gradFaktor = static_cast<double>(gradProPosition);
constexpr double gradZuBogen = 0.017453292519943295;
constexpr int linienLaenge = 30;
constexpr QPoint mitte(winkelMitte, winkelMitte);

// The picture keeps sine and cosine in single precision; end points can round
// differently with more.
struct SinCos {
    float sin = 0;
    float cos = 0;
};

SinCos sinCos(int grad)
{
    const double bogen = grad * gradZuBogen;
    return {static_cast<float>(std::sin(bogen)), static_cast<float>(std::cos(bogen))};
}

int gerundet(double v)
{
    return roundHalfEven(v);
}

// Fresh picture content: the wheel at the top left, white where it ends.
void kopiereRad(QImage& winkelBild, const QImage& rad)
{
    if (winkelBild.size() != QSize(winkelBildGroesse, winkelBildGroesse) ||
        winkelBild.format() != QImage::Format_RGB888)
        winkelBild = QImage(winkelBildGroesse, winkelBildGroesse, QImage::Format_RGB888);
    winkelBild.fill(Qt::white);
    const QImage quelle =
        rad.format() == QImage::Format_RGB888 ? rad : rad.convertToFormat(QImage::Format_RGB888);
    if (quelle.isNull())
        return;
    const int breite = std::min(quelle.width(), winkelBildGroesse);
    const int hoehe = std::min(quelle.height(), winkelBildGroesse);
    for (int y = 0; y < hoehe; ++y)
        std::memcpy(winkelBild.scanLine(y), quelle.constScanLine(y), static_cast<std::size_t>(3 * breite));
}

void zeichneErstenWinkel(QImage& bild, int alpha)
{
    // Two radii pointing down, alpha either side of straight down.
    const SinCos w = sinCos(alpha);
    const int y = gerundet(winkelMitte + linienLaenge * static_cast<double>(w.cos));
    zeichneLinie(bild, mitte, {gerundet(winkelMitte + linienLaenge * static_cast<double>(w.sin)), y});
    zeichneLinie(bild, mitte, {gerundet(winkelMitte - linienLaenge * static_cast<double>(w.sin)), y});
}

void zeichneZweitenWinkel(QImage& bild, int beta)
{
    // Two radii pointing up, beta either side of straight up.
    const SinCos w = sinCos(beta);
    const int y = gerundet(winkelMitte - linienLaenge * static_cast<double>(w.cos));
    zeichneLinie(bild, mitte, {gerundet(winkelMitte - linienLaenge * static_cast<double>(w.sin)), y});
    zeichneLinie(bild, mitte, {gerundet(winkelMitte + linienLaenge * static_cast<double>(w.sin)), y});
}

QString markerText(int grad)
{
    return QString::number(grad) + QStringLiteral("°");
}

} // namespace

int linienWinkel(int abstand)
{
    return gerundet(abstand * gradFaktor);
}

int gezeigterWinkel(int abstand)
{
    return 2 * linienWinkel(abstand);
}

int markerWinkel(int bandPosition)
{
    return gerundet(bandPosition * 0.5317);
}

int drehWinkel(int bandPosition)
{
    return gerundet(bandPosition / static_cast<double>(positionenProGrad));
}

QString winkelText(int abstand)
{
    return QString::number(gezeigterWinkel(abstand)) + QStringLiteral(" °");
}

WinkelAnzeige winkelAbstaende(Modus modus, int trackBar2, int trackBar3)
{
    WinkelAnzeige a;
    a.abstand1 = ersterAbstand(trackBar2, modus);
    a.abstand2 = trackBar3;
    a.winkelO = winkelText(a.abstand1);
    a.winkelU = winkelText(a.abstand2);
    return a;
}

WinkelAnzeige zeichneWinkelBild(QImage& winkelBild, const QImage& gedrehtesRad, Modus modus, bool winkeltyp2,
                                int trackBar2, int trackBar3)
{
    const WinkelAnzeige anzeige = winkelAbstaende(modus, trackBar2, trackBar3);
    kopiereRad(winkelBild, gedrehtesRad);

    if (modus != Modus::zweier)
        zeichneErstenWinkel(winkelBild, linienWinkel(anzeige.abstand1));
    if (modus == Modus::zweier || (modus == Modus::vierer && winkeltyp2))
        zeichneLinie(winkelBild, {winkelMitte, 31}, {winkelMitte, 92}); // the vertical diameter
    const bool radiusNachOben = modus == Modus::dreier || modus == Modus::auffaecher || winkeltyp2;
    if (radiusNachOben && modus != Modus::reihen)
        zeichneLinie(winkelBild, mitte, {winkelMitte, winkelMitte - linienLaenge});
    if (modus == Modus::vierer && !winkeltyp2)
        zeichneZweitenWinkel(winkelBild, linienWinkel(anzeige.abstand2));
    return anzeige;
}

MarkerTexte zeichneMarkerBild(QImage& winkelBild, const QImage& rad, const MainState& s)
{
    kopiereRad(winkelBild, rad);
    const Modus modus = s.modus();
    int laenge = linienLaenge;
    // Markers on the axes (and at 240) are one pixel longer, and every marker
    // after one of them keeps the added length.
    const auto marker = [&](int position) {
        const int grad = markerWinkel(position);
        if (grad == 0 || grad == 90 || grad == 180 || grad == 240)
            ++laenge;
        const SinCos w = sinCos(grad);
        const QPoint ende(gerundet(winkelMitte + laenge * static_cast<double>(w.sin)),
                          gerundet(winkelMitte - laenge * static_cast<double>(w.cos)));
        zeichneLinie(winkelBild, mitte, ende);
        return markerText(grad);
    };

    MarkerTexte texte;
    texte.label11 = marker(s.posGross());
    texte.label14 = marker(s.posRechts());
    if (modus != Modus::zweier)
        texte.label12 = marker(s.posLinks());
    if (modus == Modus::vierer)
        texte.label13 = marker(s.posMitte());
    return texte;
}
