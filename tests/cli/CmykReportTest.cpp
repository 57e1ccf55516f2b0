#include "cli/CommandLineRun.h"

#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "core/print/PrintConversion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace
{

const QString source =
    QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file/seed-fixed-3-and-4-colour.tnfx");
const QString pressProfile = QStringLiteral(TINCTORA_CMYK_PROFILE);

// In display order (left half first, as the report lists them), or as a
// palette file keeps them (the edited half first).
QVector<QRgb> shownColours(bool asPalette = false)
{
    QFile f(source);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const std::optional<OpenedFile> opened = evaluateFile(f, true);
    EXPECT_TRUE(opened);
    const MainState s = opened.value_or(OpenedFile{}).fileState;
    const LanguageTable t = LanguageTable::forLanguage(Language::english);
    return paletteColours(asPalette ? paletteFrom(s, t) : shownFields(s, t));
}

// LittleCMS's own calculator on the same colours: one "C M Y K" line each.
QList<QStringList> transiccLines(const QVector<QRgb>& colours, const QStringList& intentFlags)
{
    QProcess p;
    p.start(
        QStringLiteral("transicc"),
        QStringList{QStringLiteral("-i*sRGB"), QStringLiteral("-o") + pressProfile, QStringLiteral("-n")} +
            intentFlags);
    for (const QRgb c : colours)
        p.write(QStringLiteral("%1 %2 %3\n").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).toLatin1());
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(20000)) << "transicc (liblcms2-utils) missing?";
    QList<QStringList> lines;
    for (const QString& line : QString::fromLatin1(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        lines << line.split(' ', Qt::SkipEmptyParts);
    return lines;
}

QList<QStringList> tabLines(const QByteArray& out)
{
    QList<QStringList> lines;
    for (const QString& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts))
        lines << line.split('\t');
    return lines;
}

// The colour blocks of an Adobe Swatch Exchange file by its published layout
// (big-endian; a block: type, length, name, model, channels as floats, kind).
struct SwatchBlock {
    QByteArray model;
    QVector<float> channels;
};
QVector<SwatchBlock> swatchColours(const QByteArray& d)
{
    qsizetype pos = 12;
    const auto u16 = [&] { return qFromBigEndian<quint16>(d.constData() + (pos += 2) - 2); };
    const auto u32 = [&] { return qFromBigEndian<quint32>(d.constData() + (pos += 4) - 4); };
    QVector<SwatchBlock> colours;
    EXPECT_EQ(d.left(4), QByteArray("ASEF"));
    while (pos + 6 <= d.size()) {
        const quint16 type = u16();
        const qsizetype end = u32() + pos;
        if (type == 0x0001) {
            pos += 2 * u16();
            SwatchBlock b{d.mid(pos, 4), {}};
            pos += 4;
            for (int i = 0; i < (b.model == "CMYK" ? 4 : 3); ++i) {
                const quint32 bits = u32();
                float f = 0;
                std::memcpy(&f, &bits, sizeof f);
                b.channels.append(f);
            }
            EXPECT_EQ(u16(), 2);
            EXPECT_EQ(pos, end) << "a colour block is as long as it says";
            colours.append(b);
        }
        pos = end;
    }
    return colours;
}

} // namespace

