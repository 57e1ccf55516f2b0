// Palette files read back: hand-written files from each format's published
// description, what the exporters write, and damaged files with their messages.
#include "core/colour/ColourFormats.h"
#include "core/colour/OkLab.h"
#include "core/export/PaletteWriters.h"
#include "core/import/ImportedPalette.h"
#include "core/language/LanguageTable.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>

namespace
{

using Entries = QVector<ImportedEntry>;

ImportedEntry entry(const char* name, QRgb rgb, bool mapped = false)
{
    return {QString::fromUtf8(name), rgb, mapped};
}

// The message as the English interface shows it, or the palette's absence.
QString message(const ImportResult& r, const char* file)
{
    EXPECT_FALSE(r.palette.has_value());
    return importErrorText(r.error, QString::fromLatin1(file), LanguageTable::forLanguage(Language::english));
}

QVector<QRgb> colours(const ImportedPalette& p)
{
    QVector<QRgb> c;
    for (const ImportedGroup& g : p.groups)
        for (const ImportedEntry& e : g.entries)
            c << e.rgb;
    return c;
}

// An exported palette with two groups, non-ASCII names and the channels' ends.
Palette exported()
{
    return {{{QStringLiteral("Rechte Hälfte"),
              {{QStringLiteral("Große Fläche"), qRgb(218, 37, 29)},
               {QStringLiteral("Weiß"), qRgb(255, 255, 255)}}},
             {QStringLiteral("Linke Hälfte"),
              {{QStringLiteral("Schwarz"), qRgb(0, 0, 0)},
               {QStringLiteral("Fast"), qRgb(1, 254, 128)},
               {QStringLiteral("Ünten"), qRgb(127, 128, 129)}}}}};
}

TEST(PaletteReaders, gplFromItsDescription)
{
    const QByteArray file = "\xEF\xBB\xBFGIMP Palette\r\nName: Marken\xC3\xBC\r\nColumns: 4\r\n# comment\r\n"
                            "255   0   0\tRot\r\n  0 128 255 K\xC3\xBChl blau\r\n\r\n  7   8   9\r\n";
    const ImportResult r = readGpl(file, QStringLiteral("fallback"));
    ASSERT_TRUE(r.palette);
    EXPECT_EQ(r.palette->name, QString::fromUtf8("Markenü"));
    ASSERT_EQ(r.palette->groups.size(), 1);
    EXPECT_EQ(r.palette->groups[0].entries,
              (Entries{entry("Rot", qRgb(255, 0, 0)), entry("Kühl blau", qRgb(0, 128, 255)),
                       entry("", qRgb(7, 8, 9))}));

    EXPECT_EQ(message(readGpl("JASC-PAL\n", {}), "a.gpl"),
              QStringLiteral("a.gpl, line 1: \"GIMP Palette\" missing at the start"));
    EXPECT_EQ(message(readGpl("GIMP Palette\n1 2 3 a\n256 0 0 b\n", {}), "a.gpl"),
              QStringLiteral("a.gpl, line 3: not a color line: \"256 0 0 b\""));
    EXPECT_EQ(message(readGpl("GIMP Palette\nName: x\n# only comments\n", {}), "a.gpl"),
              QStringLiteral("a.gpl: contains no colors"));
    EXPECT_EQ(message(readGpl("GIMP Palette\n1 2 3 \xFF\n", {}), "a.gpl"),
              QStringLiteral("a.gpl, byte 19: not valid UTF-8"));
}

TEST(PaletteReaders, hexLinesWithNamesAndComments)
{
    const ImportResult r =
        readHexLines("// brand\r\n#FF8000 Orange\r\n0a0B0c\r\n\r\n# a comment\r\n#abc Kurz\r\n", {});
    ASSERT_TRUE(r.palette);
    EXPECT_EQ(r.palette->groups[0].entries,
              (Entries{entry("Orange", qRgb(255, 128, 0)), entry("", qRgb(10, 11, 12)),
                       entry("Kurz", qRgb(0xAA, 0xBB, 0xCC))}));
    EXPECT_EQ(message(readHexLines("#FFFFFF\n\n#12345 x\n", {}), "p.txt"),
              QStringLiteral("p.txt, line 3: not a color: \"#12345\""));
}

TEST(PaletteReaders, socMatchedByNamespaceNotPrefix)
{
    const QByteArray file = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                            "<t:color-table xmlns:t=\"http://openoffice.org/2004/office\" "
                            "xmlns:d=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">\r\n"
                            "<!-- a comment -->\r\n"
                            "<d:color d:name=\"Gr\xC3\xBCn &amp; Blau\" d:color=\"#00ff80\"/>\r\n"
                            "<d:color d:name=\"Schwarz\" d:color=\"#000000\"/>\r\n</t:color-table>\r\n";
    const ImportResult r = readSoc(file, {});
    ASSERT_TRUE(r.palette);
    EXPECT_EQ(r.palette->groups[0].entries,
              (Entries{entry("Grün & Blau", qRgb(0, 255, 128)), entry("Schwarz", qRgb(0, 0, 0))}));
    EXPECT_EQ(
        message(
            readSoc(
                "<?xml version=\"1.0\"?>\n<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\" "
                "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">\n"
                "<draw:color draw:name=\"a\" draw:color=\"red\"/>\n</ooo:color-table>\n",
                {}),
            "s.soc"),
        QStringLiteral("s.soc, line 3: not a color: \"red\""));
    EXPECT_TRUE(message(readSoc("<ooo:color-table xmlns:ooo=\"x\">\n<a>\n</ooo:color-table>", {}), "s.soc")
                    .startsWith(QStringLiteral("s.soc, line 3: XML error: ")));
}

// Blocks as the published layout has them, built here independently of the exporter.
struct AseBuilder {
    QByteArray blocks;
    quint32 count = 0;
    static void u16(QByteArray& d, quint16 v) { d.append(char(v >> 8)).append(char(v & 0xFF)); }
    static void u32(QByteArray& d, quint32 v)
    {
        u16(d, quint16(v >> 16));
        u16(d, quint16(v & 0xFFFF));
    }
    static QByteArray name(const QString& n)
    {
        QByteArray d;
        u16(d, quint16(n.size() + 1));
        for (QChar c : n)
            u16(d, c.unicode());
        u16(d, 0);
        return d;
    }
    void block(quint16 type, const QByteArray& content)
    {
        u16(blocks, type);
        u32(blocks, quint32(content.size()));
        blocks += content;
        ++count;
    }
    void colour(const QString& n, const char* model, std::initializer_list<float> values)
    {
        QByteArray d = name(n) + QByteArray(model, 4);
        for (float v : values) {
            quint32 bits = 0;
            std::memcpy(&bits, &v, 4);
            u32(d, bits);
        }
        u16(d, 2);
        block(0x0001, d);
    }
    QByteArray file() const
    {
        QByteArray d("ASEF\0\1\0\0", 8);
        u32(d, count);
        return d + blocks;
    }
};

TEST(PaletteReaders, aseModelsGroupsAndEmptyGroups)
{
    AseBuilder b;
    b.colour(QStringLiteral("Lose"), "RGB ", {1.0f, 0.5f, 0.0f});
    b.block(0xC001, AseBuilder::name(QStringLiteral("Leer")));
    b.block(0xC002, {});
    b.block(0xC001, AseBuilder::name(QStringLiteral("Grün")));
    b.colour(QStringLiteral("Grau"), "Gray", {0.2f});
    b.colour(QStringLiteral("Lab"), "LAB ", {0.5f, 0.0f, 0.0f}); // lightness 50: #777777
    b.colour(QStringLiteral("Druck"), "CMYK", {0.0f, 1.0f, 1.0f, 0.2f});
    b.block(0xC002, {});
    const ImportResult r = readAse(b.file(), QStringLiteral("Swatches"));
    ASSERT_TRUE(r.palette);
    EXPECT_TRUE(r.palette->naiveCmyk);
    EXPECT_EQ(r.palette->groups,
              (QVector<ImportedGroup>{{QString(), {entry("Lose", qRgb(255, 128, 0))}},
                                      {QStringLiteral("Leer"), {}},
                                      {QString::fromUtf8("Grün"),
                                       {entry("Grau", qRgb(51, 51, 51)), entry("Lab", qRgb(0x77, 0x77, 0x77)),
                                        entry("Druck", qRgb(204, 0, 0))}}}));

    // With a print profile's transform, CMYK goes through it instead.
    const ImportResult profiled = readAse(b.file(), {}, [](const Cmyk& c) {
        return ImportedColour{qRgb(1, 2, static_cast<int>(c.k * 100)), false};
    });
    ASSERT_TRUE(profiled.palette);
    EXPECT_FALSE(profiled.palette->naiveCmyk);
    EXPECT_EQ(profiled.palette->groups[2].entries[2].rgb, qRgb(1, 2, 20));

    const QByteArray whole = b.file();
    EXPECT_EQ(message(readAse(whole.left(whole.size() - 3), {}), "c.ase"),
              QStringLiteral("c.ase, byte 194: the file ends inside a block"));
    AseBuilder odd;
    odd.block(0x0007, "xy");
    EXPECT_EQ(message(readAse(odd.file(), {}), "c.ase"),
              QStringLiteral("c.ase, byte 12: unknown block type 0x0007"));
    AseBuilder open;
    open.block(0xC001, AseBuilder::name(QStringLiteral("Offen")));
    open.colour(QStringLiteral("a"), "RGB ", {0, 0, 0});
    EXPECT_EQ(message(readAse(open.file(), {}), "c.ase"),
              QStringLiteral("c.ase, byte 62: \"Offen\" is never closed"));
    AseBuilder model;
    model.colour(QStringLiteral("a"), "HSB ", {0, 0, 0});
    EXPECT_EQ(message(readAse(model.file(), {}), "c.ase"),
              QStringLiteral("c.ase, byte 24: unknown color model 48 53 42 20"));
    EXPECT_EQ(message(readAse(whole + "x", {}), "c.ase"),
              QStringLiteral("c.ase, byte 200: data after the last block"));
    EXPECT_EQ(message(readAse("GIMP", {}), "c.ase"),
              QStringLiteral("c.ase, byte 0: \"ASEF\" missing at the start"));
}

TEST(PaletteReaders, tokensGroupsAliasesAndSpaces)
{
    const QByteArray file = R"({
  "$description": "Marke",
  "brand": {
    "$type": "color",
    "primary": {"$value": {"colorSpace": "srgb", "components": [1, 0.5, 0], "hex": "#ff8000"}},
    "grün": {"$value": {"colorSpace": "hsl", "components": [120, 100, 25]}},
    "grey": {"$value": {"colorSpace": "display-p3", "components": [0.4, 0.4, 0.4]}},
    "wide": {"$value": {"colorSpace": "display-p3", "components": [1, 0, 0]}},
    "rec": {"$value": {"colorSpace": "rec2020", "components": [1, 0, 0], "hex": "#ff0000"}},
    "spacing": {"$type": "dimension", "$value": {"value": 4, "unit": "px"}},
    "nested": {"accent": {"$value": "{brand.primary}"}}
  },
  "empty": {},
  "alias": {"$type": "color", "chain": {"$value": "{brand.nested.accent}"}, "lab": {"$value": {"colorSpace": "lab", "components": [50, "none", 0]}}}
})";
    const ImportResult r = readTokens(file, QStringLiteral("T"));
    ASSERT_TRUE(r.palette) << message(r, "t.json").toStdString();
    const QVector<ImportedGroup>& g = r.palette->groups;
    ASSERT_EQ(g.size(), 4);
    EXPECT_EQ(g[0].name, QStringLiteral("brand"));
    ASSERT_EQ(g[0].entries.size(), 5);
    EXPECT_EQ(g[0].entries[0], entry("primary", qRgb(255, 128, 0)));
    EXPECT_EQ(g[0].entries[1], entry("grün", qRgb(0, 128, 0)));
    EXPECT_EQ(g[0].entries[2], entry("grey", qRgb(102, 102, 102)));
    EXPECT_EQ(g[0].entries[4], entry("rec", qRgb(255, 0, 0)));
    // Display P3's red, oklch(0.6486 0.2995 28.96), keeps its lightness and hue in
    // sRGB to within the mapping's just noticeable difference (deltaEOK 0.02).
    const ImportedEntry& wide = g[0].entries[3];
    EXPECT_TRUE(wide.gamutMapped);
    const OkLch mapped = okLchFromRgb(wide.rgb);
    EXPECT_NEAR(mapped.l, 0.6486, 0.02);
    EXPECT_NEAR(mapped.h, 28.96, 2.0);
    EXPECT_EQ(g[1], (ImportedGroup{QStringLiteral("brand.nested"), {entry("accent", qRgb(255, 128, 0))}}));
    EXPECT_EQ(g[2], (ImportedGroup{QStringLiteral("empty"), {}}));
    EXPECT_EQ(g[3],
              (ImportedGroup{QStringLiteral("alias"),
                             {entry("chain", qRgb(255, 128, 0)), entry("lab", qRgb(0x77, 0x77, 0x77))}}));

    EXPECT_EQ(message(readTokens(R"({"a": {"$type": "color", "x": {"$value": "{a.y}"},
 "y": {"$value": "{a.x}"}}})",
                                 {}),
                      "t.json"),
              QStringLiteral("t.json, line 2: aliases run in a circle at a.x"));
    EXPECT_EQ(message(readTokens(R"({"x": {"$type": "color", "$value": "{b.c}"}})", {}), "t.json"),
              QStringLiteral("t.json, line 1: alias to a missing token: {b.c}"));
    EXPECT_EQ(message(readTokens("{\n\"x\": {\"$type\": \"color\",\n \"$value\": {\"colorSpace\": \"cmyk\", "
                                 "\"components\": [0, 0, 0]}}}",
                                 {}),
                      "t.json"),
              QStringLiteral("t.json, line 3: color space \"cmyk\" is not supported"));
    EXPECT_EQ(message(readTokens("{\n\"x\": {\"$type\": \"color\", \"$value\": 12}}", {}), "t.json"),
              QStringLiteral("t.json, line 2: token x has no valid color value"));
    EXPECT_EQ(message(readTokens("{\r\n  \"a\": 1,\r\n  \"b\" 2\r\n}", {}), "t.json"),
              QStringLiteral("t.json, line 3: JSON error: \":\" expected"));
}

