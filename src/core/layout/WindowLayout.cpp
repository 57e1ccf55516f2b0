#include "core/layout/WindowLayout.h"

#include "core/colour/Rounding.h"

#include <algorithm>

namespace
{

// round(v × a / b), ties to even; the quotient of two integers is exact
// enough in double for the .5 cases to stay .5.
int skaliert(int v, int a, int b)
{
    return roundHalfEven(static_cast<double>(v) * a / b);
}

int sx(int w, int a)
{
    return skaliert(w, a, referenzBreite);
}
int sy(int h, int b)
{
    return skaliert(h, b, referenzHoehe);
}

// Tags of a row whose first panel stands at `first`, panel after panel.
void fillTags(RowGeometry& r, int first)
{
    r.tag[1] = first;
    for (std::size_t k = 2; k <= 15; ++k)
        r.tag[k] = r.tag[k - 1] + r.width + r.gap;
}

RowGeometry singleRow(int w, int h)
{
    RowGeometry r;
    r.width = w * 40 / referenzBreite;
    r.height = sy(h, 116);
    r.top = sy(h, 190);
    const int d = w - 2 - 15 * r.width;
    r.gap = (d - 20) / 14;
    fillTags(r, (d - 14 * r.gap) / 2 - 1);
    return r;
}

RowGeometry fixedRow(int w, int h, int fixedRechtsBreite)
{
    RowGeometry r;
    r.width = sx(w, 20);
    r.height = sy(h, 100);
    r.top = sy(h, 210);
    const int d = fixedRechtsBreite - 15 * r.width;
    r.gap = (d - 12) / 14;
    fillTags(r, (d - 14 * r.gap) / 2 - 1);
    return r;
}

} // namespace

std::pair<int, int> aeussereFixedPanels(const RowGeometry& reihe, int s)
{
    s = std::clamp(s, 1, 7);
    if (s == 7)
        return {reihe.tag[1], reihe.tag[15]};
    return {reihe.tag[static_cast<std::size_t>(8 - s)], reihe.tag[static_cast<std::size_t>(8 + s)]};
}

DisplayGeometry displayGeometry(int w, int h, int stufenFixRechts, int stufenFixLinks)
{
    DisplayGeometry g;
    const QSize klein(sx(w, 186), sy(h, 91));
    g.kleinRechts = QRect(QPoint(sx(w, 414), sy(h, 210)), klein);
    g.kleinLinks = QRect(QPoint(sx(w, 72), sy(h, 210)), klein);
    g.kleinMitte = QRect(QPoint(sx(w, 243), sy(h, 66)), klein);

    g.reihe = singleRow(w, h);
    g.r1Hint = QString::number(g.reihe.tag[1]);
    g.r15Hint = QString::number(g.reihe.tag[15]);

    g.fixedLinksBreite = skaliert(w, 338, 678);
    g.fixedHoehe = h - 2;
    g.fixedRechtsBreite = skaliert(w, 340, 678);
    g.fixedRechtsLinks = g.fixedLinksBreite;

    const QSize fixKlein(sx(w, 130), sy(h, 73));
    g.fixedKleinRechts = QRect(QPoint(sx(w, 185), sy(h, 234)), fixKlein);
    g.fixedKleinLinks = QRect(QPoint(sx(w, 22), sy(h, 234)), fixKlein);
    g.fixedKleinMitte = QRect(QPoint(sx(w, 103), sy(h, 126)), fixKlein);

    g.fixedReihenLinksBreite = g.fixedLinksBreite;
    g.fixedReihenHoehe = g.fixedHoehe;
    g.fixedReihenRechtsBreite = g.fixedRechtsBreite;
    g.fixedReihenRechtsLinks = g.fixedReihenLinksBreite;

    g.fixedReihe = fixedRow(w, h, g.fixedRechtsBreite);
    std::tie(g.r1ReLinks, g.r15ReLinks) = aeussereFixedPanels(g.fixedReihe, stufenFixRechts);
    std::tie(g.r1LiLinks, g.r15LiLinks) = aeussereFixedPanels(g.fixedReihe, stufenFixLinks);
    return g;
}

bool kompaktesLayoutNoetig(QSize screen)
{
    return screen.width() < 1020 || screen.height() < 764;
}

