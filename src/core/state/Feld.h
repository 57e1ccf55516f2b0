#pragma once

#include <array>
#include <cstddef>

// One of the four fields of a harmony: the big one and the small right, left
// and centre ones. In fanning and colour rows "rechts" and "links" are the
// outer row fields.
enum class Feld : int { gross = 0, rechts = 1, links = 2, mitte = 3 };

constexpr int feldIndex(Feld f)
{
    return static_cast<int>(f);
}

inline constexpr std::array<Feld, 4> alleFelder{Feld::gross, Feld::rechts, Feld::links, Feld::mitte};

// A value kept per field, indexed by the field.
template <typename T> struct FeldWerte {
    std::array<T, 4> v{};
    constexpr T& operator[](Feld f) { return v[static_cast<std::size_t>(f)]; }
    constexpr const T& operator[](Feld f) const { return v[static_cast<std::size_t>(f)]; }
    bool operator==(const FeldWerte&) const = default;
};