TEST(PaletteReaders, cssCustomPropertiesInEveryNotation)
{
    const QByteArray file = R"(/* Marke */
:root {
  --hex: #FF8000; /* Orange */
  --short: #0f08;
  --legacy: rgba(255, 0, 0, 0.5);
  --modern: rgb(0% 50% 100% / 1);
  --hsl: hsl(120deg 100% 25%);
  --hwb: hwb(120 0% 50%) !important;
  --lab: lab(50% 0 0);
  --lch: lch(50 0 0);
  --oklab: oklab(100% 0 0);
  --oklch: oklch(0 0 0);
  --linear: color(srgb-linear 1 0 0);
  --p3: color(display-p3 0.4 0.4 0.4);
  --named: RebeccaPurple;
  --same: var(--hex);
  --space: 4px;
  --mix: color-mix(in oklch, red, blue);
  --derived: rgb(from var(--hex) r g b);
  --wide: oklch(0.7 0.4 150);
}
@media (prefers-color-scheme: dark) {
  :root { --hex: #000000; }
}
.card { --edge: white; }
)";
    const ImportResult r = readCss(file, QStringLiteral("Site"));
    ASSERT_TRUE(r.palette) << message(r, "s.css").toStdString();
    const QVector<ImportedGroup>& g = r.palette->groups;
    ASSERT_EQ(g.size(), 3);
    EXPECT_EQ(g[0].name, QString());
    const Entries expected{entry("Orange", qRgb(255, 128, 0)),     entry("short", qRgb(0, 255, 0)),
                           entry("legacy", qRgb(255, 0, 0)),       entry("modern", qRgb(0, 128, 255)),
                           entry("hsl", qRgb(0, 128, 0)),          entry("hwb", qRgb(0, 128, 0)),
                           entry("lab", qRgb(0x77, 0x77, 0x77)),   entry("lch", qRgb(0x77, 0x77, 0x77)),
                           entry("oklab", qRgb(255, 255, 255)),    entry("oklch", qRgb(0, 0, 0)),
                           entry("linear", qRgb(255, 0, 0)),       entry("p3", qRgb(102, 102, 102)),
                           entry("named", qRgb(0x66, 0x33, 0x99)), entry("same", qRgb(255, 128, 0))};
    ASSERT_EQ(g[0].entries.size(), expected.size() + 1);
    EXPECT_EQ(g[0].entries.first(expected.size()), expected);
    EXPECT_EQ(g[0].entries.back().name, QStringLiteral("wide"));
    EXPECT_TRUE(g[0].entries.back().gamutMapped);
    EXPECT_EQ(g[1], (ImportedGroup{QStringLiteral("@media (prefers-color-scheme: dark)"),
                                   {entry("hex", qRgb(0, 0, 0))}}));
    EXPECT_EQ(g[2], (ImportedGroup{QStringLiteral(".card"), {entry("edge", qRgb(255, 255, 255))}}));

    EXPECT_EQ(message(readCss(":root {\n  --a: red;\n  --b: rgb(1 2);\n}\n", {}), "s.css"),
              QStringLiteral("s.css, line 3: not a color: \"rgb(1 2)\""));
    EXPECT_EQ(message(readCss(":root {\n  --a: red;\n/* open\n", {}), "s.css"),
              QStringLiteral("s.css, line 3: \"/*\" is never closed"));
    EXPECT_EQ(message(readCss("\n:root {\n  --a: red;\n", {}), "s.css"),
              QStringLiteral("s.css, line 2: \"{\" is never closed"));
    EXPECT_EQ(message(readCss("--a: red; }\n", {}), "s.css"),
              QStringLiteral("s.css, line 1: \"}\" without its counterpart"));
}

