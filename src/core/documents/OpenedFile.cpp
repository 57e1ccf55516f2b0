#include "core/documents/OpenedFile.h"

#include "core/documents/SettingsApply.h"

namespace
{

MainState angewendet(const EinstellungsBlock& b)
{
    MainState s;
    dateiWerteMerken(s, b);
    einstellungAnwenden(s, dateiEinstellung(b));
    return s;
}

} // namespace

FixStand fixStandAusBlock(const EinstellungsBlock& b)
{
    const auto& w = b.werte;
    FixStand f;
    f.fixRealistisch = w[dateiSlot::realistisch];
    f.fixModus = w[dateiSlot::modus];
    f.fixPosGross = w[dateiSlot::posGross];
    f.fixWinkeltyp = w[dateiSlot::winkeltyp];
    f.fixAbstand1 = w[dateiSlot::abstand1];
    f.fixAbstand2 = w[dateiSlot::abstand2];
    f.fixSeparat = w[dateiSlot::separat];
    for (int i = 0; i < 8; ++i)
        f.fixHdPunkte[static_cast<std::size_t>(i)] = w[dateiSlot::hdGrossX + i];
    f.fixPosGross2 = w[dateiSlot::posGross2];
    f.fixPosRechts = w[dateiSlot::posRechts];
    f.fixPosLinks = w[dateiSlot::posLinks];
    f.fixPosMitte = w[dateiSlot::posMitte];
    f.fixStufenIndex = w[dateiSlot::stufenIndex];
    f.fixTextStattFlaechen = w[dateiSlot::textStatt];
    return f;
}

std::optional<GeoeffneteDatei> dateiBerechnen(QIODevice& quelle, bool zweiBloecke)
{
    const GeleseneDatei d = lesen(quelle, zweiBloecke);
    const auto modusBekannt = [](const std::optional<EinstellungsBlock>& b) {
        return !b || dateiEinstellung(*b).modus.has_value();
    };
    if (!d.vollstaendig || !d.block1 || !modusBekannt(d.block1) || !modusBekannt(d.block2))
        return std::nullopt;
    GeoeffneteDatei g{angewendet(*d.block1)};
    if (d.fixiert == 1 && d.block2) {
        MainState& s = g.zustand;
        s.fixiert = true;
        s.aktionen.fixieren = true;
        s.fixLinksAktiv = false;
        s.fixStand = fixStandAusBlock(*d.block2);
    }
    return g;
}
