#pragma once

#include <array>
#include <cstdint>

inline constexpr int bandLength = 678; // positions 0..677, one turn of the wheel
inline constexpr int lastBandPosition = bandLength - 1;
inline constexpr int bandHalf = 339; // half a turn

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Three byte tables of one band type, indexed by band position.
struct BandTable {
    std::array<std::uint8_t, bandLength> r, g, b;
    Rgb at(int p) const
    {
        const auto i = static_cast<std::size_t>(p);
        return {r[i], g[i], b[i]};
    }
};

const BandTable& realisticBand();
const BandTable& luminousBand();
inline const BandTable& bandTable(bool luminoes)
{
    return luminoes ? luminousBand() : realisticBand();
}

// Complement of a position: (p + 339) mod 678.
inline int complement(int p)
{
    return p < bandHalf ? p + bandHalf : (p > bandHalf ? p - bandHalf : 0);
}