// What the exporters write comes back with the same colours; the formats with
// groups keep them, the binary one keeps the names exactly.
TEST(PaletteReaders, exportedFilesComeBackExactly)
{
    const Palette p = exported();
    const QVector<QRgb> all = paletteColours(p);
    const auto back = [](const ImportResult& r) {
        EXPECT_TRUE(r.palette) << r.error.detail.toStdString();
        return r.palette.value_or(ImportedPalette{});
    };
    EXPECT_EQ(colours(back(readGpl(gplFile(p, QStringLiteral("Titel")), {}))), all);
    EXPECT_EQ(back(readGpl(gplFile(p, QStringLiteral("Titel")), {})).name, QStringLiteral("Titel"));
    EXPECT_EQ(colours(back(readSoc(socFile(p), {}))), all);
    EXPECT_EQ(colours(back(readCss(cssFile(p, QStringLiteral("Titel")), {}))), all);
    EXPECT_EQ(colours(back(readTokens(tokensFile(p), {}))), all);
    EXPECT_EQ(back(readTokens(tokensFile(p), {})).groups.size(), 2);
    const ImportedPalette ase = back(readAse(aseFile(p), QStringLiteral("A")));
    EXPECT_EQ(exportablePalette(ase), p);
    // Flat names of the text formats carry the group, as flatEntries writes them.
    EXPECT_EQ(back(readSoc(socFile(p), {})).groups[0].entries[0].name, flatEntries(p)[0].name);
    EXPECT_EQ(back(readCss(cssFile(p, {}), {})).groups[0].entries[4].name, flatEntries(p)[4].name);

    // Every 8-bit channel value survives the float and decimal formats.
    Palette ramp{{{QStringLiteral("r"), {}}}};
    for (int v = 0; v < 256; ++v)
        ramp.groups[0].entries << PaletteEntry{QString::number(v), qRgb(v, 255 - v, (v * 7) % 256)};
    EXPECT_EQ(colours(back(readAse(aseFile(ramp), {}))), paletteColours(ramp));
    EXPECT_EQ(colours(back(readTokens(tokensFile(ramp), {}))), paletteColours(ramp));
}

TEST(PaletteReaders, deviceReadToItsEndAndUnreadableDevice)
{
    QByteArray bytes = "GIMP Palette\n1 2 3 a\n";
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const ImportResult r = readPalette(PaletteSource::gpl, device, {});
    ASSERT_TRUE(r.palette);
    EXPECT_EQ(colours(*r.palette), QVector<QRgb>{qRgb(1, 2, 3)});
    QBuffer closed(&bytes);
    EXPECT_EQ(message(readPalette(PaletteSource::gpl, closed, {}), "g.gpl"),
              QStringLiteral("g.gpl: cannot be read"));
    EXPECT_EQ(paletteSourceFromPath(QStringLiteral("x.tokens.JSON")), PaletteSource::tokens);
    EXPECT_EQ(paletteSourceFromPath(QStringLiteral("x.png")), std::nullopt);
}

} // namespace
