#include "core/documents/SettingsFile.h"

#include "core/harmony/FixSnapshot.h"

#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

namespace
{

constexpr qsizetype slotBytes = 4;
constexpr int ganzzahlSlots = 25;

struct Zahlen {
    int r, g, b;
    QByteArray hex;
};

Zahlen zahlenAus(const WerteTexte& t, const Zahlen& ersatz)
{
    const auto zahl = [](const QString& text, int sonst) {
        bool ok = false;
        const int wert = text.toInt(&ok);
        return ok ? wert : sonst;
    };
    return {zahl(t.r, ersatz.r), zahl(t.g, ersatz.g), zahl(t.b, ersatz.b),
            t.hex.size() == dateiHexBytes ? t.hex.toLatin1() : ersatz.hex};
}

EinstellungsBlock block(const FixStand& f, const DateiOptionen& o, const Zahlen& z)
{
    EinstellungsBlock b;
    const std::array<int, 21> werte = fixStandWerte(f);
    for (int i = 1; i <= dateiSlot::stufenIndex; ++i)
        b.werte[i] = werte[static_cast<std::size_t>(i - 1)];
    b.werte[dateiSlot::websicher] = o.websicher ? 1 : 0;
    b.werte[dateiSlot::textStatt] = o.textStatt ? 1 : 0;
    b.werte[dateiSlot::grossR] = z.r;
    b.werte[dateiSlot::grossR + 1] = z.g;
    b.werte[dateiSlot::grossR + 2] = z.b;
    b.hex = z.hex;
    b.fixiert = o.fixiert ? 1 : 0;
    return b;
}

void anhaengen(QByteArray& bytes, int wert)
{
    char le[slotBytes];
    qToLittleEndian<qint32>(wert, le);
    bytes.append(le, slotBytes);
}

// Slots 1..26 of one block; nothing when the data ends first.
std::optional<EinstellungsBlock> blockLesen(QIODevice& quelle)
{
    const QByteArray bytes = quelle.read(ganzzahlSlots * slotBytes + dateiHexBytes);
    if (bytes.size() != ganzzahlSlots * slotBytes + dateiHexBytes)
        return std::nullopt;
    EinstellungsBlock b;
    for (int i = 1; i <= ganzzahlSlots; ++i)
        b.werte[i] = qFromLittleEndian<qint32>(bytes.constData() + (i - 1) * slotBytes);
    b.hex = bytes.right(dateiHexBytes);
    return b;
}

std::optional<int> ganzzahlLesen(QIODevice& quelle)
{
    const QByteArray bytes = quelle.read(slotBytes);
    if (bytes.size() != slotBytes)
        return std::nullopt;
    return qFromLittleEndian<qint32>(bytes.constData());
}

} // namespace

DateiBloecke dateiBloecke(const FixStand& aktuell, const FixStand& schnappschuss, bool linksAktiv,
                          const DateiOptionen& optionen, const WerteTexte& oben, const WerteTexte& unten)
{
    const Zahlen zahlen1 = zahlenAus(oben, {0, 0, 0, QByteArray(dateiHexBytes, ' ')});
    const Zahlen zahlen2 = zahlenAus(unten, zahlen1);
    const FixStand& rechts = linksAktiv ? schnappschuss : aktuell;
    const FixStand& links = linksAktiv ? aktuell : schnappschuss;
    return {block(rechts, optionen, zahlen1), block(links, optionen, zahlen2)};
}

QByteArray kodieren(const DateiBloecke& bloecke)
{
    QByteArray bytes;
    bytes.reserve(2 * dateiBlockBytes);
    for (const EinstellungsBlock* b : {&bloecke.block1, &bloecke.block2}) {
        for (int i = 1; i <= ganzzahlSlots; ++i)
            anhaengen(bytes, b->werte[i]);
        bytes.append(b->hex.leftJustified(dateiHexBytes, ' ', true));
        anhaengen(bytes, b->fixiert);
    }
    return bytes;
}

bool schreiben(QIODevice& ziel, const DateiBloecke& bloecke)
{
    const QByteArray bytes = kodieren(bloecke);
    return ziel.write(bytes) == bytes.size();
}

GeleseneDatei lesen(QIODevice& quelle, bool zweiBloecke)
{
    GeleseneDatei d;
    d.block1 = blockLesen(quelle);
    if (!d.block1)
        return d;
    if (!zweiBloecke) {
        d.vollstaendig = true;
        return d;
    }
    d.fixiert = ganzzahlLesen(quelle);
    if (!d.fixiert)
        return d;
    if (*d.fixiert != 1) {
        d.vollstaendig = true;
        return d;
    }
    d.block2 = blockLesen(quelle);
    d.vollstaendig = d.block2.has_value();
    return d;
}

bool istZweiBlockDatei(const QString& pfad)
{
    return pfad.endsWith(QStringLiteral(".tnfx"), Qt::CaseInsensitive);
}

QString mitTnfxEndung(const QString& pfad)
{
    const QString name = QFileInfo(pfad).fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype ende = punkt < 0 ? pfad.size() : pfad.size() - (name.size() - punkt);
    return pfad.left(ende) + QStringLiteral(".tnfx");
}
