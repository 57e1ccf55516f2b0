#pragma once

#include <cmath>

// The light/dark mix of one channel written down from its definition, step by
// step and in double precision, for comparing the production code against.
// Halves go to the even neighbour (the default rounding mode of nearbyint).
inline int referenzMischung(int base, int dunkel, int hell)
{
    if (dunkel == 0 && hell == 0)
        return base;
    if (base == 0)
        return hell;
    if (base == 255 && dunkel == 0)
        return 255;
    const double d = base - dunkel / (255.0 / base);
    return static_cast<int>(std::nearbyint(d + hell / (255.0 / (255.0 - d))));
}
