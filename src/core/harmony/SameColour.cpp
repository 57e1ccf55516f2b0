#include "core/harmony/SameColour.h"

#include <utility>
#include <vector>

namespace
{

std::vector<std::pair<int, int>> comparedPairs()
{
    std::vector<std::pair<int, int>> paare;
    for (int n = 1; n < 15; ++n)
        paare.emplace_back(n, n + 1);
    paare.emplace_back(1, 8);
    paare.emplace_back(15, 8);
    for (int n = 2; n <= 7; ++n)
        paare.emplace_back(1, n);
    for (int n = 14; n >= 9; --n)
        paare.emplace_back(15, n);
    return paare;
}

} // namespace

bool sameColourInRow(const RowFields& row)
{
    static const std::vector<std::pair<int, int>> paare = comparedPairs();
    for (const auto& [a, b] : paare) {
        const RowField& x = row[static_cast<std::size_t>(a)];
        const RowField& y = row[static_cast<std::size_t>(b)];
        if (x.displayed && y.displayed && x.colourValue == y.colourValue)
            return true;
    }
    return false;
}
