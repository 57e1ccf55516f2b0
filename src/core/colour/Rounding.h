#pragma once

#include <cfenv>
#include <cmath>

// Every real-to-integer conversion of the program rounds half to even.
// lrint follows the current rounding mode, which is round-to-nearest-even
// unless someone changed it; we never do.
inline int roundHalfEven(long double v)
{
    return static_cast<int>(std::llrint(v));
}
inline int roundHalfEven(double v)
{
    return static_cast<int>(std::llrint(v));
}
inline int roundHalfEven(float v)
{
    return static_cast<int>(std::llrint(v));
}
