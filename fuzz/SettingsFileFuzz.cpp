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

constexpr qsizetype blockOhneFixiert = dateiBlockBytes - 4; // slots 1..26

GeleseneDatei lies(const QByteArray& bytes, bool zweiBloecke)
{
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    return lesen(puffer, zweiBloecke);
}

bool zwischen(int v, int von, int bis)
{
    return v >= von && v <= bis;
}

bool aufDemBand(int p)
{
    return zwischen(p, 0, letzteBandPosition);
}

void pruefeEinstellung(const DateiEinstellung& e)
{
    FUZZ_CHECK(aufDemBand(e.bandKlick));
    for (int p : {e.pos[Feld::gross], e.pos[Feld::rechts], e.pos[Feld::links], e.pos[Feld::mitte]})
        FUZZ_CHECK(aufDemBand(p));
    for (const std::optional<int>& a : {e.abstand1, e.abstand2})
        FUZZ_CHECK(!a || zwischen(*a, 0, groessterAbstand));
    FUZZ_CHECK(!e.stufenIndex || zwischen(*e.stufenIndex, 0, letzterStufenIndex));
    FUZZ_CHECK(e.fadenkreuze.size() <= 4);
    for (const Fadenkreuz& k : e.fadenkreuze)
        FUZZ_CHECK(zwischen(k.x, 0, feldGrenze) && zwischen(k.y, 0, feldGrenze));
    FUZZ_CHECK(e.modus || e.fadenkreuze.empty());
}

void pruefeZustand(const MainState& s)
{
    FUZZ_CHECK(zwischen(static_cast<int>(s.modus()), 0, 4));
    for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
        FUZZ_CHECK(aufDemBand(p));
    // The angle markers' drawn positions: -1 is "forgotten".
    for (int slotNr = slot::posGezeichnetGross; slotNr <= slot::posGezeichnetMitte; ++slotNr)
        FUZZ_CHECK(s.farbWerte[slotNr] == -1 || aufDemBand(s.farbWerte[slotNr]));
    for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY(),
                  s.hdPunktLinksX(), s.hdPunktLinksY(), s.hdPunktMitteX(), s.hdPunktMitteY()})
        FUZZ_CHECK(zwischen(k, 0, feldGrenze));
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
    FUZZ_CHECK(zwischen(s.abstand1(), 0, 2 * groessterAbstand));
    FUZZ_CHECK(zwischen(s.abstand2(), 0, groessterAbstand));
    FUZZ_CHECK(zwischen(s.stufenAnzahl, 1, 7));
    FUZZ_CHECK(!s.separatModus || !istReihenModus(s.modus()));
    FUZZ_CHECK(s.bandLuminoes == !s.aktionen.realistisch);
}

// The block as the window applies it, then what saving would take from the state.
void anwenden(MainState& s, const EinstellungsBlock& b)
{
    const DateiEinstellung e = dateiEinstellung(b);
    pruefeEinstellung(e);
    dateiWerteMerken(s, b);
    einstellungAnwenden(s, e);
    pruefeZustand(s);

    const FixStand f = fixStandAus(s, {.winkelIndex = s.winkeltyp2 ? 1 : 0,
                                       .abstand1 = e.abstand1.value_or(0),
                                       .abstand2 = e.abstand2.value_or(0),
                                       .stufenIndex = s.stufenAnzahl - 1});
    const std::array<int, 21> werte = fixStandWerte(f);
    FUZZ_CHECK(zwischen(werte[1], 0, 4));
    FUZZ_CHECK(berechneProzente(s, 0).endsWith(QStringLiteral(" %")));
    FUZZ_CHECK(berechneProzente(s, 1).endsWith(QStringLiteral(" %")));
}

// The core routines the file's positions and distances reach, with the raw
// numbers no display would pass: total over int, results on the band.
void rohePruefen(const EinstellungsBlock& b)
{
    const int p = b.werte[dateiSlot::posGross];
    const int d1 = b.werte[dateiSlot::abstand1];
    const int d2 = b.werte[dateiSlot::abstand2];
    FUZZ_CHECK(aufDemBand(bandPosition(p)));
    const SmallFieldPositions klein = smallFieldPositions(p, d1);
    FUZZ_CHECK(aufDemBand(klein.right) && aufDemBand(klein.left));
    for (bool typ2 : {false, true}) {
        const FourColourPositions vier = fourColourPositions(p, d1, d2, typ2);
        FUZZ_CHECK(aufDemBand(vier.right) && aufDemBand(vier.left) && aufDemBand(vier.centre));
    }
    MainState s;
    const int stufen = b.werte[dateiSlot::stufenIndex];
    const RowPositions reihe = rowPositions(p, d1, stufen, s.stufeAktiv);
    FUZZ_CHECK(aufDemBand(reihe.centre) && aufDemBand(reihe.outerMinus) && aufDemBand(reihe.outerPlus));
    for (std::size_t k = 0; k < reihe.ringMinus.size(); ++k)
        FUZZ_CHECK(aufDemBand(reihe.ringMinus[k]) && aufDemBand(reihe.ringPlus[k]));
    const HdPunkt punkt = punktZuMengen(b.werte[dateiSlot::hdGrossX], b.werte[dateiSlot::hdGrossX + 1],
                                        b.werte[dateiSlot::separat] != 0);
    FUZZ_CHECK(zwischen(punkt.dunkel, 0, 255) && zwischen(punkt.hell, 0, 255));
    FUZZ_CHECK(zwischen(punkt.spalte, 0, feldGrenze) && zwischen(punkt.zeile, 0, feldGrenze));
}

void bloeckePruefen(const QByteArray& bytes, bool zweiBloecke)
{
    const GeleseneDatei d = lies(bytes, zweiBloecke);
    const qsizetype n = bytes.size();
    // Exactly what the format holds, and no more, decides what comes out.
    FUZZ_CHECK(d.block1.has_value() == (n >= blockOhneFixiert));
    if (!zweiBloecke) {
        FUZZ_CHECK(!d.fixiert && !d.block2);
        FUZZ_CHECK(d.vollstaendig == d.block1.has_value());
    } else {
        FUZZ_CHECK(d.fixiert.has_value() == (n >= dateiBlockBytes));
        FUZZ_CHECK(d.block2.has_value() == (d.fixiert == 1 && n >= dateiBlockBytes + blockOhneFixiert));
        FUZZ_CHECK(d.vollstaendig == (d.fixiert && (*d.fixiert != 1 || d.block2)));
    }
    if (!d.block1)
        return;

    // A block re-encodes to the bytes it was read from.
    DateiBloecke wieder{*d.block1, d.block2.value_or(*d.block1)};
    wieder.block1.fixiert = d.fixiert.value_or(0);
    const QByteArray kodiert = kodieren(wieder);
    FUZZ_CHECK(kodiert.size() == 2 * dateiBlockBytes);
    const qsizetype gelesen = d.block2    ? dateiBlockBytes + blockOhneFixiert
                              : d.fixiert ? dateiBlockBytes
                                          : blockOhneFixiert;
    FUZZ_CHECK(kodiert.first(gelesen) == bytes.first(gelesen));

    // Each block on a fresh state, and the two in a row as the window opens a fixed file.
    MainState nacheinander;
    anwenden(nacheinander, *d.block1);
    rohePruefen(*d.block1);
    if (d.block2) {
        MainState frisch;
        anwenden(frisch, *d.block2);
        anwenden(nacheinander, *d.block2);
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
