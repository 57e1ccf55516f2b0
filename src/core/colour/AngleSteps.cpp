// The parts of the angle controls that compute without a picture, so that a
// settings file can be applied without linking the picture code (the command line).
#include "core/colour/AnglePicture.h"

int ersterAbstand(int trackBar2, Modus modus)
{
    return modus == Modus::reihen ? 2 * trackBar2 : trackBar2;
}

bool winkelZeichnenPruefen(MainState& s)
{
    if (!s.ablauf.formularBereit)
        return false;
    auto& w = s.farbWerte;
    const Modus modus = s.modus();
    if (s.feldGrossAn() && w[slot::posGezeichnetGross] == s.posGross())
        return false;
    if (s.feldRechtsAn() && w[slot::posGezeichnetRechts] == s.posRechts())
        return false;
    if (modus != Modus::zweier && s.feldLinksAn() && w[slot::posGezeichnetLinks] == s.posLinks())
        return false;
    if (modus == Modus::vierer && s.feldMitteAn() && w[slot::posGezeichnetMitte] == s.posMitte())
        return false;

    w[slot::posGezeichnetGross] = s.posGross();
    w[slot::posGezeichnetRechts] = s.posRechts();
    if (modus != Modus::zweier)
        w[slot::posGezeichnetLinks] = s.posLinks();
    if (modus == Modus::vierer)
        w[slot::posGezeichnetMitte] = s.posMitte();
    return true;
}
