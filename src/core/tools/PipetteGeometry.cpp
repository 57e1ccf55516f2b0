#include "core/tools/PipetteGeometry.h"

#include "core/colour/Conversions.h"

namespace
{
int channelValue(unsigned colourValue, int schiebung)
{
    return static_cast<int>((colourValue >> schiebung) & 0xFFu);
}
} // namespace

QString RGBWert(unsigned colourValue, char colourChannel)
{
    switch (colourChannel) {
    case 'R':
        return QString::number(channelValue(colourValue, 16));
    case 'G':
        return QString::number(channelValue(colourValue, 8));
    case 'B':
        return QString::number(channelValue(colourValue, 0));
    default:
        return {};
    }
}

QString HEXWert(unsigned colourValue)
{
    return hexText(channelValue(colourValue, 16), channelValue(colourValue, 8), channelValue(colourValue, 0));
}
