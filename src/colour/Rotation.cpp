#include "colour/Rotation.h"

#include "colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace
{

using Real = long double;

uchar mixChannel(Real fx, Real fy, int s00, int s01, int s10, int s11)
{
    const Real top = fx * (s01 - s00) + s00;
    const Real bottom = fx * (s11 - s10) + s10;
    return static_cast<uchar>(std::clamp(roundHalfEven(top + fy * (bottom - top)), 0, 255));
}

} // namespace

void SmoothRotate(const QImage& source, QImage& target, int cx, int cy, double angleDegrees)
{
    if (source.isNull() || target.isNull())
        return;
    // A shallow copy: writing to target detaches it, so reading stays intact
    // even when both are one picture.
    const QImage src = source.convertToFormat(QImage::Format_RGB888);
    if (target.format() != QImage::Format_RGB888)
        target = target.convertToFormat(QImage::Format_RGB888);

    const Real rad = -static_cast<Real>(angleDegrees) * std::numbers::pi_v<Real> / 180;
    const Real c = std::cos(rad);
    const Real s = std::sin(rad);
    const int sw = src.width();
    const int sh = src.height();
    const int tw = target.width();
    const int th = target.height();
    const int offX = (tw - sw) / 2;
    const int offY = (th - sh) / 2;

    // c·tx and s·tx depend on the column only.
    std::vector<Real> ctx(static_cast<std::size_t>(tw));
    std::vector<Real> stx(static_cast<std::size_t>(tw));
    for (int x = 0; x < tw; ++x) {
        const Real tx = 2 * x - 2 * cx + 1;
        ctx[static_cast<std::size_t>(x)] = c * tx;
        stx[static_cast<std::size_t>(x)] = s * tx;
    }

    const uchar* srcBits = src.constBits();
    const auto srcStride = static_cast<std::ptrdiff_t>(src.bytesPerLine());
    for (int y = 0; y < th; ++y) {
        const Real ty = 2 * y - 2 * cy + 1;
        const Real sty = s * ty;
        const Real cty = c * ty;
        uchar* out = target.scanLine(y);
        for (int x = 0; x < tw; ++x) {
            const auto xi = static_cast<std::size_t>(x);
            const Real u = (ctx[xi] - sty - 1) / 2 + cx - offX;
            const int sx = roundHalfEven(u);
            if (sx < 0 || sx >= sw)
                continue;
            const Real v = (stx[xi] + cty - 1) / 2 + cy - offY;
            const int sy = roundHalfEven(v);
            if (sy < 0 || sy >= sh)
                continue;
            const int sx1 = std::min(std::max(sx + 1, 0), sw - 1);
            const int sy1 = std::min(std::max(sy + 1, 0), sh - 1);
            const Real fx = u - sx;
            const Real fy = v - sy;
            const uchar* row0 = srcBits + sy * srcStride;
            const uchar* row1 = srcBits + sy1 * srcStride;
            const uchar* p00 = row0 + 3 * sx;
            const uchar* p01 = row0 + 3 * sx1;
            const uchar* p10 = row1 + 3 * sx;
            const uchar* p11 = row1 + 3 * sx1;
            uchar* t = out + 3 * x;
            for (int ch = 0; ch < 3; ++ch)
                t[ch] = mixChannel(fx, fy, p00[ch], p01[ch], p10[ch], p11[ch]);
        }
    }
}

int drehwinkel(Modus modus, bool winkeltyp2, int trackBar3Position, int markerPosition)
{
    int winkel = 0;
    if (modus == Modus::vierer)
        winkel = winkeltyp2 ? 0 : -roundHalfEven(trackBar3Position * 0.530973453L);
    else if (modus == Modus::reihen)
        winkel = 180;
    return winkel - roundHalfEven(markerPosition / 1.8833334L);
}

bool rotieren(MainState& s, int trackBar3Position, int markerPosition, const QImage& imageOriginal,
              QImage& imageBg)
{
    if (s.aktionen.farbenSeparatEinstellen)
        return false;
    const int winkel = drehwinkel(s.modus(), s.winkeltyp2, trackBar3Position, markerPosition);
    const int gespeichert = ((winkel % 360) + 360) % 360;
    if (gespeichert == s.letzterDrehwinkel)
        return false;
    SmoothRotate(imageOriginal, imageBg, radMitte, radMitte, winkel);
    s.letzterDrehwinkel = gespeichert;
    return true;
}
