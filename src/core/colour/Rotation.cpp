#include "core/colour/Rotation.h"

#include "core/colour/AngleScale.h"
#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{

using Real = long double;

// The turn's constants, in extended precision for the exact form and in
// double precision for the fast one.
struct Turn {
    Real c, s;
    double cd, sd;
    int cx, cy, offX, offY;
    int sw, sh;
    const uchar* bits;
    std::ptrdiff_t stride;
};

const uchar* sourcePixel(const Turn& t, int x, int y)
{
    return t.bits + y * t.stride + 3 * x;
}

// One target pixel exactly as the turn is defined: extended precision and
// ties to even throughout.
void rotatePixelExact(const Turn& t, int x, int y, uchar* out)
{
    const Real tx = 2 * x - 2 * t.cx + 1;
    const Real ty = 2 * y - 2 * t.cy + 1;
    const Real u = (t.c * tx - t.s * ty - 1) / 2 + t.cx - t.offX;
    const int sx = roundHalfEven(u);
    if (sx < 0 || sx >= t.sw)
        return;
    const Real v = (t.s * tx + t.c * ty - 1) / 2 + t.cy - t.offY;
    const int sy = roundHalfEven(v);
    if (sy < 0 || sy >= t.sh)
        return;
    const int sx1 = std::min(std::max(sx + 1, 0), t.sw - 1);
    const int sy1 = std::min(std::max(sy + 1, 0), t.sh - 1);
    const Real fx = u - sx;
    const Real fy = v - sy;
    const uchar* p00 = sourcePixel(t, sx, sy);
    const uchar* p01 = sourcePixel(t, sx1, sy);
    const uchar* p10 = sourcePixel(t, sx, sy1);
    const uchar* p11 = sourcePixel(t, sx1, sy1);
    for (int ch = 0; ch < 3; ++ch) {
        const Real top = fx * (p01[ch] - p00[ch]) + p00[ch];
        const Real bottom = fx * (p11[ch] - p10[ch]) + p10[ch];
        out[ch] = static_cast<uchar>(std::clamp(roundHalfEven(top + fy * (bottom - top)), 0, 255));
    }
}

#if defined(__SSE2__)
// The fast form: coordinates in double precision, colour channels in single
// precision, four lanes at a time. Its values differ from the exact form by
// far less than these margins, so a value farther than that from a rounding
// tie rounds the same way in both; anything closer goes to the exact form.
constexpr double coordinateLimit = 0.5 - 1e-7;
constexpr float channelLimit = 0.5f - 1e-3f;

// The pixel's three bytes and the next one. Reads one byte past the pixel:
// the caller guarantees that every row has padding.
int loadWord(const uchar* p)
{
    int word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// R, G, B and (in the unused fourth lane) the next byte as floats.
__m128 toLanes(int word)
{
    const __m128i zero = _mm_setzero_si128();
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(word), zero), zero));
}

// A target pixel whose four neighbours differ: mixed in a second pass, so
// that the long arithmetic of several pixels can overlap.
struct PendingPixel {
    __m128 weights; // fx, fy in lanes 0 and 1
    int w00, w01, w10, w11;
    int x;
};

// Bilinear mix; false (writing nothing) when a channel is too close to a tie.
bool mixPixelFast(const PendingPixel& p, uchar* out)
{
    const __m128 fx = _mm_shuffle_ps(p.weights, p.weights, 0x00);
    const __m128 fy = _mm_shuffle_ps(p.weights, p.weights, 0x55);
    const __m128 s00 = toLanes(p.w00);
    const __m128 s10 = toLanes(p.w10);
    const __m128 top = _mm_add_ps(_mm_mul_ps(fx, _mm_sub_ps(toLanes(p.w01), s00)), s00);
    const __m128 bottom = _mm_add_ps(_mm_mul_ps(fx, _mm_sub_ps(toLanes(p.w11), s10)), s10);
    const __m128 value = _mm_add_ps(top, _mm_mul_ps(fy, _mm_sub_ps(bottom, top)));
    // Converts in the default mode: nearest, ties to even.
    const __m128i rounded = _mm_cvtps_epi32(value);
    const __m128 distance = _mm_andnot_ps(_mm_set1_ps(-0.0f), _mm_sub_ps(value, _mm_cvtepi32_ps(rounded)));
    if ((_mm_movemask_ps(_mm_cmpgt_ps(distance, _mm_set1_ps(channelLimit))) & 7) != 0)
        return false;
    // Saturating packs clamp to 0..255.
    const __m128i words = _mm_packs_epi32(rounded, rounded);
    const auto rgb = static_cast<unsigned>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
    out[0] = static_cast<uchar>(rgb);
    out[1] = static_cast<uchar>(rgb >> 8);
    out[2] = static_cast<uchar>(rgb >> 16);
    return true;
}

