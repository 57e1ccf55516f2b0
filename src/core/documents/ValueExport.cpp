#include "core/documents/ValueExport.h"

#include "core/colour/Conversions.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"

#include <QStringList>

namespace
{

const QString lineEnd = QStringLiteral("\r\n");
constexpr int nameColumn = 300;
constexpr int redColumn = 1600;
constexpr int columnG = 2000;
constexpr int columnB = 2400;
constexpr int hexColumn = 2800;
constexpr int listLineHeight = 100;
constexpr int blockSpacing = 150;

QString r(const FieldTexts& f)
{
    return QStringLiteral("R: ") + f.r;
}

QString g(const FieldTexts& f)
{
    return QStringLiteral("G: ") + f.g;
}

QString b(const FieldTexts& f)
{
    return QStringLiteral("B: ") + f.b;
}

QString hex(const FieldTexts& f)
{
    return QStringLiteral("HEX: ") + f.hex;
}

} // namespace

QString fieldListText(const std::array<FieldTexts, 4>& fields)
{
    QStringList blocks;
    for (const FieldTexts& f : fields)
        blocks << QStringList{f.name, r(f), g(f), b(f), hex(f)}.join(lineEnd);
    return blocks.join(lineEnd + lineEnd);
}

QString rowTableText(const std::vector<FieldTexts>& rowList, bool english)
{
    const QString einzug(english ? 8 : 5, QLatin1Char('\t'));
    const QString gap = QStringLiteral("\t\t");
    QStringList blocks;
    for (const FieldTexts& f : rowList)
        blocks << f.name + lineEnd + einzug + r(f) + gap + g(f) + gap + b(f) + gap + hex(f);
    return blocks.join(lineEnd + lineEnd);
}

QString fixedText(const QString& active, const QString& separator, const QString& fix)
{
    return active + lineEnd + lineEnd + lineEnd + separator + lineEnd + lineEnd + fix;
}

void printFieldList(PrintPage& page, const std::array<FieldTexts, 4>& fields)
{
    int& y = page.druckZeile;
    for (const FieldTexts& f : fields) {
        for (const QString& text : {f.name, r(f), g(f), b(f)}) {
            page.textSet.push_back({nameColumn, y, text});
            y += listLineHeight;
        }
        page.textSet.push_back({nameColumn, y, hex(f)});
        y += blockSpacing;
    }
}

void printRowTable(PrintPage& page, const std::vector<FieldTexts>& rowList)
{
    int& y = page.druckZeile;
    for (const FieldTexts& f : rowList) {
        page.textSet.push_back({nameColumn, y, f.name});
        page.textSet.push_back({redColumn, y, r(f)});
        page.textSet.push_back({columnG, y, g(f)});
        page.textSet.push_back({columnB, y, b(f)});
        page.textSet.push_back({hexColumn, y, hex(f)});
        y += blockSpacing;
    }
}

void printSeparator(PrintPage& page, const QString& separator)
{
    page.textSet.push_back({nameColumn, page.druckZeile, separator});
    page.druckZeile += blockSpacing;
}

namespace
{

FieldTexts fieldValueTexts(const PaletteEntry& e)
{
    const int r = qRed(e.rgb), g = qGreen(e.rgb), b = qBlue(e.rgb);
    return {e.name, QString::number(r), QString::number(g), QString::number(b), hexText(r, g, b)};
}

FieldTexts dashedFieldTexts(const QString& name)
{
    const QString s = QStringLiteral("-");
    return {name, s, s, s, s};
}

} // namespace

std::array<FieldTexts, 4> fieldListValues(const MainState& s, const LanguageTable& t)
{
    const QVector<PaletteEntry> fields = combinationColours(s, t);
    const HarmonyMode m = s.harmonyMode();
    return {fieldValueTexts(fields.front()),
            m == HarmonyMode::twoColour ? dashedFieldTexts(t.text(Txt::smallLeftField))
                                        : fieldValueTexts(fields[1]),
            m == HarmonyMode::fourColour ? fieldValueTexts(fields[2])
                                         : dashedFieldTexts(t.text(Txt::smallCentreField)),
            fieldValueTexts(fields.back())};
}

std::vector<FieldTexts> rowListValues(const MainState& s, const LanguageTable& t)
{
    return rowValues(
        intermediateRows(stepCountFrom(s.stufeAktiv), s.harmonyMode() != HarmonyMode::colourRows, t),
        shownEndColours(s));
}

std::vector<MainState> outputHalves(const MainState& s)
{
    if (!s.fixiert)
        return {s};
    MainState fix = snapshotState(s.fixStand, s.nurWebsicher);
    if (s.fixLinksAktiv)
        return {std::move(fix), s};
    return {s, std::move(fix)};
}

QString stateValuesText(const MainState& s, const LanguageTable& t)
{
    QStringList textSet;
    for (const MainState& h : outputHalves(s))
        textSet << (isRowMode(h.harmonyMode()) ? rowTableText(rowListValues(h, t), t.english())
                                               : fieldListText(fieldListValues(h, t)));
    return textSet.size() == 1 ? textSet.front()
                               : fixedText(textSet.front(), t.text(Txt::fixedMarker), textSet.back());
}

PrintPage stateValuesPage(const MainState& s, const LanguageTable& t, int y)
{
    PrintPage page{.textSet = {}, .druckZeile = y};
    bool erste = true;
    for (const MainState& h : outputHalves(s)) {
        if (!erste)
            printSeparator(page, t.text(Txt::fixedMarker));
        erste = false;
        if (isRowMode(h.harmonyMode()))
            printRowTable(page, rowListValues(h, t));
        else
            printFieldList(page, fieldListValues(h, t));
    }
    return page;
}