namespace
{

std::vector<Platzierung> baueKompaktPlatzierungen()
{
    std::vector<Platzierung> p = {
        {"panelHintergrund", keep, keep, 700, 470, true},
        {"Panel15", keep, 400, 529, 70, true},
        {"Panel14", keep, keep, 688, keep},
        {"panelBG", 527, 115, 226, 409, true, true},
        {"Panel13", keep, 160, 274, 263, true},
        {"PaintBox5", keep, keep, 10, keep},
        {"PaintBox6", keep, keep, keep, 10},
        {"Anzeige", keep, 128, 522, 273},
        {"ComboBox2", 378, 8, 135, keep},
        {"ComboBox3", 51, keep, keep, keep},
        {"ComboPanel", 430, 68, keep, keep},
        {"Farbband", keep, 0, keep, 58},
        {"HellDunkelGrau", 29, 1, 143, 164},
        {"ImageWW", 39, 46, keep, keep},
        {"Image10", 38, 46, keep, keep},
        {"Image11", 38, 169, keep, keep},
        {"Image8", 38, 46, keep, keep},
        {"Image9", 162, 46, keep, keep},
        {"Panel1", 74, 160, keep, 90},
        {"TrackBar2", 0, 212, keep, keep},
        {"TrackBar3", 0, 181, keep, keep},
        {"WerteOben", keep, 59, keep, 66},
        {"WerteUnten", keep, 3, keep, 66},
        {"WinkelO", 201, 223, keep, keep},
        {"WinkelU", 201, 192, keep, keep},
        {"RadioButton2", keep, 16, keep, keep},
        {"RadioButton3", keep, 32, keep, keep},
        {"RadioButton4", keep, 48, keep, keep},
        {"Panel5", keep, 20, keep, keep},
        {"Panel6", keep, 36, keep, keep},
        {"Panel7", keep, 52, keep, keep},
        {"Panel9", keep, 20, keep, keep},
        {"Panel10", keep, 36, keep, keep},
        {"Panel11", keep, 52, keep, keep},
    };
    // The value texts of small left, centre and right, upper and lower row.
    const char* const zeilen[3][2] = {{"SKlObLi", "SKlUnLi"}, {"SKlObMi", "SKlUnMi"}, {"SKlOb", "SKlUn"}};
    for (int z = 0; z < 3; ++z)
        for (const char* stamm : zeilen[z])
            for (const char* kanal : {"R", "G", "B", "Hex"})
                p.push_back(
                    {QString::fromLatin1(stamm) + QLatin1String(kanal), keep, 16 * (z + 1), keep, keep});

    const std::vector<Platzierung> anzeige = {
        {"Anzeige_Normal", keep, keep, 520, 271},
        {"KleinRechts", 312, 158, 151, 73},
        {"KleinLinks", 48, 158, 151, 73},
        {"KleinMitte", 180, 38, 151, 73},
        {"FixedLinks", keep, keep, 259, 271},
        {"FixedRechts", 260, keep, 261, 271},
        {"FixedKleinRechts", 146, 170, 103, 60},
        {"FixedKleinMitte", 78, 80, 103, 60},
        {"FixedKleinLinks", 12, 170, 103, 60},
        {"FixedLinksKleinRechts", 144, 170, 103, 60},
        {"FixedLinksKleinMitte", 78, 80, 103, 60},
        {"FixedLinksKleinLinks", 12, 170, 103, 60},
        {"AnzeigeFixedReihen", keep, keep, 520, 271},
        {"AnzeigeReihen", keep, keep, 520, 271},
        {"FixedLinksReihen", keep, keep, 259, 271},
        {"FixedRechtsReihen", 260, keep, 261, 271},
    };
    p.insert(p.end(), anzeige.begin(), anzeige.end());
    for (int k = 1; k <= 15; ++k) {
        const QString n = QStringLiteral("R") + QString::number(k);
        p.push_back({n + QStringLiteral("Li"), 11 + 16 * (k - 1), 160, 14, 70});
        p.push_back({n + QStringLiteral("Re"), 11 + 16 * (k - 1), 160, 14, 70});
    }
    for (int k = 1; k <= 15; ++k)
        p.push_back({QStringLiteral("R") + QString::number(k), 6 + 34 * (k - 1), 150, 31, 90});

    const std::vector<Platzierung> rest = {
        {"PaintBox2", keep, 54, keep, keep},
        {"Panel2", keep, keep, keep, 50},
        {"Panel3", keep, keep, keep, 50},
        {"Image1", keep, keep, keep, 50},
        {"Image2", keep, keep, keep, 50},
        {"Label1", 3, 0, keep, keep},
        {"Label2", 107, 113, keep, keep},
        {"PaintBox3", keep, keep, 129, 128},
        {"Image3", keep, keep, 127, 126, false, false, true},
        {"Image4", keep, keep, keep, 128},
        {"Image5", keep, keep, 129, keep},
        {"Image6", 128, keep, keep, 128},
        {"Image7", keep, 127, 129, keep},
        {"KreuzH", keep, keep, 129, keep},
        {"KreuzV", keep, keep, keep, 128},
        {"flaechenanzeigeFarbe", keep, keep, 129, 128},
        {"Panel12", 0, 180, keep, keep},
    };
    p.insert(p.end(), rest.begin(), rest.end());
    return p;
}

} // namespace

