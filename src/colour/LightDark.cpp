#include "colour/LightDark.h"

#include "colour/Rounding.h"

int rechneHellDunkel(int base, int dunkel, int hell)
{
    if (dunkel == 0 && hell == 0)
        return base;
    if (base == 0)
        return hell;
    if (base == 255 && dunkel == 0)
        return 255;
    const double b = base;
    const double d = b - dunkel / (255.0 / b);
    return roundHalfEven(d + hell / (255.0 / (255.0 - d)));
}