// One line per shown colour: hex, C, M, Y, K within 0.1 of transicc with the
// same intent and black-point compensation, and the gamut test's answer.
TEST(CmykReport, PrintsEveryShownColourAsTransiccConvertsIt)
{
    QTemporaryDir folder;
    const QVector<QRgb> colours = shownColours();
    ASSERT_GE(colours.size(), 7);
    const ProfileLoad load = profileFromFile(pressProfile);
    for (const auto& [intentArguments, transiccFlags, intent] :
         {std::tuple{QStringList{}, QStringList{"-t1", "-b"}, PrintIntent::relativeColorimetric},
          std::tuple{QStringList{"--intent", "perceptual"}, QStringList{"-t0"}, PrintIntent::perceptual}}) {
        const Lauf l = tinctora(QStringList{"--cmyk", pressProfile, source} + intentArguments, folder.path());
        ASSERT_EQ(l.status, 0) << l.errorBox.toStdString();
        const QList<QStringList> lines = tabLines(l.aus);
        const QList<QStringList> expected = transiccLines(colours, transiccFlags);
        const std::optional<PrintConversion> conversion = PrintConversion::make(load.profile, intent);
        ASSERT_EQ(lines.size(), 1 + colours.size());
        ASSERT_EQ(expected.size(), colours.size());
        EXPECT_EQ(lines[0].join('\t'), QStringLiteral("color\tC\tM\tY\tK\tgamut"));
        for (qsizetype i = 0; i < colours.size(); ++i) {
            const QStringList& line = lines[i + 1];
            ASSERT_EQ(line.size(), 6);
            EXPECT_EQ(line[0], hexColour(colours[i]));
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(line[1 + k].section('.', 1).size(), 1) << "one decimal";
                EXPECT_NEAR(line[1 + k].toDouble(), expected[i][k].toDouble(), 0.1)
                    << line.join(' ').toStdString();
            }
            EXPECT_EQ(line[5], conversion->convert(colours[i]).outOfGamut() ? "out" : "in");
        }
    }
}

TEST(CmykReport, AProfileThatIsNoCmykOutputOrAWrongIntentIsOneLine)
{
    QTemporaryDir folder;
    const QString rgb = QStringLiteral(TINCTORA_RGB_PROFILE);
    struct Case {
        QStringList arguments;
        int status;
        QByteArray names;
    };
    const QList<Case> cases{
        {{"--cmyk", rgb, source}, 1, "is not a CMYK output profile"},
        {{"--cmyk", "missing.icc", source}, 1, "\"missing.icc\" cannot be read"},
        {{"--cmyk", source, source}, 1, "cannot be read"},
        {{"--cmyk", "", source}, 1, "\"\" cannot be read"},
        {{"--cmyk", pressProfile, "missing.tnfx"}, 1, "missing.tnfx"},
        {{"--cmyk", pressProfile, "--intent", "saturation", source}, 2, "\"saturation\""},
        {{"--values", "--intent", "perceptual", source}, 2, "--intent"},
        {{"--export", "p.gpl", "--cmyk-profile", pressProfile, source}, 2, "--cmyk-profile"},
        {{"--export", "p.ase", "--cmyk-profile", rgb, source}, 1, "is not a CMYK output profile"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Lauf l = tinctora(c.arguments, folder.path());
        EXPECT_EQ(l.status, c.status);
        EXPECT_EQ(l.errorBox.count('\n'), 1) << l.errorBox.toStdString();
        EXPECT_TRUE(l.errorBox.contains(c.names)) << l.errorBox.toStdString();
        EXPECT_TRUE(l.aus.isEmpty());
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
    }
}

// Read back, every colour of the swatch file is in the CMYK model with the
// values of transicc for the same intent.
TEST(CmykReport, SwatchExchangeCarriesCmykThroughTheProfile)
{
    QTemporaryDir folder;
    const Lauf l =
        tinctora({"--export", "p.ase", "--cmyk-profile", pressProfile, "--intent", "perceptual", source},
                 folder.path());
    ASSERT_EQ(l.status, 0) << l.errorBox.toStdString();
    const QVector<SwatchBlock> colours = swatchColours(content(folder.filePath(QStringLiteral("p.ase"))));
    const QList<QStringList> expected = transiccLines(shownColours(true), {"-t0"});
    ASSERT_EQ(colours.size(), expected.size());
    for (qsizetype i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(colours[i].model, QByteArray("CMYK"));
        ASSERT_EQ(colours[i].channels.size(), 4);
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(colours[i].channels[k] * 100.0, expected[i][k].toDouble(), 0.1) << i << ' ' << k;
    }
    // Without a profile the same export stays RGB.
    ASSERT_EQ(tinctora({"--export", "q.ase", source}, folder.path()).status, 0);
    EXPECT_EQ(swatchColours(content(folder.filePath(QStringLiteral("q.ase")))).front().model,
              QByteArray("RGB "));
}
