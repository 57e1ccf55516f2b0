#pragma once

#include <QRect>

#include <utility>
#include <vector>

// Bar numbers (1..15) shown for n steps, top to bottom: R1, the left-side
// bars 9 - n .. 7, R8, the right-side bars 9 .. 7 + n, R15.
std::vector<int> previewBars(int n);

// Top of the i-th shown bar (0-based).
constexpr int barY(int i)
{
    return 66 + 30 * i;
}

// One step of the colour ring [background, first, ..., last]: the background
// takes the last colour, every other the one before it.
template <typename T> void rotateRing(std::vector<T>& ring)
{
    if (ring.size() < 2)
        return;
    T last = std::move(ring.back());
    for (std::size_t i = ring.size() - 1; i > 0; --i)
        ring[i] = std::move(ring[i - 1]);
    ring[0] = std::move(last);
}

// The three sample texts of the text mode for a harmony of `farben` colours
// (2, 3 or 4) in a middle panel of the given size; empty rectangles are hidden.
struct TextPlacement {
    QRect text1, text2, text3;
};
TextPlacement textPlacement(int farben, QSize centre);

enum class PreviewSize { small, medium, big };

struct SizeMetrics {
    int textPointSize;
    bool textBold;
    QSize narrowBlock, broad; // blocks
    QSize bars;
    int barFontPoints;
    bool barsBold;
};
SizeMetrics sizeMetrics(PreviewSize g);
