#include "core/layout/WindowLayout.h"

#include "core/colour/Rounding.h"

#include <algorithm>

namespace
{

// round(v × a / b), ties to even; the quotient of two integers is exact
// enough in double for the .5 cases to stay .5.
int scaledValue(int v, int a, int b)
{
    return roundHalfEven(static_cast<double>(v) * a / b);
}

int sx(int w, int a)
{
    return scaledValue(w, a, referenceWidth);
}
int sy(int h, int b)
{
    return scaledValue(h, b, referenceHeight);
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
    r.width = w * 40 / referenceWidth;
    r.height = sy(h, 116);
    r.top = sy(h, 190);
    const int d = w - 2 - 15 * r.width;
    r.gap = (d - 20) / 14;
    fillTags(r, (d - 14 * r.gap) / 2 - 1);
    return r;
}

RowGeometry fixedRow(int w, int h, int fixedRightWidth)
{
    RowGeometry r;
    r.width = sx(w, 20);
    r.height = sy(h, 100);
    r.top = sy(h, 210);
    const int d = fixedRightWidth - 15 * r.width;
    r.gap = (d - 12) / 14;
    fillTags(r, (d - 14 * r.gap) / 2 - 1);
    return r;
}

} // namespace

std::pair<int, int> outerFixedPanels(const RowGeometry& row, int s)
{
    s = std::clamp(s, 1, 7);
    if (s == 7)
        return {row.tag[1], row.tag[15]};
    return {row.tag[static_cast<std::size_t>(8 - s)], row.tag[static_cast<std::size_t>(8 + s)]};
}

DisplayGeometry displayGeometry(int w, int h, int stufenFixRechts, int stufenFixLinks)
{
    DisplayGeometry g;
    const QSize small(sx(w, 186), sy(h, 91));
    g.smallRight = QRect(QPoint(sx(w, 414), sy(h, 210)), small);
    g.smallLeft = QRect(QPoint(sx(w, 72), sy(h, 210)), small);
    g.smallCentre = QRect(QPoint(sx(w, 243), sy(h, 66)), small);

    g.row = singleRow(w, h);
    g.r1Hint = QString::number(g.row.tag[1]);
    g.r15Hint = QString::number(g.row.tag[15]);

    g.fixedLeftWidth = scaledValue(w, 338, 678);
    g.fixedHeight = h - 2;
    g.fixedRightWidth = scaledValue(w, 340, 678);
    g.fixedRightX = g.fixedLeftWidth;

    const QSize fixKlein(sx(w, 130), sy(h, 73));
    g.fixedSmallRight = QRect(QPoint(sx(w, 185), sy(h, 234)), fixKlein);
    g.fixedSmallLeft = QRect(QPoint(sx(w, 22), sy(h, 234)), fixKlein);
    g.fixedSmallCentre = QRect(QPoint(sx(w, 103), sy(h, 126)), fixKlein);

    g.fixedRowsLeftWidth = g.fixedLeftWidth;
    g.fixedRowsHeight = g.fixedHeight;
    g.fixedRowsRightWidth = g.fixedRightWidth;
    g.fixedRowsRightX = g.fixedRowsLeftWidth;

    g.fixedRowGeometry = fixedRow(w, h, g.fixedRightWidth);
    std::tie(g.r1ReLeft, g.r15ReLeft) = outerFixedPanels(g.fixedRowGeometry, stufenFixRechts);
    std::tie(g.r1LiLeft, g.r15LiLeft) = outerFixedPanels(g.fixedRowGeometry, stufenFixLinks);
    return g;
}

bool compactLayoutNeeded(QSize screen)
{
    return screen.width() < 1020 || screen.height() < 764;
}

namespace
{

std::vector<Placement> buildCompactPlacements()
{
    std::vector<Placement> p = {
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
    const char* const rowList[3][2] = {{"SKlObLi", "SKlUnLi"}, {"SKlObMi", "SKlUnMi"}, {"SKlOb", "SKlUn"}};
    for (int z = 0; z < 3; ++z)
        for (const char* stamm : rowList[z])
            for (const char* colourChannel : {"R", "G", "B", "Hex"})
                p.push_back({QString::fromLatin1(stamm) + QLatin1String(colourChannel), keep, 16 * (z + 1),
                             keep, keep});

    const std::vector<Placement> anzeige = {
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

    const std::vector<Placement> rest = {
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

const std::vector<Placement>& compactPlacements()
{
    static const std::vector<Placement> tableWidget = buildCompactPlacements();
    return tableWidget;
}

namespace
{

// A placement is where the frame starts and how big the inside is (as a window's
// pos() and size()): the whole frame is made to fit into the area.
QRect fittedInto(const QRect& lage, const QRect& range, const QMargins& frame)
{
    const int rahmenBreite = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int breite = std::max(1, std::min(lage.width(), range.width() - rahmenBreite));
    const int fullHeight = std::max(1, std::min(lage.height(), range.height() - frameHeight));
    const int left = std::clamp(lage.left(), range.left(),
                                std::max(range.left(), range.right() + 1 - breite - rahmenBreite));
    const int upper = std::clamp(lage.top(), range.top(),
                                 std::max(range.top(), range.bottom() + 1 - fullHeight - frameHeight));
    return QRect(left, upper, breite, fullHeight);
}

} // namespace

QRect visiblePlacement(const QRect& persisted, const QList<QRect>& screens, const QMargins& frame)
{
    // Enough of the window to grab its title bar and see that it is there.
    constexpr int mindestBreite = 200;
    constexpr int mindestHoehe = 150;
    constexpr int sichtbarerRand = 50;
    if (persisted.width() >= mindestBreite && persisted.height() >= mindestHoehe) {
        const QRect titleText(persisted.topLeft(), QSize(persisted.width(), sichtbarerRand));
        const QRect* bester = nullptr;
        long long besteFlaeche = -1;
        for (const QRect& s : screens) {
            const QRect visible = s.intersected(titleText);
            if (visible.width() < sichtbarerRand || visible.height() < sichtbarerRand / 2)
                continue;
            const QRect teil = s.intersected(persisted);
            const long long flaeche = static_cast<long long>(teil.width()) * teil.height();
            if (flaeche > besteFlaeche) {
                besteFlaeche = flaeche;
                bester = &s;
            }
        }
        if (bester)
            return fittedInto(persisted, *bester, frame);
    }
    if (screens.isEmpty())
        return QRect(0, 0, defaultWindowWidth, defaultWindowHeight);
    const QRect& first = screens.first();
    return fittedInto(QRect(first.topLeft(), QSize(defaultWindowWidth, defaultWindowHeight)), first, frame);
}

BackgroundStyle backgroundStyleFor(int index)
{
    switch (index) {
    case 1:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), true, false};
    case 2:
        return {QColor(0xB0, 0xB0, 0xB0), QColor(0, 0, 0), true, false};
    case 3:
        return {QColor(0, 0, 0), QColor::fromRgb(greyOnBlack), false, true};
    default:
        return {std::nullopt, std::nullopt, true, false};
    }
}

std::optional<ValueTextColours> valueTextColours(int hintergrundIndex)
{
    switch (hintergrundIndex) {
    case 1:
    case 2:
        return ValueTextColours{QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0)};
    case 3:
        return ValueTextColours{QColor(0x99, 0x99, 0x99), QColor(0, 0, 0)};
    default:
        return std::nullopt;
    }
}
