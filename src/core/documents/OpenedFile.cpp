#include "core/documents/OpenedFile.h"

#include "core/documents/SettingsApply.h"

namespace
{

MainState appliedState(const SettingsBlock& b)
{
    MainState s;
    rememberFileValues(s, b);
    applySetting(s, fileSetting(b));
    return s;
}

} // namespace

FixSnapshot fixSnapshotFromBlock(const SettingsBlock& b)
{
    const auto& w = b.valueSet;
    FixSnapshot f;
    f.fixRealistisch = w[fileSlot::realistisch];
    f.fixModus = w[fileSlot::harmonyMode];
    f.fixPosGross = w[fileSlot::posGross];
    f.fixWinkeltyp = w[fileSlot::angleTypeNumber];
    f.fixAbstand1 = w[fileSlot::abstand1];
    f.fixAbstand2 = w[fileSlot::abstand2];
    f.fixSeparat = w[fileSlot::separate];
    for (int i = 0; i < 8; ++i)
        f.fixHdPunkte[static_cast<std::size_t>(i)] = w[fileSlot::lightDarkBigX + i];
    f.fixPosGross2 = w[fileSlot::posGross2];
    f.fixPosRechts = w[fileSlot::posRechts];
    f.fixPosLinks = w[fileSlot::posLinks];
    f.fixPosMitte = w[fileSlot::posMitte];
    f.fixStufenIndex = w[fileSlot::stepIndex];
    f.fixTextStattFlaechen = w[fileSlot::textInstead];
    return f;
}

std::optional<OpenedFile> evaluateFile(QIODevice& source, bool twoBlocks)
{
    const ParsedFile d = readIn(source, twoBlocks);
    const auto modusBekannt = [](const std::optional<SettingsBlock>& b) {
        return !b || fileSetting(*b).harmonyMode.has_value();
    };
    if (!d.fullyRead || !d.block1 || !modusBekannt(d.block1) || !modusBekannt(d.block2))
        return std::nullopt;
    OpenedFile g{appliedState(*d.block1)};
    if (d.fixiert == 1 && d.block2) {
        MainState& s = g.fileState;
        s.fixiert = true;
        s.actionSet.fixieren = true;
        s.fixLinksAktiv = false;
        s.fixStand = fixSnapshotFromBlock(*d.block2);
    }
    return g;
}
