#include "cli/CommandLineRun.h"

#include "core/colour/ConfusedColours.h"
#include "core/colour/Contrast.h"
#include "core/colour/ContrastScales.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/ValueExport.h"
#include "core/export/PaletteWriters.h"
#include "core/language/LanguageTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{

const QString seeds = QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file/");

OpenedFile geoeffnet(const QString& pathName)
{
    QFile f(pathName);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    std::optional<OpenedFile> d = evaluateFile(f, true);
    EXPECT_TRUE(d);
    return d.value_or(OpenedFile{});
}

const LanguageTable english = LanguageTable::forLanguage(Language::english);

// Every name in the folder, as bytes: QDir would pass over names that are not UTF-8.
QList<QByteArray> dateienIn(const QString& folder)
{
    QList<QByteArray> names;
    if (DIR* d = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* e = ::readdir(d))
            if (e->d_type != DT_DIR)
                names << QByteArray(e->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The shown colours once each, in the order they first occur.
QVector<QRgb> distinctShownColours(const QString& pathName)
{
    QVector<QRgb> farben;
    for (QRgb c : paletteColours(paletteFrom(geoeffnet(pathName).fileState, english)))
        if (!farben.contains(c))
            farben.append(c);
    return farben;
}

QList<QStringList> tabLines(const QByteArray& aus)
{
    QList<QStringList> rowList;
    for (const QString& z : QString::fromUtf8(aus).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rowList << z.split(QLatin1Char('\t'));
    return rowList;
}

} // namespace

TEST(CommandLine, ExportWritesTheFilesPaletteWithoutADisplay)
{
    QTemporaryDir folder;
    const QString source = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const Lauf l = tinctora({QStringLiteral("--export"), QStringLiteral("x.gpl"), source}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_TRUE(l.errorBox.isEmpty()) << l.errorBox.toStdString();
    const Palette p = paletteFrom(geoeffnet(source).fileState, english);
    EXPECT_EQ(p.groups.size(), 2);
    EXPECT_EQ(content(folder.filePath(QStringLiteral("x.gpl"))),
              gplFile(p, QStringLiteral("seed-fixed-3-and-4-colour")));
    // Through a link the file it names is written; the link stays.
    ASSERT_TRUE(QFile::link(QStringLiteral("x.gpl"), folder.filePath(QStringLiteral("link.gpl"))));
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("x.gpl"))));
    EXPECT_EQ(
        tinctora({QStringLiteral("--export"), QStringLiteral("link.gpl"), source}, folder.path()).status, 0);
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("link.gpl"))).isSymLink());
    EXPECT_EQ(content(folder.filePath(QStringLiteral("x.gpl"))),
              gplFile(p, QStringLiteral("seed-fixed-3-and-4-colour")));

    // --format wins over the name; a picture needs no display either, and no runtime folder.
    QProcessEnvironment ohneLaufzeitordner = ohneAnzeige();
    ohneLaufzeitordner.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const Lauf picture = tinctora({QStringLiteral("--export"), QStringLiteral("bild.dat"),
                                   QStringLiteral("--format"), QStringLiteral("png"), source},
                                  folder.path(), {}, ohneLaufzeitordner);
    EXPECT_EQ(picture.status, 0) << picture.errorBox.toStdString();
    EXPECT_TRUE(picture.errorBox.isEmpty()) << picture.errorBox.toStdString();
    EXPECT_TRUE(content(folder.filePath(QStringLiteral("bild.dat"))).startsWith("\x89PNG"));
}

