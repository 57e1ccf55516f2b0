// Fuzz target of the colour settings file: any bytes, read as an older
// one-block file and as a ".tnfx" two-block file; every block that comes out is
// turned into display values and applied, with the core recompute, to a state
// without a window. Checks that the reader takes exactly the bytes the format
// has, that a block re-encodes to the bytes it came from, and that whatever the
// numbers, every position stays on the band, every cross-hair in its field and
// every amount and colour in 0..255.
#include "FuzzCheck.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/documents/SettingsApply.h"
#include "core/documents/SettingsFile.h"
#include "core/harmony/FixSnapshot.h"
#include "core/harmony/Positions.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace
{

constexpr qsizetype blockOhneFixiert = fileBlockBytes - 4; // slots 1..26

ParsedFile lies(const QByteArray& bytes, bool twoBlocks)
{
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    return readIn(puffer, twoBlocks);
}

bool zwischen(int v, int von, int bis)
{
    return v >= von && v <= bis;
}

bool aufDemBand(int p)
{
    return zwischen(p, 0, lastBandPosition);
}

void pruefeEinstellung(const FileSetting& e)
{
    FUZZ_CHECK(aufDemBand(e.bandClick));
    for (int p : {e.pos[Field::big], e.pos[Field::right], e.pos[Field::left], e.pos[Field::centre]})
        FUZZ_CHECK(aufDemBand(p));
    for (const std::optional<int>& a : {e.abstand1, e.abstand2})
        FUZZ_CHECK(!a || zwischen(*a, 0, maxAngleDistance));
    FUZZ_CHECK(!e.stepIndex || zwischen(*e.stepIndex, 0, lastStepIndex));
    FUZZ_CHECK(e.crossHairs.size() <= 4);
    for (const CrossHair& k : e.crossHairs)
        FUZZ_CHECK(zwischen(k.x, 0, fieldLimit) && zwischen(k.y, 0, fieldLimit));
    FUZZ_CHECK(e.harmonyMode || e.crossHairs.empty());
}

void pruefeZustand(const MainState& s)
{
    FUZZ_CHECK(zwischen(static_cast<int>(s.harmonyMode()), 0, 4));
    for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
        FUZZ_CHECK(aufDemBand(p));
    // The angle markers' drawn positions: -1 is "forgotten".
    for (int slotNr = slot::posGezeichnetGross; slotNr <= slot::posGezeichnetMitte; ++slotNr)
        FUZZ_CHECK(s.farbWerte[slotNr] == -1 || aufDemBand(s.farbWerte[slotNr]));
    for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                  s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
        FUZZ_CHECK(zwischen(k, 0, fieldLimit));
    for (int m : {s.dunkelGross(), s.hellGross(), s.dunkelRechts(), s.hellRechts(), s.dunkelLinks(),
                  s.hellLinks(), s.dunkelMitte(), s.hellMitte()})
        FUZZ_CHECK(zwischen(m, 0, 255));
    for (int i = 1; i <= 15; ++i)
        FUZZ_CHECK(zwischen(s.dunkelReihe(i), 0, 255) && zwischen(s.hellReihe(i), 0, 255));
    // Base colours of the four fields and the six rings come from the band tables.
    for (int slotNr = slot::basisGross; slotNr < slot::dunkelReihe; ++slotNr)
        FUZZ_CHECK(zwischen(s.farbWerte[slotNr], 0, 255));
    for (int i = 1; i <= 48; ++i)
        FUZZ_CHECK(zwischen(s.endFarben[i], 0, 255) && zwischen(s.endFarbenFix[i], 0, 255));
    FUZZ_CHECK(zwischen(s.abstand1(), 0, 2 * maxAngleDistance));
    FUZZ_CHECK(zwischen(s.abstand2(), 0, maxAngleDistance));
    FUZZ_CHECK(zwischen(s.stufenAnzahl, 1, 7));
    FUZZ_CHECK(!s.separatModus || !isRowMode(s.harmonyMode()));
    FUZZ_CHECK(s.bandLuminoes == !s.actionSet.realistisch);
}

// The block as the window applies it, then what saving would take from the state.
void applyChange(MainState& s, const SettingsBlock& b)
{
    const FileSetting e = fileSetting(b);
    pruefeEinstellung(e);
    rememberFileValues(s, b);
    applySetting(s, e);
    pruefeZustand(s);

    const FixSnapshot f = fixSnapshotFrom(s, {.angleIndex = s.winkeltyp2 ? 1 : 0,
                                              .abstand1 = e.abstand1.value_or(0),
                                              .abstand2 = e.abstand2.value_or(0),
                                              .stepIndex = s.stufenAnzahl - 1});
    const std::array<int, 21> valueSet = fixSnapshotValues(f);
    FUZZ_CHECK(zwischen(valueSet[1], 0, 4));
    FUZZ_CHECK(berechneProzente(s, 0).endsWith(QStringLiteral(" %")));
    FUZZ_CHECK(berechneProzente(s, 1).endsWith(QStringLiteral(" %")));
}

// The core routines the file's positions and distances reach, with the raw
// numbers no display would pass: total over int, results on the band.
void rohePruefen(const SettingsBlock& b)
{
    const int p = b.valueSet[fileSlot::posGross];
    const int d1 = b.valueSet[fileSlot::abstand1];
    const int d2 = b.valueSet[fileSlot::abstand2];
    FUZZ_CHECK(aufDemBand(bandPosition(p)));
    const SmallFieldPositions small = smallFieldPositions(p, d1);
    FUZZ_CHECK(aufDemBand(small.right) && aufDemBand(small.left));
    for (bool typ2 : {false, true}) {
        const FourColourPositions vier = fourColourPositions(p, d1, d2, typ2);
        FUZZ_CHECK(aufDemBand(vier.right) && aufDemBand(vier.left) && aufDemBand(vier.centre));
    }
    MainState s;
    const int stepCount = b.valueSet[fileSlot::stepIndex];
    const RowPositions row = rowPositions(p, d1, stepCount, s.stufeAktiv);
    FUZZ_CHECK(aufDemBand(row.centre) && aufDemBand(row.outerMinus) && aufDemBand(row.outerPlus));
    for (std::size_t k = 0; k < row.ringMinus.size(); ++k)
        FUZZ_CHECK(aufDemBand(row.ringMinus[k]) && aufDemBand(row.ringPlus[k]));
    const LightDarkPoint point =
        pointToAmounts(b.valueSet[fileSlot::lightDarkBigX], b.valueSet[fileSlot::lightDarkBigX + 1],
                       b.valueSet[fileSlot::separate] != 0);
    FUZZ_CHECK(zwischen(point.dunkel, 0, 255) && zwischen(point.hell, 0, 255));
    FUZZ_CHECK(zwischen(point.column, 0, fieldLimit) && zwischen(point.rowLine, 0, fieldLimit));
}

void bloeckePruefen(const QByteArray& bytes, bool twoBlocks)
{
    const ParsedFile d = lies(bytes, twoBlocks);
    const qsizetype n = bytes.size();
    // Exactly what the format holds, and no more, decides what comes out.
    FUZZ_CHECK(d.block1.has_value() == (n >= blockOhneFixiert));
    if (!twoBlocks) {
        FUZZ_CHECK(!d.fixiert && !d.block2);
        FUZZ_CHECK(d.fullyRead == d.block1.has_value());
    } else {
        FUZZ_CHECK(d.fixiert.has_value() == (n >= fileBlockBytes));
        FUZZ_CHECK(d.block2.has_value() == (d.fixiert == 1 && n >= fileBlockBytes + blockOhneFixiert));
        FUZZ_CHECK(d.fullyRead == (d.fixiert && (*d.fixiert != 1 || d.block2)));
    }
    if (!d.block1)
        return;

    // A block re-encodes to the bytes it was read from.
    FileBlocks wieder{*d.block1, d.block2.value_or(*d.block1)};
    wieder.block1.fixiert = d.fixiert.value_or(0);
    const QByteArray kodiert = encode(wieder);
    FUZZ_CHECK(kodiert.size() == 2 * fileBlockBytes);
    const qsizetype gelesen = d.block2    ? fileBlockBytes + blockOhneFixiert
                              : d.fixiert ? fileBlockBytes
                                          : blockOhneFixiert;
    FUZZ_CHECK(kodiert.first(gelesen) == bytes.first(gelesen));

    // Each block on a fresh state, and the two in a row as the window opens a fixed file.
    MainState nacheinander;
    applyChange(nacheinander, *d.block1);
    rohePruefen(*d.block1);
    if (d.block2) {
        MainState frisch;
        applyChange(frisch, *d.block2);
        applyChange(nacheinander, *d.block2);
        rohePruefen(*d.block2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bloeckePruefen(bytes, false);
    bloeckePruefen(bytes, true);
    return 0;
}
