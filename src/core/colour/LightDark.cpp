#include "core/colour/LightDark.h"

#include "core/colour/Rounding.h"
#include "core/state/MainState.h"

#include <algorithm>

int rechneHellDunkel(int base, int dunkel, int hell)
{
    if (dunkel == 0 && hell == 0)
        return base;
    if (base == 0)
        return hell;
    if (base == 255 && dunkel == 0)
        return 255;
    const double b = base;
    const double d = b - dunkel / (255.0 / b);
    return roundHalfEven(d + hell / (255.0 / (255.0 - d)));
}

LightDarkPoint pointToAmounts(int x, int y, bool compact)
{
    const int xMax = compact ? 128 : 256;
    const int yMax = compact ? 127 : 255;
    const int faktor = compact ? 2 : 1;
    LightDarkPoint p;
    if (x <= 0) {
        p.dunkel = 0;
        p.column = 0;
    } else if (x >= xMax) {
        p.dunkel = 255;
        p.column = xMax;
    } else {
        p.dunkel = x * faktor;
        p.column = x;
    }
    if (y <= 0) {
        p.hell = 255;
        p.rowLine = 0;
    } else if (y > yMax) {
        p.hell = 0;
        p.rowLine = yMax;
    } else {
        p.hell = (yMax - y) * faktor;
        p.rowLine = y;
    }
    return p;
}

LightDarkPoint computeLightDarkMove(MainState& s, int x, int y, bool compact)
{
    const LightDarkPoint p = pointToAmounts(x, y, compact);
    const Field field = s.lightDarkTarget;
    s.dunkel[field] = p.dunkel;
    s.hell[field] = p.hell;
    s.lightDarkPointX[field] = x;
    s.lightDarkPointY[field] = y;
    if (isRowMode(s.harmonyMode()) && (field == Field::right || field == Field::left))
        interpolateRow(s, field == Field::right);
    return p;
}

std::vector<int> rowAmounts(int isSet, int other, int right, int left, int stufenAnzahl)
{
    // More than seven steps would run past the 15 row fields.
    const int n = std::clamp(stufenAnzahl, 1, 7);
    const int m = 2 * n;
    std::vector<int> valueSet(static_cast<std::size_t>(m - 1));

    const auto a = static_cast<float>(isSet);
    const auto b = static_cast<float>(other);
    const float centre = b - (b - a) / 2.0f;
    valueSet[0] = roundHalfEven(centre);

    const float step = static_cast<float>(right - left) / static_cast<float>(m);
    float runningTotal = centre;
    for (int i = 2; i < m; i += 2) {
        runningTotal += step;
        valueSet[static_cast<std::size_t>(i - 1)] = roundHalfEven(runningTotal);
    }
    runningTotal = centre;
    for (int i = 3; i < m; i += 2) {
        runningTotal -= step;
        valueSet[static_cast<std::size_t>(i - 1)] = roundHalfEven(runningTotal);
    }
    return valueSet;
}

void interpolateRow(MainState& s, bool rightSet)
{
    const auto verteile = [&](int right, int left, auto&& target) {
        const int isSet = rightSet ? right : left;
        const int other = rightSet ? left : right;
        const std::vector<int> valueSet = rowAmounts(isSet, other, right, left, s.stufenAnzahl);
        for (std::size_t i = 0; i < valueSet.size(); ++i)
            target(static_cast<int>(i) + 1) = valueSet[i];
    };
    verteile(s.dunkelRechts(), s.dunkelLinks(), [&](int i) -> int& { return s.dunkelReihe(i); });
    verteile(s.hellRechts(), s.hellLinks(), [&](int i) -> int& { return s.hellReihe(i); });
}

QString berechneProzente(const MainState& s, int which)
{
    const int menge = which == 0 ? s.hell[s.lightDarkTarget] : s.dunkel[s.lightDarkTarget];
    return QString::number(roundHalfEven(menge * 100.0 / 255.0)) + QStringLiteral(" %");
}