// Usage errors exit 2, failures of reading or writing 1; one line each, nothing written.
TEST(CommandLine, BadInputGivesOneLineItsExitStatusAndNoFile)
{
    QTemporaryDir folder;
    const QString kaputt = folder.filePath(QStringLiteral("f.tnfx"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(150, '\x7f'));
    f.close();
    const QString gut = seeds + QStringLiteral("seed-unfixed-2-colour.tnfx");
    struct Fall {
        QStringList arguments;
        int status;
        QByteArray nennt;
    };
    const QList<Fall> faelle{
        {{"--export", "x.ase", kaputt}, 1, "f.tnfx"},
        {{"--export", "x.ase", "missing.tnfx"}, 1, "missing.tnfx"},
        {{"--export", "/nonexistent-folder/x.ase", gut}, 1, "/nonexistent-folder/x.ase"},
        {{"--export", "/nonexistent-folder/x.bmp", gut}, 2, "\".bmp\""},
        {{"--export", "x.ase", "--format", "tiff", gut}, 2, "\"tiff\""},
        {{"--export", "x.ase"}, 2, ""},
        {{"--export", "x.ase", gut, gut}, 2, ""},
        {{"--values", "--export"}, 2, "export"},
        {{"--format", "ase", gut}, 2, "--export, --values, --contrast"},
        {{"--expotr", "x.gpl", gut}, 2, "expotr"},
        {{"-x", gut}, 2, "'x'"},
        {{"--values", "--bogus", gut}, 2, "bogus"},
        {{"-style", "fusion", "--values", gut}, 2, "style"},
        {{"--scales", "--background", "nonsense", gut}, 2, "\"nonsense\""},
        {{"--scales", "--targets", "wcag:3,0", gut}, 2, "\"wcag:3,0\""},
        {{"--values", "--targets", "apca", gut}, 2, "--targets"},
        {{"--export", "x.gpl", "--with-scales", gut}, 2, "--with-scales"},
        {{"--scales", "--with-scales", gut}, 2, "--with-scales"},
        {{"--export", "x.css", "--with-scales", "--background", "zz", gut}, 2, "\"zz\""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.arguments.join(' ').toStdString());
        const Lauf l = tinctora(fall.arguments, folder.path());
        EXPECT_EQ(l.status, fall.status) << l.errorBox.toStdString();
        EXPECT_EQ(l.errorBox.count('\n'), 1) << l.errorBox.toStdString();
        EXPECT_TRUE(l.errorBox.contains(fall.nennt)) << l.errorBox.toStdString();
        EXPECT_FALSE(l.errorBox.contains(TINCTORA_TEST_DATA)) << "names the extension, not the path";
        EXPECT_TRUE(l.aus.isEmpty());
        EXPECT_EQ(dateienIn(folder.path()), QList<QByteArray>{"f.tnfx"});
    }
}

// A mistyped option with a display would have opened the window and waited.
TEST(CommandLine, AMistypedOptionNeverOpensTheWindow)
{
    QTemporaryDir folder;
    QProcessEnvironment mitAnzeige = ohneAnzeige();
    mitAnzeige.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString gut = seeds + QStringLiteral("seed-unfixed-2-colour.tnfx");
    for (const QStringList& arguments : {QStringList{"--expotr", "x.gpl", gut}, QStringList{"-", gut}}) {
        const Lauf l = tinctora(arguments, folder.path(), {}, mitAnzeige);
        EXPECT_EQ(l.status, 2) << l.errorBox.toStdString();
        EXPECT_EQ(l.errorBox.count('\n'), 1) << l.errorBox.toStdString();
        EXPECT_TRUE(dateienIn(folder.path()).isEmpty());
    }
    // "--" ends the options: a file whose name begins with "-" is still a file.
    ASSERT_TRUE(QFile::copy(gut, folder.filePath(QStringLiteral("-f.tnfx"))));
    const Lauf l = tinctora({"--values", "--", "-f.tnfx"}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_EQ(QString::fromUtf8(l.aus).replace('\n', "\r\n"),
              stateValuesText(geoeffnet(gut).fileState, english) + "\r\n");
}

TEST(CommandLine, ExportRefusesToWriteOverItsOwnInput)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("same.tnfx"));
    ASSERT_TRUE(QFile::copy(seeds + QStringLiteral("seed-unfixed-2-colour.tnfx"), source));
    const QByteArray vorher = content(source);
    ASSERT_TRUE(QFile::link(source, folder.filePath(QStringLiteral("link.gpl"))));
    ASSERT_EQ(::link(QFile::encodeName(source).constData(),
                     QFile::encodeName(folder.filePath(QStringLiteral("hard.gpl"))).constData()),
              0);
    for (const QStringList& arguments :
         {QStringList{"--export", "same.tnfx", "--format", "gpl", "same.tnfx"},
          QStringList{"--export", "./sub/../same.tnfx", "--format", "gpl", source},
          QStringList{"--export", "link.gpl", "same.tnfx"},
          QStringList{"--export", "hard.gpl", "same.tnfx"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        const Lauf l = tinctora(arguments, folder.path());
        EXPECT_EQ(l.status, 1);
        EXPECT_EQ(l.errorBox.count('\n'), 1) << l.errorBox.toStdString();
        EXPECT_EQ(content(source), vorher);
    }
}

// Names reach the file system as the bytes given, whatever the locale.
TEST(CommandLine, FileNamesAreBytesInEveryLocale)
{
    QTemporaryDir folder;
    const QByteArray input = QFile::encodeName(folder.path()) + "/in\xff.tnfx";
    const QByteArray payload = content(seeds + QStringLiteral("seed-unfixed-2-colour.tnfx"));
    const int fd = ::open(input.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, payload.constData(), static_cast<std::size_t>(payload.size())), payload.size());
    ::close(fd);
    for (const char* locale : {"C", "C.UTF-8"}) {
        SCOPED_TRACE(locale);
        QProcessEnvironment env = ohneAnzeige();
        env.insert(QStringLiteral("LC_ALL"), QLatin1String(locale));
        const Lauf l = tinctora({}, folder.path(),
                                QStringLiteral("exec \"$0\" --export \"$(printf 'out\\351.gpl')\" "
                                               "\"$(printf 'in\\377.tnfx')\""),
                                env);
        EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
        const QByteArray valueOutput = QFile::encodeName(folder.path()) + "/out\xe9.gpl";
        EXPECT_EQ(::access(valueOutput.constData(), F_OK), 0) << "written under the exact name";
        ::unlink(valueOutput.constData());
        EXPECT_EQ(dateienIn(folder.path()), QList<QByteArray>{"in\xff.tnfx"}) << "no other name was made";
    }
    ::unlink(input.constData());
}

TEST(CommandLine, ContrastListsEveryOrderedPairOfDistinctShownColours)
{
    QTemporaryDir folder;
    const QString source = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const Lauf l = tinctora({QStringLiteral("--contrast"), source}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_TRUE(l.errorBox.isEmpty()) << l.errorBox.toStdString();

    QSet<QString> verschieden;
    for (const PaletteGroup& g : paletteFrom(geoeffnet(source).fileState, english).groups)
        for (const PaletteEntry& e : g.entries)
            verschieden.insert(hexColour(e.rgb));
    const qsizetype n = verschieden.size();
    ASSERT_GE(n, 4);
    const QStringList rowList = QString::fromUtf8(l.aus).split(QLatin1Char('\n'));
    ASSERT_EQ(rowList.size(), 1 + n * (n - 1) + 1) << "head, the pairs, and the end of the last line";
    EXPECT_EQ(rowList.front(), QStringLiteral("text\tbackground\tWCAG ratio\tAPCA Lc"));
    EXPECT_TRUE(rowList.back().isEmpty());
    QSet<QString> paare;
    for (qsizetype i = 1; i + 1 < rowList.size(); ++i) {
        const QStringList f = rowList[i].split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 4) << rowList[i].toStdString();
        EXPECT_TRUE(verschieden.contains(f[0]) && verschieden.contains(f[1]) && f[0] != f[1]);
        EXPECT_EQ(f[2], ratioText(contrastRatio(coloursFromHex({f[0]})[0], coloursFromHex({f[1]})[0])));
        EXPECT_EQ(f[3], lcText(apcaLc(coloursFromHex({f[0]})[0], coloursFromHex({f[1]})[0])));
        paare.insert(f[0] + f[1]);
    }
    EXPECT_EQ(paare.size(), n * (n - 1));
}

TEST(CommandLine, ScalesPrintAStepPerShownColourAndTarget)
{
    QTemporaryDir folder;
    const QString source = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const QVector<QRgb> farben = distinctShownColours(source);
    const QVector<double> ziele = defaultTargets(ContrastMethod::wcag2);
    const Lauf l = tinctora({QStringLiteral("--scales"), source}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_TRUE(l.aus.endsWith('\n'));
    const QList<QStringList> rowList = tabLines(l.aus);
    ASSERT_EQ(rowList.size(), 1 + farben.size() * ziele.size());
    EXPECT_EQ(rowList[0].join('\t'), QStringLiteral("color\ttarget\tstep\tWCAG ratio\tAPCA Lc"));
    for (qsizetype i = 1; i < rowList.size(); ++i) {
        const QStringList& f = rowList[i];
        ASSERT_EQ(f.size(), 5);
        const QRgb colourValue = farben[(i - 1) / ziele.size()];
        const ScaleStep s = contrastScale(colourValue, qRgb(255, 255, 255), ContrastMethod::wcag2, ziele)
                                .steps[(i - 1) % ziele.size()];
        EXPECT_EQ(f[0], hexColour(colourValue));
        EXPECT_EQ(f[1], QString::number(s.target));
        EXPECT_EQ(f[2], s.reached ? hexColour(s.rgb) : QStringLiteral("-"));
        if (s.reached) {
            EXPECT_EQ(f[3], ratioText(contrastRatio(s.rgb, qRgb(255, 255, 255))));
            EXPECT_EQ(f[4], lcText(apcaLc(s.rgb, qRgb(255, 255, 255))));
            EXPECT_GE(f[3].toDouble(), s.target);
        }
    }

    // APCA levels on black, the background without its "#" as a shell lets it through.
    const QList<QStringList> apca = tabLines(
        tinctora({QStringLiteral("--scales"), QStringLiteral("--background"), QStringLiteral("000000"),
                  QStringLiteral("--targets"), QStringLiteral("apca:60,30"), source},
                 folder.path())
            .aus);
    ASSERT_EQ(apca.size(), 1 + farben.size() * 2);
    EXPECT_EQ(apca[1][1], QStringLiteral("30"));
    EXPECT_EQ(apca[2][1], QStringLiteral("60"));
    EXPECT_LE(apca[2][4].toDouble(), -60.0) << "light text on black";
    EXPECT_EQ(apca[2][4], lcText(apcaLc(coloursFromHex({apca[2][2]}).at(0), qRgb(0, 0, 0))));

    // 15:1 against a mid grey: no colour gets there.
    const QList<QStringList> grau = tabLines(
        tinctora({QStringLiteral("--scales"), QStringLiteral("--background"), QStringLiteral("#777777"),
                  QStringLiteral("--targets"), QStringLiteral("15"), source},
                 folder.path())
            .aus);
    ASSERT_EQ(grau.size(), 1 + farben.size());
    for (qsizetype i = 1; i < grau.size(); ++i)
        EXPECT_EQ(grau[i].mid(2), (QStringList{"-", "-", "-"}));
}

// The steps the export writes are those --scales prints for the same options.
TEST(CommandLine, ExportWithScalesWritesTheStepsScalesPrints)
{
    QTemporaryDir folder;
    const QString source = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const QStringList options{QStringLiteral("--targets"), QStringLiteral("3,4.5"),
                              QStringLiteral("--background"), QStringLiteral("EEEEEE")};
    const Lauf l = tinctora(QStringList{QStringLiteral("--export"), QStringLiteral("p.tokens.json"),
                                        QStringLiteral("--with-scales")} +
                                options + QStringList{source},
                            folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_EQ(dateienIn(folder.path()), (QList<QByteArray>{"p.dark.tokens.json", "p.light.tokens.json"}));
    QSet<QString> gedruckt;
    for (const QStringList& z :
         tabLines(
             tinctora(QStringList{QStringLiteral("--scales")} + options + QStringList{source}, folder.path())
                 .aus)
             .mid(1))
        gedruckt.insert(z[1] + QLatin1Char(' ') + z[2].toLower());
    const QJsonObject licht =
        QJsonDocument::fromJson(content(folder.filePath(QStringLiteral("p.light.tokens.json")))).object();
    qsizetype tokens = 0;
    for (const QJsonValue& exclusiveGroup : licht)
        for (const QString& target : {QStringLiteral("3"), QStringLiteral("4-5")}) {
            const QString hex = exclusiveGroup.toObject()
                                    .value(target)
                                    .toObject()
                                    .value("$value")
                                    .toObject()
                                    .value("hex")
                                    .toString();
            EXPECT_TRUE(gedruckt.contains(QString(target).replace('-', '.') + QLatin1Char(' ') + hex))
                << hex.toStdString();
            ++tokens;
        }
    EXPECT_EQ(tokens, 2 * paletteColours(paletteFrom(geoeffnet(source).fileState, english)).size());

    const Lauf css = tinctora(
        {QStringLiteral("--export"), QStringLiteral("p.css"), QStringLiteral("--with-scales"), source},
        folder.path());
    EXPECT_EQ(css.status, 0) << css.errorBox.toStdString();
    EXPECT_TRUE(content(folder.filePath(QStringLiteral("p.css")))
                    .contains("\n@media (prefers-color-scheme: dark) {\n"));
}

TEST(CommandLine, CvdListsThePairsEachVisionRunsTogether)
{
    QTemporaryDir folder;
    for (const char* fileItem : {"seed-fixed-fanning-and-rows.tnfx", "seed-unfixed-2-colour.tnfx"}) {
        const QString source = seeds + QLatin1String(fileItem);
        const QVector<QRgb> farben = distinctShownColours(source);
        const Lauf l = tinctora({QStringLiteral("--cvd"), source}, folder.path());
        EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
        const QList<QStringList> rowList = tabLines(l.aus);
        const QVector<ConfusedPair> paare = confusedPairs(farben);
        ASSERT_EQ(rowList.size(), paare.size()) << fileItem;
        EXPECT_EQ(l.aus.isEmpty(), paare.isEmpty()) << "no pair: no line at all";
        const QStringList names{"normal", "protanopia", "deuteranopia", "tritanopia", "achromatopsia"};
        for (qsizetype i = 0; i < rowList.size(); ++i)
            EXPECT_EQ(rowList[i],
                      (QStringList{names[static_cast<qsizetype>(paare[i].kind)],
                                   hexColour(farben[paare[i].first]), hexColour(farben[paare[i].second]),
                                   QString::number(paare[i].distance, 'f', 2)}));
    }
}
