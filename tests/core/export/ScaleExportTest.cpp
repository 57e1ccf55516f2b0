#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"

#include "core/colour/ContrastReference.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// Two halves, so names lead with the half as the CSS export makes them.
Palette halves()
{
    return {{{QStringLiteral("Right half"), {{QStringLiteral("Big field"), qRgb(218, 37, 29)}}},
             {QStringLiteral("Left half"), {{QStringLiteral("Small field"), qRgb(0, 146, 141)}}}}};
}

QRgb fromHex(const QString& hex)
{
    return QColor(hex).rgb();
}

// The structure rules of the Design Tokens Format 2025.10: a token is an
// object with $value; its $type is its own or an enclosing group's; names do
// not begin with "$" and hold no "{", "}" or ".". Returns the tokens by path.
QMap<QString, QJsonObject> dtcgTokens(const QJsonObject& group, const QString& path = {},
                                      const QString& inheritedType = {})
{
    QMap<QString, QJsonObject> tokens;
    const QString type = group.value("$type").toString(inheritedType);
    for (auto it = group.begin(); it != group.end(); ++it) {
        if (it.key().startsWith(QLatin1Char('$')))
            continue;
        EXPECT_FALSE(it.key().contains(QRegularExpression(QStringLiteral("[{}.]"))))
            << it.key().toStdString();
        EXPECT_TRUE(it.value().isObject()) << it.key().toStdString();
        const QJsonObject o = it.value().toObject();
        const QString name = path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key();
        if (o.contains("$value")) {
            EXPECT_FALSE(o.value("$type").toString(type).isEmpty()) << name.toStdString();
            tokens.insert(name, o);
        } else {
            tokens.insert(dtcgTokens(o, name, type));
        }
    }
    return tokens;
}

} // namespace

// Tokens: a group per colour, a token per target reached, valid colour
// values, every step at or above its target by an independent WCAG 2 ratio;
// an unreachable target only named in the group's description.
TEST(ScaleExport, TokensFilesPerSchemeWithOneTokenPerReachedStep)
{
    const LanguageTable t = LanguageTable::forLanguage(Language::english);
    ScaleExportRequest r;
    r.targets = {1.5, 4.5, 15};
    r.backgrounds = {qRgb(0x77, 0x77, 0x77), qRgb(0, 0, 0)}; // grey: 15:1 is out of reach
    const QVector<ExportFile> files = scaleExportFiles(halves(), PaletteFormat::tokens,
                                                       QStringLiteral("/x/p.tokens.json"), QString(), r, t);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].path, QStringLiteral("/x/p.light.tokens.json"));
    EXPECT_EQ(files[1].path, QStringLiteral("/x/p.dark.tokens.json"));
    for (const ExportFile& f : files) {
        const bool dark = f.path.contains(QStringLiteral("dark"));
        const QRgb background = dark ? r.backgrounds.dark : r.backgrounds.light;
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(f.data, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << f.path.toStdString();
        EXPECT_EQ(root.keys(), (QStringList{"left-half-small-field", "right-half-big-field"}));
        const QMap<QString, QJsonObject> tokens = dtcgTokens(root);
        const QStringList expected =
            dark ? QStringList{"left-half-small-field.1-5", "left-half-small-field.15",
                               "left-half-small-field.4-5", "right-half-big-field.1-5",
                               "right-half-big-field.15",   "right-half-big-field.4-5"}
                 : QStringList{"left-half-small-field.1-5", "left-half-small-field.4-5",
                               "right-half-big-field.1-5", "right-half-big-field.4-5"};
        EXPECT_EQ(tokens.keys(), expected) << f.path.toStdString();
        for (auto it = tokens.begin(); it != tokens.end(); ++it) {
            const QJsonObject v = it->value("$value").toObject();
            EXPECT_EQ(it->value("$type").toString(), "color");
            EXPECT_EQ(v.value("colorSpace").toString(), "srgb");
            const QRgb c = fromHex(v.value("hex").toString());
            EXPECT_EQ(qRound(v.value("components").toArray().at(1).toDouble() * 255), qGreen(c));
            const double target =
                it.key().section(QLatin1Char('.'), 1).replace(QLatin1Char('-'), '.').toDouble();
            const double ratio = referenceWcagRatio(c, background);
            EXPECT_GE(ratio, target) << it.key().toStdString();
            const QString description = it->value("$description").toString();
            EXPECT_TRUE(description.startsWith(
                QStringLiteral("WCAG 2, target %1:1, achieved %2:1 on ").arg(target).arg(ratio, 0, 'f', 2)))
                << description.toStdString();
        }
        EXPECT_EQ(root.value("right-half-big-field").toObject().value("$description").toString(),
                  dark ? QStringLiteral("Right half: Big field")
                       : QStringLiteral("Right half: Big field; no step reaches 15:1"));
    }
}

