#include "core/documents/ValueExport.h"

#include "core/colour/Conversions.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

namespace
{

const QString zeilenEnde = QStringLiteral("\r\n");
constexpr int spalteName = 300;
constexpr int spalteR = 1600;
constexpr int spalteG = 2000;
constexpr int spalteB = 2400;
constexpr int spalteHex = 2800;
constexpr int listenZeile = 100;
constexpr int blockAbstand = 150;

QString r(const FeldTexte& f)
{
    return QStringLiteral("R: ") + f.r;
}

QString g(const FeldTexte& f)
{
    return QStringLiteral("G: ") + f.g;
}

QString b(const FeldTexte& f)
{
    return QStringLiteral("B: ") + f.b;
}

QString hex(const FeldTexte& f)
{
    return QStringLiteral("HEX: ") + f.hex;
}

} // namespace

QString feldListeText(const std::array<FeldTexte, 4>& felder)
{
    QStringList bloecke;
    for (const FeldTexte& f : felder)
        bloecke << QStringList{f.name, r(f), g(f), b(f), hex(f)}.join(zeilenEnde);
    return bloecke.join(zeilenEnde + zeilenEnde);
}

QString reihenTabelleText(const std::vector<FeldTexte>& zeilen, bool englisch)
{
    const QString einzug(englisch ? 8 : 5, QLatin1Char('\t'));
    const QString luecke = QStringLiteral("\t\t");
    QStringList bloecke;
    for (const FeldTexte& f : zeilen)
        bloecke << f.name + zeilenEnde + einzug + r(f) + luecke + g(f) + luecke + b(f) + luecke + hex(f);
    return bloecke.join(zeilenEnde + zeilenEnde);
}

QString fixiertText(const QString& aktiv, const QString& trenner, const QString& fix)
{
    return aktiv + zeilenEnde + zeilenEnde + zeilenEnde + trenner + zeilenEnde + zeilenEnde + fix;
}

void feldListeDrucken(DruckSeite& seite, const std::array<FeldTexte, 4>& felder)
{
    int& y = seite.druckZeile;
    for (const FeldTexte& f : felder) {
        for (const QString& text : {f.name, r(f), g(f), b(f)}) {
            seite.texte.push_back({spalteName, y, text});
            y += listenZeile;
        }
        seite.texte.push_back({spalteName, y, hex(f)});
        y += blockAbstand;
    }
}

void reihenTabelleDrucken(DruckSeite& seite, const std::vector<FeldTexte>& zeilen)
{
    int& y = seite.druckZeile;
    for (const FeldTexte& f : zeilen) {
        seite.texte.push_back({spalteName, y, f.name});
        seite.texte.push_back({spalteR, y, r(f)});
        seite.texte.push_back({spalteG, y, g(f)});
        seite.texte.push_back({spalteB, y, b(f)});
        seite.texte.push_back({spalteHex, y, hex(f)});
        y += blockAbstand;
    }
}

void trennerDrucken(DruckSeite& seite, const QString& trenner)
{
    seite.texte.push_back({spalteName, seite.druckZeile, trenner});
    seite.druckZeile += blockAbstand;
}

namespace
{

FeldTexte feldWerte(const PaletteEntry& e)
{
    const int r = qRed(e.rgb), g = qGreen(e.rgb), b = qBlue(e.rgb);
    return {e.name, QString::number(r), QString::number(g), QString::number(b), hexText(r, g, b)};
}

FeldTexte strich(const QString& name)
{
    const QString s = QStringLiteral("-");
    return {name, s, s, s, s};
}

} // namespace

std::array<FeldTexte, 4> feldListeWerte(const MainState& s, const LanguageTable& t)
{
    const QVector<PaletteEntry> felder = kombinationsFarben(s, t);
    const Modus m = s.modus();
    return {feldWerte(felder.front()),
            m == Modus::zweier ? strich(t.text(Txt::feldLinks)) : feldWerte(felder[1]),
            m == Modus::vierer ? feldWerte(felder[2]) : strich(t.text(Txt::feldMitte)), feldWerte(felder.back())};
}

std::vector<FeldTexte> reihenListeWerte(const MainState& s, const LanguageTable& t)
{
    return zeilenWerte(zwischenZeilen(stufenAus(s.stufeAktiv), s.modus() != Modus::reihen, t), angezeigteEndFarben(s));
}

std::vector<MainState> ausgabeHaelften(const MainState& s)
{
    if (!s.fixiert)
        return {s};
    MainState fix = schnappschussZustand(s.fixStand, s.nurWebsicher);
    if (s.fixLinksAktiv)
        return {std::move(fix), s};
    return {s, std::move(fix)};
}

QString zustandWerteText(const MainState& s, const LanguageTable& t)
{
    QStringList texte;
    for (const MainState& h : ausgabeHaelften(s))
        texte << (istReihenModus(h.modus()) ? reihenTabelleText(reihenListeWerte(h, t), t.englisch())
                                            : feldListeText(feldListeWerte(h, t)));
    return texte.size() == 1 ? texte.front() : fixiertText(texte.front(), t.text(Txt::fixiertMarker), texte.back());
}

DruckSeite zustandWerteSeite(const MainState& s, const LanguageTable& t, int y)
{
    DruckSeite seite{.texte = {}, .druckZeile = y};
    bool erste = true;
    for (const MainState& h : ausgabeHaelften(s)) {
        if (!erste)
            trennerDrucken(seite, t.text(Txt::fixiertMarker));
        erste = false;
        if (istReihenModus(h.modus()))
            reihenTabelleDrucken(seite, reihenListeWerte(h, t));
        else
            feldListeDrucken(seite, feldListeWerte(h, t));
    }
    return seite;
}
