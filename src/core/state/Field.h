#pragma once

#include <array>
#include <cstddef>

// One of the four fields of a harmony: the big one and the small right, left
// and centre ones. In fanning and colour rows "right" and "left" are the
// outer row fields.
enum class Field : int { big = 0, right = 1, left = 2, centre = 3 };

constexpr int fieldIndex(Field f)
{
    return static_cast<int>(f);
}

inline constexpr std::array<Field, 4> allFields{Field::big, Field::right, Field::left, Field::centre};

// A value kept per field, indexed by the field.
template <typename T> struct PerField {
    std::array<T, 4> v{};
    constexpr T& operator[](Field f) { return v[static_cast<std::size_t>(f)]; }
    constexpr const T& operator[](Field f) const { return v[static_cast<std::size_t>(f)]; }
    bool operator==(const PerField&) const = default;
};