// One row of the turn in the fast form; pixels it cannot decide go to the
// exact form. Along a row (u, v) grows by (c, s) per column. `pending` has
// room for the whole row.
void rotateRow(const Turn& t, int y, int width, uchar* line, PendingPixel* pending)
{
    const double ty = 2.0 * y - 2.0 * t.cy + 1;
    const double tx0 = 1.0 - 2.0 * t.cx;
    const double u0 = (t.cd * tx0 - t.sd * ty - 1) * 0.5 + (t.cx - t.offX);
    const double v0 = (t.sd * tx0 + t.cd * ty - 1) * 0.5 + (t.cy - t.offY);
    const __m128d step = _mm_set_pd(t.sd, t.cd);
    const __m128d limit = _mm_set1_pd(coordinateLimit);
    const __m128d signBit = _mm_set1_pd(-0.0);
    __m128d uv = _mm_set_pd(v0, u0);
    int count = 0;
    for (int x = 0; x < width; ++x, uv = _mm_add_pd(uv, step)) {
        uchar* out = line + 3 * x;
        const __m128i rounded = _mm_cvtpd_epi32(uv);
        const __m128d fraction = _mm_sub_pd(uv, _mm_cvtepi32_pd(rounded));
        if (_mm_movemask_pd(_mm_cmpgt_pd(_mm_andnot_pd(signBit, fraction), limit)) != 0) {
            rotatePixelExact(t, x, y, out);
            continue;
        }
        const int sx = _mm_cvtsi128_si32(rounded);
        const int sy = _mm_cvtsi128_si32(_mm_shuffle_epi32(rounded, 0x01));
        // One unsigned comparison each covers both ends of the range.
        if ((static_cast<unsigned>(sx) >= static_cast<unsigned>(t.sw)) |
            (static_cast<unsigned>(sy) >= static_cast<unsigned>(t.sh)))
            continue;
        // The right and lower neighbours, held at the last column and row.
        const std::ptrdiff_t dx = sx + 1 < t.sw ? 3 : 0;
        const std::ptrdiff_t dy = sy + 1 < t.sh ? t.stride : 0;
        const uchar* p00 = sourcePixel(t, sx, sy);
        const int w00 = loadWord(p00);
        const int w01 = loadWord(p00 + dx);
        const int w10 = loadWord(p00 + dy);
        const int w11 = loadWord(p00 + dy + dx);
        // Four equal neighbours give their own colour whatever fx and fy
        // are; that is most of a wheel picture.
        if ((((w00 ^ w01) | (w00 ^ w10) | (w00 ^ w11)) & 0xFFFFFF) == 0)
            std::memcpy(out, p00, 3);
        else
            pending[count++] = {_mm_cvtpd_ps(fraction), w00, w01, w10, w11, x};
    }
    for (int i = 0; i < count; ++i) {
        uchar* out = line + 3 * pending[i].x;
        if (!mixPixelFast(pending[i], out))
            rotatePixelExact(t, pending[i].x, y, out);
    }
}
#else
struct PendingPixel {
};

void rotateRow(const Turn& t, int y, int width, uchar* line, PendingPixel*)
{
    for (int x = 0; x < width; ++x)
        rotatePixelExact(t, x, y, line + 3 * x);
}
#endif

// The same pixels in rows with at least one spare byte at the end.
QImage withRowPadding(const QImage& image)
{
    QImage padded(image.width() + 1, image.height(), QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(3 * image.width());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(padded.scanLine(y), image.constScanLine(y), rowBytes);
    return padded;
}

} // namespace

void SmoothRotate(const QImage& source, QImage& target, int cx, int cy, double angleDegrees)
{
    if (source.isNull() || target.isNull())
        return;
    // A shallow copy: writing to target detaches it, so reading stays intact
    // even when both are one picture.
    QImage src = source.convertToFormat(QImage::Format_RGB888);
    if (src.bytesPerLine() <= 3 * src.width())
        src = withRowPadding(src);
    if (target.format() != QImage::Format_RGB888)
        target = target.convertToFormat(QImage::Format_RGB888);

    const Real wheel = -static_cast<Real>(angleDegrees) * std::numbers::pi_v<Real> / 180;
    Turn t{};
    t.c = std::cos(wheel);
    t.s = std::sin(wheel);
    t.cd = static_cast<double>(t.c);
    t.sd = static_cast<double>(t.s);
    t.cx = cx;
    t.cy = cy;
    t.sw = source.width();
    t.sh = source.height();
    t.offX = (target.width() - t.sw) / 2;
    t.offY = (target.height() - t.sh) / 2;
    t.bits = src.constBits();
    t.stride = static_cast<std::ptrdiff_t>(src.bytesPerLine());

    std::vector<PendingPixel> pending(static_cast<std::size_t>(target.width()));
    for (int y = 0; y < target.height(); ++y)
        rotateRow(t, y, target.width(), target.scanLine(y), pending.data());
}

int rotationAngle(HarmonyMode harmonyMode, bool winkeltyp2, int trackBar3Position, int markerPosition)
{
    int angles = 0;
    if (harmonyMode == HarmonyMode::fourColour)
        angles = winkeltyp2 ? 0 : -roundHalfEven(trackBar3Position * gradProPosition);
    else if (harmonyMode == HarmonyMode::colourRows)
        angles = 180;
    return angles - roundHalfEven(markerPosition / positionsPerDegree);
}

bool rotieren(const MainState& s, int& lastTurn, int trackBar3Position, int markerPosition,
              const QImage& imageOriginal, QImage& imageBg)
{
    if (s.actionSet.farbenSeparatEinstellen)
        return false;
    const int angles = rotationAngle(s.harmonyMode(), s.winkeltyp2, trackBar3Position, markerPosition);
    const int persisted = ((angles % 360) + 360) % 360;
    if (persisted == lastTurn)
        return false;
    // The turn leaves the corners it cannot reach as they were: they start from
    // the unturned picture each time, so that the same angle gives the same
    // picture whichever turns came before.
    imageBg = imageOriginal.copy();
    SmoothRotate(imageOriginal, imageBg, wheelCentre, wheelCentre, persisted);
    lastTurn = persisted;
    return true;
}