// CSS: the colours and the light steps in :root, the same names again for a
// dark scheme, the steps' values those of the tokens files.
TEST(ScaleExport, CssLightInRootDarkInMediaQuery)
{
    const LanguageTable t = LanguageTable::forLanguage(Language::german);
    ScaleExportRequest r;
    r.method = ContrastMethod::apca;
    r.targets = {45, 60};
    const QVector<ExportFile> css =
        scaleExportFiles(halves(), PaletteFormat::css, QStringLiteral("p.css"), QStringLiteral("P"), r, t);
    ASSERT_EQ(css.size(), 1);
    const QString text = QString::fromUtf8(css[0].data);
    const qsizetype media =
        text.indexOf(QStringLiteral("@media (prefers-color-scheme: dark) {\n  :root {\n"));
    ASSERT_GT(media, 0);
    EXPECT_TRUE(text.startsWith(QStringLiteral("/* P */\n:root {\n  --right-half-big-field: #DA251D;")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("  }\n}\n")));
    const QRegularExpression property(QStringLiteral("--([a-z0-9-]+): (#[0-9A-F]{6}); /\\* ([^*]*) \\*/"));
    const QStringList names{"left-half-small-field-45", "left-half-small-field-60", "right-half-big-field-45",
                            "right-half-big-field-60"};
    const QVector<ExportFile> tokens =
        scaleExportFiles(halves(), PaletteFormat::tokens, QStringLiteral("p"), QString(), r, t);
    for (const bool dark : {false, true}) {
        const QString block = dark ? text.mid(media) : text.left(media);
        const QJsonObject root = QJsonDocument::fromJson(tokens[dark ? 1 : 0].data).object();
        QStringList found;
        for (auto m = property.globalMatch(block); m.hasNext();) {
            const QRegularExpressionMatch p = m.next();
            if (!p.captured(1).endsWith(QStringLiteral("field")))
                found << p.captured(1);
            const qsizetype cut = p.captured(1).lastIndexOf(QLatin1Char('-'));
            const QJsonObject token =
                root.value(p.captured(1).left(cut)).toObject().value(p.captured(1).mid(cut + 1)).toObject();
            if (!token.isEmpty()) {
                EXPECT_EQ(token.value("$value").toObject().value("hex").toString(), p.captured(2).toLower());
                EXPECT_TRUE(p.captured(3).contains(QStringLiteral("APCA, Ziel Lc ")));
            }
        }
        found.sort();
        EXPECT_EQ(found, names) << (dark ? "dark" : "light");
    }
}

TEST(ScaleExport, OnlyCssAndTokensCarryScales)
{
    const LanguageTable t = LanguageTable::forLanguage(Language::english);
    for (const PaletteFormatDef& d : paletteFormats())
        EXPECT_EQ(scaleExportFiles(halves(), d.id, QStringLiteral("a"), QString(), {}, t).isEmpty(),
                  d.id != PaletteFormat::css && d.id != PaletteFormat::tokens)
            << d.name;
    ScaleExportRequest twice;
    twice.targets = {3, 3};
    const QByteArray once =
        scaleExportFiles(halves(), PaletteFormat::tokens, QStringLiteral("a"), QString(), twice, t)
            .front()
            .data;
    EXPECT_EQ(QJsonDocument::fromJson(once).object().value("left-half-small-field").toObject().keys(),
              (QStringList{"$description", "3"}));
    EXPECT_EQ(scaleTokensPath(QStringLiteral("a.JSON"), true), QStringLiteral("a.dark.tokens.json"));
    EXPECT_EQ(scaleTokensPath(QStringLiteral("a.b"), false), QStringLiteral("a.b.light.tokens.json"));
}
