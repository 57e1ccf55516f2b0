#include "core/harmony/FixSnapshot.h"

FixSnapshot fixSnapshotFrom(const MainState& s, const FixInputs& e)
{
    FixSnapshot f;
    f.fixRealistisch = s.actionSet.realistisch ? 1 : 0;
    f.fixModus = static_cast<int>(s.harmonyMode());
    f.fixPosGross = s.posGross();
    f.fixWinkeltyp = e.angleIndex == 0 ? 1 : 2;
    f.fixAbstand1 = e.abstand1;
    f.fixAbstand2 = e.abstand2;
    f.fixSeparat = s.actionSet.farbenSeparatEinstellen ? 1 : 0;
    f.fixHdPunkte = {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                     s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(),  s.hdPunktMitteY()};
    f.fixPosGross2 = s.posGross();
    f.fixPosRechts = s.posRechts();
    f.fixPosLinks = s.posLinks();
    f.fixPosMitte = s.posMitte();
    f.fixStufenIndex = e.stepIndex;
    // Rows have no text view, whatever its check mark says.
    f.fixTextStattFlaechen = s.actionSet.textInsteadOfFields && !isRowMode(s.harmonyMode()) ? 1 : 0;
    return f;
}

std::array<int, 21> fixSnapshotValues(const FixSnapshot& f)
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

bool deviates(const MainState& s, const FixInputs& e)
{
    return fixSnapshotFrom(s, e) != s.fixStand;
}

FixInputs inputsFrom(const MainState& s)
{
    return {.angleIndex = s.winkeltyp2 ? 1 : 0,
            .abstand1 = s.angleSlider1,
            .abstand2 = s.angleSlider2,
            .stepIndex = s.stufenAnzahl - 1};
}
