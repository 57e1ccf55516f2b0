#pragma once

#include <array>
#include <cstddef>

// Three channels of a colour in some colour space (a, b, c in the space's order).
struct Triple {
    double a = 0, b = 0, c = 0;
};

// The 3 x 3 matrices of the colour-space conversions, applied to a channel triple.
using Matrix3 = std::array<std::array<double, 3>, 3>;

inline Triple times(const Matrix3& m, const Triple& v)
{
    return {m[0][0] * v.a + m[0][1] * v.b + m[0][2] * v.c, m[1][0] * v.a + m[1][1] * v.b + m[1][2] * v.c,
            m[2][0] * v.a + m[2][1] * v.b + m[2][2] * v.c};
}

// Folds two conversions into one, done once where a path is hot.
inline Matrix3 product(const Matrix3& x, const Matrix3& y)
{
    Matrix3 r{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            for (std::size_t k = 0; k < 3; ++k)
                r[i][j] += x[i][k] * y[k][j];
    return r;
}
