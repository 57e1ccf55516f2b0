#include "ui/display/HalfSwap.h"

#include "ui/display/DisplayHost.h"
#include "ui/layout/WindowLayoutUi.h"

HalfSwap::HalfSwap(DisplayHost& host) : m_host(host) {}

void HalfSwap::fixiertAuslesenAlle()
{
    swapHalf(false);
}

void HalfSwap::fixiertAuslesenAlleLi()
{
    swapHalf(true);
}

void HalfSwap::swapHalf(bool left)
{
    if (m_host.colourDocument().editHalf(left))
        m_host.layout().releaseBackgroundBoxFocus();
}
