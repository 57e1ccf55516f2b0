#include "core/tools/PipetteGeometry.h"

#include "core/colour/Conversions.h"

namespace
{
int kanalWert(unsigned farbe, int schiebung)
{
    return static_cast<int>((farbe >> schiebung) & 0xFFu);
}
} // namespace

QString RGBWert(unsigned farbe, char kanal)
{
    switch (kanal) {
    case 'R':
        return QString::number(kanalWert(farbe, 16));
    case 'G':
        return QString::number(kanalWert(farbe, 8));
    case 'B':
        return QString::number(kanalWert(farbe, 0));
    default:
        return {};
    }
}

QString HEXWert(unsigned farbe)
{
    return hexText(kanalWert(farbe, 16), kanalWert(farbe, 8), kanalWert(farbe, 0));
}