const std::vector<Platzierung>& kompaktPlatzierungen()
{
    static const std::vector<Platzierung> tabelle = baueKompaktPlatzierungen();
    return tabelle;
}

namespace
{

// A placement is where the frame starts and how big the inside is (as a window's
// pos() and size()): the whole frame is made to fit into the area.
QRect eingepasst(const QRect& lage, const QRect& bereich, const QMargins& rahmen)
{
    const int rahmenBreite = rahmen.left() + rahmen.right();
    const int rahmenHoehe = rahmen.top() + rahmen.bottom();
    const int breite = std::max(1, std::min(lage.width(), bereich.width() - rahmenBreite));
    const int hoehe = std::max(1, std::min(lage.height(), bereich.height() - rahmenHoehe));
    const int links = std::clamp(lage.left(), bereich.left(),
                                 std::max(bereich.left(), bereich.right() + 1 - breite - rahmenBreite));
    const int oben = std::clamp(lage.top(), bereich.top(),
                                std::max(bereich.top(), bereich.bottom() + 1 - hoehe - rahmenHoehe));
    return QRect(links, oben, breite, hoehe);
}

} // namespace

QRect sichtbarePlatzierung(const QRect& gespeichert, const QList<QRect>& bildschirme, const QMargins& rahmen)
{
    // Enough of the window to grab its title bar and see that it is there.
    constexpr int mindestBreite = 200;
    constexpr int mindestHoehe = 150;
    constexpr int sichtbarerRand = 50;
    if (gespeichert.width() >= mindestBreite && gespeichert.height() >= mindestHoehe) {
        const QRect titel(gespeichert.topLeft(), QSize(gespeichert.width(), sichtbarerRand));
        const QRect* bester = nullptr;
        long long besteFlaeche = -1;
        for (const QRect& s : bildschirme) {
            const QRect sichtbar = s.intersected(titel);
            if (sichtbar.width() < sichtbarerRand || sichtbar.height() < sichtbarerRand / 2)
                continue;
            const QRect teil = s.intersected(gespeichert);
            const long long flaeche = static_cast<long long>(teil.width()) * teil.height();
            if (flaeche > besteFlaeche) {
                besteFlaeche = flaeche;
                bester = &s;
            }
        }
        if (bester)
            return eingepasst(gespeichert, *bester, rahmen);
    }
    if (bildschirme.isEmpty())
        return QRect(0, 0, fensterStandardBreite, fensterStandardHoehe);
    const QRect& erster = bildschirme.first();
    return eingepasst(QRect(erster.topLeft(), QSize(fensterStandardBreite, fensterStandardHoehe)), erster,
                      rahmen);
}

Hintergrund hintergrundFuer(int index)
{
    switch (index) {
    case 1:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), true, false};
    case 2:
        return {QColor(0xB0, 0xB0, 0xB0), QColor(0, 0, 0), true, false};
    case 3:
        return {QColor(0, 0, 0), QColor::fromRgb(grauAufSchwarz), false, true};
    default:
        return {std::nullopt, std::nullopt, true, false};
    }
}

std::optional<WerteTextFarben> werteTextFarben(int hintergrundIndex)
{
    switch (hintergrundIndex) {
    case 1:
    case 2:
        return WerteTextFarben{QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0)};
    case 3:
        return WerteTextFarben{QColor(0x99, 0x99, 0x99), QColor(0, 0, 0)};
    default:
        return std::nullopt;
    }
}
