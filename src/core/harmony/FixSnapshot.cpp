#include "core/harmony/FixSnapshot.h"

FixStand fixStandAus(const MainState& s, const FixEingaben& e)
{
    FixStand f;
    f.fixRealistisch = s.aktionen.realistisch ? 1 : 0;
    f.fixModus = static_cast<int>(s.modus());
    f.fixPosGross = s.posGross();
    f.fixWinkeltyp = e.winkelIndex == 0 ? 1 : 2;
    f.fixAbstand1 = e.abstand1;
    f.fixAbstand2 = e.abstand2;
    f.fixSeparat = s.aktionen.farbenSeparatEinstellen ? 1 : 0;
    f.fixHdPunkte = {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                     s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(),  s.hdPunktMitteY()};
    f.fixPosGross2 = s.posGross();
    f.fixPosRechts = s.posRechts();
    f.fixPosLinks = s.posLinks();
    f.fixPosMitte = s.posMitte();
    f.fixStufenIndex = e.stufenIndex;
    // Rows have no text view, whatever its check mark says.
    f.fixTextStattFlaechen = s.aktionen.textAnstelleFlaechen && !istReihenModus(s.modus()) ? 1 : 0;
    return f;
}

std::array<int, 21> fixStandWerte(const FixStand& f)
{
    const auto& p = f.fixHdPunkte;
    return {f.fixRealistisch,
            f.fixModus,
            f.fixPosGross,
            f.fixWinkeltyp,
            f.fixAbstand1,
            f.fixAbstand2,
            f.fixSeparat,
            p[0],
            p[1],
            p[2],
            p[3],
            p[4],
            p[5],
            p[6],
            p[7],
            f.fixPosGross2,
            f.fixPosRechts,
            f.fixPosLinks,
            f.fixPosMitte,
            f.fixStufenIndex,
            f.fixTextStattFlaechen};
}

bool weichtAb(const MainState& s, const FixEingaben& e)
{
    return fixStandAus(s, e) != s.fixStand;
}

FixEingaben eingabenAus(const MainState& s)
{
    return {.winkelIndex = s.winkeltyp2 ? 1 : 0,
            .abstand1 = s.winkelRegler1,
            .abstand2 = s.winkelRegler2,
            .stufenIndex = s.stufenAnzahl - 1};
}
