#include "core/import/CssColour.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <numbers>

namespace
{

struct NamedColour {
    const char* name;
    unsigned rgb;
};

// CSS Color 4's named colours.
constexpr std::array<NamedColour, 148> namedColours{{
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
}};

// One component: a number, a percentage, an angle or "none".
struct Component {
    double value = 0;
    bool percent = false;
    bool none = false;
};

std::optional<double> angleDegrees(QStringView t)
{
    static constexpr std::array<std::pair<const char*, double>, 4> units{
        {{"deg", 1.0}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360.0}}};
    for (const auto& [unit, factor] : units)
        if (t.endsWith(QLatin1String(unit), Qt::CaseInsensitive)) {
            bool ok = false;
            const double v = t.chopped(static_cast<qsizetype>(std::strlen(unit))).toDouble(&ok);
            return ok ? std::optional<double>(v * factor) : std::nullopt;
        }
    return std::nullopt;
}

std::optional<Component> component(QStringView t, bool hue)
{
    if (t.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return Component{0, false, true};
    bool ok = false;
    if (t.endsWith(QLatin1Char('%'))) {
        const double v = t.chopped(1).toDouble(&ok);
        return ok && std::isfinite(v) ? std::optional<Component>({v / 100, true, false}) : std::nullopt;
    }
    if (hue)
        if (const std::optional<double> degrees = angleDegrees(t))
            return std::isfinite(*degrees) ? std::optional<Component>({*degrees, false, false})
                                           : std::nullopt;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<Component>({v, false, false}) : std::nullopt;
}

// The three colour components of "a b c", "a b c / alpha" or, for the legacy
// functions, "a, b, c" and "a, b, c, alpha".
std::optional<QList<QStringView>> threeComponents(QStringView inner, bool legacyAllowed)
{
    QList<QStringView> parts;
    if (legacyAllowed && inner.contains(QLatin1Char(','))) {
        for (QStringView p : inner.split(QLatin1Char(',')))
            parts << p.trimmed();
        if (parts.size() == 4)
            parts.removeLast();
    } else {
        const qsizetype slash = inner.indexOf(QLatin1Char('/'));
        const QStringView colour = slash < 0 ? inner : inner.first(slash);
        if (slash >= 0 && inner.sliced(slash + 1).trimmed().isEmpty())
            return std::nullopt;
        for (QStringView p : colour.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            parts << p;
    }
    if (parts.size() != 3 ||
        std::any_of(parts.begin(), parts.end(), [](QStringView p) { return p.isEmpty(); }))
        return std::nullopt;
    return parts;
}

// How much 100% is in each channel of a function.
struct Scale {
    double first, second, third;
};

std::optional<ImportedColour> functionColour(const QString& name, QStringView inner)
{
    struct Function {
        const char* name;
        SourceSpace space;
        bool legacy;
        bool hueFirst, hueLast;
        Scale percent; // what 100% means
        Scale number;  // what a plain number is divided by
    };
    static constexpr std::array<Function, 10> functions{{
        {"rgb", SourceSpace::srgb, true, false, false, {1, 1, 1}, {255, 255, 255}},
        {"rgba", SourceSpace::srgb, true, false, false, {1, 1, 1}, {255, 255, 255}},
        {"hsl", SourceSpace::hsl, true, true, false, {1, 1, 1}, {1, 100, 100}},
        {"hsla", SourceSpace::hsl, true, true, false, {1, 1, 1}, {1, 100, 100}},
        {"hwb", SourceSpace::hwb, false, true, false, {1, 1, 1}, {1, 100, 100}},
        {"lab", SourceSpace::lab, false, false, false, {100, 125, 125}, {1, 1, 1}},
        {"lch", SourceSpace::lch, false, false, true, {100, 150, 1}, {1, 1, 1}},
        {"oklab", SourceSpace::oklab, false, false, false, {1, 0.4, 0.4}, {1, 1, 1}},
        {"oklch", SourceSpace::oklch, false, false, true, {1, 0.4, 1}, {1, 1, 1}},
        {"color", SourceSpace::srgb, false, false, false, {1, 1, 1}, {1, 1, 1}},
    }};
    const auto f = std::find_if(functions.begin(), functions.end(),
                                [&](const Function& x) { return name == QLatin1String(x.name); });
    if (f == functions.end())
        return std::nullopt;
    SourceSpace space = f->space;
    if (name == QLatin1String("color")) {
        inner = inner.trimmed();
        const qsizetype blank = inner.indexOf(QLatin1Char(' '));
        if (blank < 0)
            return std::nullopt;
        const std::optional<SourceSpace> s = sourceSpaceFromName(inner.first(blank));
        if (!s || *s == SourceSpace::lab || *s == SourceSpace::lch || *s == SourceSpace::oklab ||
            *s == SourceSpace::oklch || *s == SourceSpace::hsl || *s == SourceSpace::hwb)
            return std::nullopt;
        space = *s;
        inner = inner.sliced(blank + 1);
    }
    const std::optional<QList<QStringView>> parts = threeComponents(inner, f->legacy);
    if (!parts)
        return std::nullopt;
    std::array<double, 3> v{};
    const std::array<double, 3> percent{f->percent.first, f->percent.second, f->percent.third};
    const std::array<double, 3> number{f->number.first, f->number.second, f->number.third};
    for (std::size_t i = 0; i < 3; ++i) {
        const bool hue = (i == 0 && f->hueFirst) || (i == 2 && f->hueLast);
        const std::optional<Component> c = component((*parts)[static_cast<qsizetype>(i)], hue);
        if (!c || (hue && c->percent))
            return std::nullopt;
        v[i] = c->percent ? c->value * percent[i] : c->value / number[i];
    }
    // What CSS clamps when it parses: rgb() channels, saturations and whiteness,
    // lightness of the Lab-like spaces, chroma.
    switch (space) {
    case SourceSpace::srgb:
        if (name != QLatin1String("color"))
            for (double& x : v)
                x = std::clamp(x, 0.0, 1.0);
        break;
    case SourceSpace::hsl:
    case SourceSpace::hwb:
        v[1] = std::clamp(v[1], 0.0, 1.0);
        v[2] = std::clamp(v[2], 0.0, 1.0);
        break;
    case SourceSpace::lab:
        v[0] = std::clamp(v[0], 0.0, 100.0);
        break;
    case SourceSpace::lch:
        v[0] = std::clamp(v[0], 0.0, 100.0);
        v[1] = std::max(v[1], 0.0);
        break;
    case SourceSpace::oklab:
        v[0] = std::clamp(v[0], 0.0, 1.0);
        break;
    case SourceSpace::oklch:
        v[0] = std::clamp(v[0], 0.0, 1.0);
        v[1] = std::max(v[1], 0.0);
        break;
    default:
        break;
    }
    return importedColour(space, {v[0], v[1], v[2]});
}

std::optional<ImportedColour> hexColour(QStringView digits)
{
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    bool ok = false;
    const unsigned v = digits.toUInt(&ok, 16);
    if (!ok ||
        std::any_of(digits.begin(), digits.end(), [](QChar c) { return !std::isxdigit(c.toLatin1()); }))
        return std::nullopt;
    if (digits.size() <= 4) {
        const int shift = digits.size() == 4 ? 4 : 0;
        const auto nibble = [&](int i) { return static_cast<int>((v >> (shift + 4 * (2 - i))) & 0xF) * 17; };
        return ImportedColour{qRgb(nibble(0), nibble(1), nibble(2)), false};
    }
    return ImportedColour{(digits.size() == 8 ? v >> 8 : v) | 0xFF000000u, false};
}

} // namespace

std::optional<ImportedColour> cssColour(QStringView value)
{
    const QString t = value.trimmed().toString().toLower().simplified();
    if (t.startsWith(QLatin1Char('#')))
        return hexColour(QStringView(t).sliced(1));
    const qsizetype open = t.indexOf(QLatin1Char('('));
    if (open > 0) {
        if (!t.endsWith(QLatin1Char(')')))
            return std::nullopt;
        // Blanks around commas and slashes do not matter; inside a number they would.
        QString inner = t.mid(open + 1, t.size() - open - 2);
        inner.replace(QLatin1Char('/'), QStringLiteral(" / "))
            .replace(QStringLiteral(" ,"), QStringLiteral(","));
        return functionColour(t.left(open).trimmed(), QStringView(inner).trimmed());
    }
    for (const NamedColour& n : namedColours)
        if (t == QLatin1String(n.name))
            return ImportedColour{n.rgb | 0xFF000000u, false};
    return std::nullopt;
}

bool looksLikeCssColour(QStringView value)
{
    const QString t = value.trimmed().toString().toLower();
    if (t.startsWith(QLatin1Char('#')))
        return true;
    // Values built from variables, calc() or another colour are not ours to compute.
    if (t.contains(QLatin1String("var(")) || t.contains(QLatin1String("calc(")) ||
        t.contains(QLatin1String("env(")) || t.contains(QLatin1String("from ")))
        return false;
    for (const char* f :
         {"rgb(", "rgba(", "hsl(", "hsla(", "hwb(", "lab(", "lch(", "oklab(", "oklch(", "color("})
        if (t.startsWith(QLatin1String(f)))
            return true;
    return false;
}
