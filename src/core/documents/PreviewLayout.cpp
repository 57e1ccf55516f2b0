#include "core/documents/PreviewLayout.h"

#include <algorithm>

std::vector<int> previewBars(int n)
{
    n = std::clamp(n, 1, 7);
    std::vector<int> bars{1};
    for (int k = 9 - n; k <= 7; ++k)
        bars.push_back(k);
    bars.push_back(8);
    for (int k = 9; k <= 7 + n; ++k)
        bars.push_back(k);
    bars.push_back(15);
    return bars;
}

TextPlacement textPlacement(int farben, QSize centre)
{
    const int b = centre.width();
    const int h = centre.height();
    switch (farben) {
    case 4:
        return {QRect(0, 0, b, h / 3), QRect(0, h / 3, b, h / 3), QRect(0, 2 * (h / 3), b, h - 2 * (h / 3))};
    case 3:
        return {QRect(0, 0, b, h - h / 2), QRect(0, h - h / 2, b, h / 2), QRect()};
    default:
        return {QRect(0, 0, b, h), QRect(), QRect()};
    }
}

SizeMetrics sizeMetrics(PreviewSize g)
{
    switch (g) {
    case PreviewSize::small:
        return {8, false, {50, 15}, {100, 15}, {103, 12}, 8, false};
    case PreviewSize::big:
        return {14, true, {150, 60}, {300, 60}, {353, 28}, 14, true};
    case PreviewSize::medium:
        break;
    }
    return {10, true, {100, 30}, {200, 30}, {203, 22}, 10, true};
}
