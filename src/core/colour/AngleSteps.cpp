// The parts of the angle controls that compute without a picture, so that a
// settings file can be applied without linking the picture code (the command line).
#include "core/colour/AnglePicture.h"

int firstDistance(int trackBar2, HarmonyMode harmonyMode)
{
    return harmonyMode == HarmonyMode::colourRows ? 2 * trackBar2 : trackBar2;
}

bool checkAngleDrawing(MainState& s, bool windowShown)
{
    if (!windowShown)
        return false;
    auto& w = s.farbWerte;
    const HarmonyMode harmonyMode = s.harmonyMode();
    if (s.feldGrossAn() && w[slot::posGezeichnetGross] == s.posGross())
        return false;
    if (s.feldRechtsAn() && w[slot::posGezeichnetRechts] == s.posRechts())
        return false;
    if (harmonyMode != HarmonyMode::twoColour && s.feldLinksAn() &&
        w[slot::posGezeichnetLinks] == s.posLinks())
        return false;
    if (harmonyMode == HarmonyMode::fourColour && s.feldMitteAn() &&
        w[slot::posGezeichnetMitte] == s.posMitte())
        return false;

    w[slot::posGezeichnetGross] = s.posGross();
    w[slot::posGezeichnetRechts] = s.posRechts();
    if (harmonyMode != HarmonyMode::twoColour)
        w[slot::posGezeichnetLinks] = s.posLinks();
    if (harmonyMode == HarmonyMode::fourColour)
        w[slot::posGezeichnetMitte] = s.posMitte();
    return true;
}
