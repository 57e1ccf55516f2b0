#include "core/documents/IntermediateRows.h"

#include "core/colour/Conversions.h"
#include "core/language/LanguageTable.h"

#include <algorithm>

namespace
{

constexpr int rowSpacing = 24;
constexpr int bigRowY = 22;
constexpr int firstFieldRowY = 46;

// endFarben triples of the outer, centre and big fields.
constexpr int endBig = 37;
constexpr int endRight = 40;
constexpr int endLeft = 43;
constexpr int endCentre = 46;

int ringRight(int k)
{
    return 6 * k - 5;
}

int ringLeft(int k)
{
    return 6 * k - 2;
}

} // namespace

int stepCountFrom(const std::array<bool, 8>& stufeAktiv)
{
    int n = 1;
    while (n + 1 <= 7 && stufeAktiv[static_cast<std::size_t>(n + 1)])
        ++n;
    return n;
}

IntermediateMetrics intermediateMetrics(int n)
{
    n = std::clamp(n, 1, 7);
    // The largest size keeps the design measures, a little more than the step rule.
    if (n == 7)
        return {.fullHeight = 495, .buttonTop = 420, .frameHeight = 391};
    const int more = 48 * (n - 1);
    return {.fullHeight = 204 + more, .buttonTop = 130 + more, .frameHeight = 103 + more};
}

std::vector<IntermediateRow> intermediateRows(int n, bool withBigRow, const LanguageTable& t)
{
    n = std::clamp(n, 1, 7);
    const int fields = 2 * n + 1;
    std::vector<IntermediateRow> rowList;
    if (withBigRow) {
        const QString& name = t.text(Txt::bigField);
        rowList.push_back({RowRole::big, 0, endBig, bigRowY, name, name});
    }
    int j = 0;
    // Intermediate rows print and copy their label; the others their field name.
    const auto field = [&](RowRole role, int ring, int endIndex, const QString* fieldName) {
        ++j;
        QString label = t.rowFieldName(j, fields);
        QString name = fieldName ? *fieldName : label;
        rowList.push_back(
            {role, ring, endIndex, firstFieldRowY + (j - 1) * rowSpacing, std::move(label), std::move(name)});
    };
    field(RowRole::left, 0, endLeft, &t.text(Txt::smallLeftField));
    for (int k = n - 1; k >= 1; --k)
        field(RowRole::intermediateLeft, k, ringLeft(k), nullptr);
    field(RowRole::centre, 0, endCentre, &t.text(Txt::smallCentreField));
    for (int k = 1; k <= n - 1; ++k)
        field(RowRole::intermediateRight, k, ringRight(k), nullptr);
    field(RowRole::right, 0, endRight, &t.text(Txt::smallRightField));
    return rowList;
}

FieldTexts rowValues(const IntermediateRow& rowLine, const OneBased<48>& endFarben)
{
    const int r = endFarben[rowLine.endIndex];
    const int g = endFarben[rowLine.endIndex + 1];
    const int b = endFarben[rowLine.endIndex + 2];
    return {rowLine.name, QString::number(r), QString::number(g), QString::number(b), hexText(r, g, b)};
}

std::vector<FieldTexts> rowValues(const std::vector<IntermediateRow>& rowList, const OneBased<48>& endFarben)
{
    std::vector<FieldTexts> valueSet;
    valueSet.reserve(rowList.size());
    for (const IntermediateRow& z : rowList)
        valueSet.push_back(rowValues(z, endFarben));
    return valueSet;
}
