#include "core/documents/IntermediateRows.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"

#include <algorithm>

namespace
{

constexpr int zeilenAbstand = 24;
constexpr int grosseZeileY = 22;
constexpr int ersteFeldZeileY = 46;

// endFarben triples of the outer, centre and big fields.
constexpr int endGross = 37;
constexpr int endRechts = 40;
constexpr int endLinks = 43;
constexpr int endMitte = 46;

int ringRechts(int k)
{
    return 6 * k - 5;
}

int ringLinks(int k)
{
    return 6 * k - 2;
}

} // namespace

int stufenAus(const std::array<bool, 8>& stufeAktiv)
{
    int n = 1;
    while (n + 1 <= 7 && stufeAktiv[static_cast<std::size_t>(n + 1)])
        ++n;
    return n;
}

ZwischenMasse zwischenMasse(int n)
{
    n = std::clamp(n, 1, 7);
    // The largest size keeps the design measures, a little more than the step rule.
    if (n == 7)
        return {.hoehe = 495, .knopfOben = 420, .rahmenHoehe = 391};
    const int mehr = 48 * (n - 1);
    return {.hoehe = 204 + mehr, .knopfOben = 130 + mehr, .rahmenHoehe = 103 + mehr};
}

std::vector<ZwischenZeile> zwischenZeilen(int n, bool mitGrosserZeile, const LanguageTable& t)
{
    n = std::clamp(n, 1, 7);
    const int felder = 2 * n + 1;
    std::vector<ZwischenZeile> zeilen;
    if (mitGrosserZeile) {
        const QString& name = t.text(Txt::feldGross);
        zeilen.push_back({ZeilenRolle::gross, 0, endGross, grosseZeileY, name, name});
    }
    int j = 0;
    // Intermediate rows print and copy their label; the others their field name.
    const auto feld = [&](ZeilenRolle rolle, int ring, int endIndex, const QString* feldName) {
        ++j;
        QString label = t.reihenFeldName(j, felder);
        QString name = feldName ? *feldName : label;
        zeilen.push_back({rolle, ring, endIndex, ersteFeldZeileY + (j - 1) * zeilenAbstand, std::move(label),
                          std::move(name)});
    };
    feld(ZeilenRolle::links, 0, endLinks, &t.text(Txt::feldLinks));
    for (int k = n - 1; k >= 1; --k)
        feld(ZeilenRolle::zwischenLinks, k, ringLinks(k), nullptr);
    feld(ZeilenRolle::mitte, 0, endMitte, &t.text(Txt::feldMitte));
    for (int k = 1; k <= n - 1; ++k)
        feld(ZeilenRolle::zwischenRechts, k, ringRechts(k), nullptr);
    feld(ZeilenRolle::rechts, 0, endRechts, &t.text(Txt::feldRechts));
    return zeilen;
}

FeldTexte zeilenWerte(const ZwischenZeile& zeile, const OneBased<48>& endFarben)
{
    const int r = endFarben[zeile.endIndex];
    const int g = endFarben[zeile.endIndex + 1];
    const int b = endFarben[zeile.endIndex + 2];
    return {zeile.name, QString::number(r), QString::number(g), QString::number(b), hexText(r, g, b)};
}

std::vector<FeldTexte> zeilenWerte(const std::vector<ZwischenZeile>& zeilen, const OneBased<48>& endFarben)
{
    std::vector<FeldTexte> werte;
    werte.reserve(zeilen.size());
    for (const ZwischenZeile& z : zeilen)
        werte.push_back(zeilenWerte(z, endFarben));
    return werte;
}
