#include "core/export/PaletteWriters.h"
#include "core/export/PaletteFormats.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace
{

Palette einzeln()
{
    return {{{QStringLiteral("2-Color Harmony"),
              {{QStringLiteral("Big field"), qRgb(218, 37, 29)},
               {QStringLiteral("Small field right-hand side"), qRgb(0, 146, 141)}}}}};
}

Palette fixiert()
{
    return {{{QStringLiteral("Rechte Hälfte"), {{QStringLiteral("Große Fläche"), qRgb(218, 37, 29)}}},
             {QStringLiteral("Linke Hälfte"),
              {{QStringLiteral("Kleine Fl. links"), qRgb(255, 255, 255)},
               {QStringLiteral("2. kl. Fläche"), qRgb(1, 2, 3)}}}}};
}

// Adobe Swatch Exchange read from its published layout: "ASEF", version
// 1.0, a block count, then blocks of a 16-bit type and a 32-bit length, all
// big-endian; names are a 16-bit length in UTF-16 units with the terminating
// zero, then the units.
struct AseLeser {
    const QByteArray& d;
    qsizetype pos = 0;
    quint16 u16() { return qFromBigEndian<quint16>(d.constData() + (pos += 2) - 2); }
    quint32 u32() { return qFromBigEndian<quint32>(d.constData() + (pos += 4) - 4); }
    float f32()
    {
        const quint32 bits = u32();
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    QString name()
    {
        const quint16 n = u16();
        QString s;
        for (quint16 i = 0; i < n; ++i)
            s += QChar(u16());
        EXPECT_EQ(s.back(), QChar(0)) << "names end in a zero unit";
        s.chop(1);
        return s;
    }
};

Palette aseLesen(const QByteArray& d)
{
    AseLeser l{d};
    EXPECT_EQ(d.left(4), QByteArray("ASEF"));
    l.pos = 4;
    EXPECT_EQ(l.u16(), 1);
    EXPECT_EQ(l.u16(), 0);
    const quint32 blocks = l.u32();
    Palette p;
    for (quint32 i = 0; i < blocks; ++i) {
        const quint16 typ = l.u16();
        const qsizetype endPoint = l.u32() + l.pos;
        if (typ == 0xC001) {
            p.groups.append({l.name(), {}});
        } else if (typ == 0x0001) {
            if (p.groups.isEmpty())
                p.groups.append(PaletteGroup{}); // colours outside any group
            const QString name = l.name();
            EXPECT_EQ(d.mid(l.pos, 4), QByteArray("RGB "));
            l.pos += 4;
            const auto colourChannel = [&] { return static_cast<int>(std::lround(l.f32() * 255)); };
            const int r = colourChannel(), g = colourChannel(), b = colourChannel();
            EXPECT_EQ(l.u16(), 2);
            p.groups.back().entries.append({name, qRgb(r, g, b)});
        }
        EXPECT_EQ(l.pos, endPoint) << "block " << i << " is as long as it says";
        l.pos = endPoint;
    }
    EXPECT_EQ(l.pos, d.size());
    return p;
}

} // namespace

TEST(PaletteWriters, GimpPaletteIsNamedColumnsOfChannelsThenTheName)
{
    const QByteArray soll = "GIMP Palette\nName: Test\nColumns: 0\n#\n"
                            "218  37  29\tBig field\n"
                            "  0 146 141\tSmall field right-hand side\n";
    EXPECT_EQ(gplFile(einzeln(), QStringLiteral("Test")), soll);
    // Read back by its plain structure: after the header, "R G B<tab>name" lines.
    const QStringList rowList = QString::fromUtf8(gplFile(fixiert(), QStringLiteral("T"))).split('\n');
    QStringList names;
    for (const QString& z : rowList.mid(4)) {
        if (z.isEmpty() || z.startsWith('#'))
            continue;
        const QStringList teile = z.section('\t', 0, 0).split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(teile.size(), 3) << z.toStdString();
        names << z.section('\t', 1);
    }
    EXPECT_EQ(names, QStringList({"Rechte Hälfte: Große Fläche", "Linke Hälfte: Kleine Fl. links",
                                  "Linke Hälfte: 2. kl. Fläche"}));
}

TEST(PaletteWriters, SwatchExchangeGroupsOnlyTheHalvesOfAFixedDisplay)
{
    // One palette: plain colour blocks, no group a simple reader would take for a colour.
    const Palette p{{{QStringLiteral("G"), {{QStringLiteral("Rot"), qRgb(255, 0, 0)}}}}};
    const QByteArray soll = QByteArray::fromHex("41534546"
                                                "00010000"
                                                "00000001"
                                                "0001 0000001c 0004 0052 006f 0074 0000 52474220"
                                                "3f800000 00000000 00000000 0002");
    EXPECT_EQ(aseFile(p).toHex(), soll.toHex());
    EXPECT_EQ(aseLesen(aseFile(fixiert())), fixiert());
    Palette ohneGruppe = einzeln();
    ohneGruppe.groups[0].name.clear();
    EXPECT_EQ(aseLesen(aseFile(einzeln())), ohneGruppe);
}

TEST(PaletteWriters, LibreOfficeTableNamesEachColourOnce)
{
    const QByteArray soc = socFile(einzeln());
    EXPECT_TRUE(
        soc.contains("  <draw:color draw:name=\"Big field\" draw:color=\"#da251d\"/>\n"
                     "  <draw:color draw:name=\"Small field right-hand side\" draw:color=\"#00928d\"/>\n"
                     "</ooo:color-table>\n"));
    QXmlStreamReader xml(socFile(fixiert()));
    QStringList gelesen;
    while (xml.readNextStartElement()) {
        if (xml.qualifiedName() == QLatin1String("ooo:color-table"))
            continue;
        EXPECT_EQ(xml.qualifiedName(), QLatin1String("draw:color"));
        gelesen << xml.attributes().value("draw:name").toString() + ' ' +
                       xml.attributes().value("draw:color").toString();
        xml.skipCurrentElement();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(gelesen,
              QStringList({"Rechte Hälfte: Große Fläche #da251d", "Linke Hälfte: Kleine Fl. links #ffffff",
                           "Linke Hälfte: 2. kl. Fläche #010203"}));
}

TEST(PaletteWriters, StyleSheetsGetSafeIdentifiersHexAndTheFullName)
{
    EXPECT_EQ(cssFile(einzeln(), QStringLiteral("Test")),
              QByteArray("/* Test */\n:root {\n"
                         "  --big-field: #DA251D; /* Big field */\n"
                         "  --small-field-right-hand-side: #00928D; /* Small field right-hand side */\n}\n"));
    EXPECT_EQ(scssFile(fixiert(), QStringLiteral("Test")),
              QString("// Test\n"
                      "$rechte-haelfte-grosse-flaeche: #DA251D; // Rechte Hälfte: Große Fläche\n"
                      "$linke-haelfte-kleine-fl-links: #FFFFFF; // Linke Hälfte: Kleine Fl. links\n"
                      "$linke-haelfte-2-kl-flaeche: #010203; // Linke Hälfte: 2. kl. Fläche\n")
                  .toUtf8());
    EXPECT_EQ(identifier(QStringLiteral("2. kl. Fläche")), QStringLiteral("field-2-kl-flaeche"));
    EXPECT_EQ(identifier(QStringLiteral("*/")), QStringLiteral("color"));
}

TEST(PaletteWriters, DesignTokensAreColourTokensInSrgb)
{
    const QByteArray soll =
        "{\n"
        "  \"big-field\": {\n"
        "    \"$description\": \"Big field\",\n"
        "    \"$type\": \"color\",\n"
        "    \"$value\": {\"colorSpace\": \"srgb\", \"components\": [0.854902, 0.145098, "
        "0.113725], \"hex\": \"#da251d\"}\n"
        "  },\n"
        "  \"small-field-right-hand-side\": {\n"
        "    \"$description\": \"Small field right-hand side\",\n"
        "    \"$type\": \"color\",\n"
        "    \"$value\": {\"colorSpace\": \"srgb\", \"components\": [0, 0.572549, 0.552941], "
        "\"hex\": \"#00928d\"}\n"
        "  }\n"
        "}\n";
    EXPECT_EQ(tokensFile(einzeln()), soll);
}

// Style Dictionary makes JavaScript and Sass names of the token paths: every
// group and token name is an identifier (no leading digit), the full name its description.
TEST(PaletteWriters, DesignTokenNamesAreIdentifiersWithTheFullNameAsDescription)
{
    QJsonParseError errorBox{};
    const QJsonDocument doc = QJsonDocument::fromJson(tokensFile(fixiert()), &errorBox);
    ASSERT_EQ(errorBox.error, QJsonParseError::NoError) << errorBox.errorString().toStdString();
    const QRegularExpression bezeichnerMuster(QStringLiteral("^[a-z][a-z0-9]*(-[a-z0-9]+)*$"));
    const Palette p = fixiert();
    const QJsonObject wurzel = doc.object();
    ASSERT_EQ(wurzel.size(), p.groups.size());
    for (auto exclusiveGroup = wurzel.begin(); exclusiveGroup != wurzel.end(); ++exclusiveGroup) {
        EXPECT_TRUE(bezeichnerMuster.match(exclusiveGroup.key()).hasMatch())
            << exclusiveGroup.key().toStdString();
        const QJsonObject tokens = exclusiveGroup.value().toObject();
        const auto g = std::find_if(p.groups.begin(), p.groups.end(), [&](const PaletteGroup& x) {
            return x.name == tokens.value("$description").toString();
        });
        ASSERT_NE(g, p.groups.end()) << exclusiveGroup.key().toStdString();
        QStringList beschreibungen;
        for (auto token = tokens.begin(); token != tokens.end(); ++token) {
            if (token.key() == QLatin1String("$description"))
                continue;
            EXPECT_TRUE(bezeichnerMuster.match(token.key()).hasMatch()) << token.key().toStdString();
            const QJsonObject t = token.value().toObject();
            EXPECT_EQ(t.value("$type").toString(), QStringLiteral("color"));
            const QJsonObject value = t.value("$value").toObject();
            EXPECT_EQ(value.value("colorSpace").toString(), QStringLiteral("srgb"));
            const QJsonArray k = value.value("components").toArray();
            ASSERT_EQ(k.size(), 3);
            const QRgb rgb = qRgb(qRound(k[0].toDouble() * 255), qRound(k[1].toDouble() * 255),
                                  qRound(k[2].toDouble() * 255));
            EXPECT_EQ(QColor(value.value("hex").toString()).rgb(), rgb);
            const QString name = t.value("$description").toString();
            beschreibungen << name;
            EXPECT_TRUE(std::any_of(g->entries.begin(), g->entries.end(), [&](const PaletteEntry& e) {
                return e.name == name && e.rgb == rgb;
            })) << name.toStdString();
        }
        EXPECT_EQ(beschreibungen.size(), g->entries.size());
    }
}

TEST(PaletteFormats, FormatComesFromTheNameOrTheExtension)
{
    EXPECT_EQ(formatFromPath(QStringLiteral("/x/a.TOKENS.JSON")), PaletteFormat::tokens);
    EXPECT_EQ(formatFromPath(QStringLiteral("a.json")), PaletteFormat::tokens);
    EXPECT_EQ(formatFromPath(QStringLiteral("a.Gpl")), PaletteFormat::gpl);
    EXPECT_EQ(formatFromPath(QStringLiteral("a.scss")), PaletteFormat::scss);
    EXPECT_EQ(formatFromPath(QStringLiteral("a.txt")), std::nullopt);
    EXPECT_EQ(formatFromName(u"ASE"), PaletteFormat::ase);
    EXPECT_EQ(formatFromName(u"bmp"), std::nullopt);
    EXPECT_EQ(withFormatExtension(QStringLiteral("a"), PaletteFormat::tokens),
              QStringLiteral("a.tokens.json"));
    EXPECT_EQ(withFormatExtension(QStringLiteral("a.SVG"), PaletteFormat::svg), QStringLiteral("a.SVG"));
}

TEST(PaletteFormats, AWriteThatFailsSaysWhyAndLeavesNothing)
{
    const QString pathName = QDir::temp().filePath(QStringLiteral("tinctora-export-test.gpl"));
    ASSERT_TRUE(writeFileAtomically(pathName, "alt"));
    ASSERT_TRUE(writeFileAtomically(pathName, "neu"));
    QFile f(pathName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("neu"));
    f.remove();
    QString grund;
    EXPECT_FALSE(writeFileAtomically(QStringLiteral("/nonexistent-folder/x.gpl"), "neu", &grund));
    EXPECT_FALSE(grund.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/nonexistent-folder/x.gpl")));
}
