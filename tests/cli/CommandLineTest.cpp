#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/ValueExport.h"
#include "core/export/PaletteWriters.h"
#include "core/language/LanguageTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const QString seeds = QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file/");

struct Lauf {
    int status = -1;
    QByteArray aus, fehler;
};

// The program as a console or a build server starts it: no X server, no Wayland.
Lauf tinctora(const QStringList& argumente, const QString& ordner)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral(TINCTORA_PROGRAM), argumente);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

GeoeffneteDatei geoeffnet(const QString& pfad)
{
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    std::optional<GeoeffneteDatei> d = dateiBerechnen(f, true);
    EXPECT_TRUE(d);
    return d.value_or(GeoeffneteDatei{});
}

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const LanguageTable englisch = LanguageTable::forLanguage(Sprache::englisch);

} // namespace

TEST(CommandLine, ExportWritesTheFilesPaletteWithoutADisplay)
{
    QTemporaryDir ordner;
    const QString quelle = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const Lauf l = tinctora({QStringLiteral("--export"), QStringLiteral("x.gpl"), quelle}, ordner.path());
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.isEmpty()) << l.fehler.toStdString();
    const Palette p = paletteAus(geoeffnet(quelle).zustand, englisch);
    EXPECT_EQ(p.groups.size(), 2);
    EXPECT_EQ(inhalt(ordner.filePath(QStringLiteral("x.gpl"))),
              gplDatei(p, QStringLiteral("seed-fixed-3-and-4-colour")));

    // --format wins over the name; a picture needs no display either.
    const Lauf bild = tinctora({QStringLiteral("--export"), QStringLiteral("bild.dat"),
                                QStringLiteral("--format"), QStringLiteral("png"), quelle},
                               ordner.path());
    EXPECT_EQ(bild.status, 0) << bild.fehler.toStdString();
    EXPECT_TRUE(inhalt(ordner.filePath(QStringLiteral("bild.dat"))).startsWith("\x89PNG"));
}

TEST(CommandLine, ValuesPrintsWhatCopyingAllValuesGives)
{
    QTemporaryDir ordner;
    const QString quelle = seeds + QStringLiteral("seed-fixed-fanning-and-rows.tnfx");
    const Lauf l = tinctora({QStringLiteral("--values"), quelle}, ordner.path());
    EXPECT_EQ(l.status, 0);
    const GeoeffneteDatei d = geoeffnet(quelle);
    EXPECT_EQ(QString::fromUtf8(l.aus), zustandWerteText(d.zustand, englisch) + '\n');
}

TEST(CommandLine, BadInputGivesOneLineANonZeroStatusAndNoFile)
{
    QTemporaryDir ordner;
    const QString kaputt = ordner.filePath(QStringLiteral("f.tnfx"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(150, '\x7f'));
    f.close();
    const QString gut = seeds + QStringLiteral("seed-unfixed-2-colour.tnfx");
    const QList<QStringList> faelle{
        {QStringLiteral("--export"), QStringLiteral("x.ase"), kaputt}, // damaged
        {QStringLiteral("--export"), QStringLiteral("x.ase"), QStringLiteral("missing.tnfx")},
        {QStringLiteral("--export"), QStringLiteral("x.bmp"), gut}, // unknown format
        {QStringLiteral("--export"), QStringLiteral("x.ase"), QStringLiteral("--format"),
         QStringLiteral("tiff"), gut},
        {QStringLiteral("--export"), QStringLiteral("x.ase")},                          // no file
        {QStringLiteral("--format"), QStringLiteral("ase"), gut},                       // nothing to do
        {QStringLiteral("--export"), QStringLiteral("/nonexistent-folder/x.ase"), gut}, // write fails
    };
    for (const QStringList& argumente : faelle) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Lauf l = tinctora(argumente, ordner.path());
        EXPECT_GT(l.status, 0);
        EXPECT_EQ(l.fehler.count('\n'), 1) << l.fehler.toStdString();
        EXPECT_TRUE(l.aus.isEmpty());
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.tnfx")});
        QFile::remove(ordner.filePath(QStringLiteral("x.ase")));
    }
}

TEST(CommandLine, HelpAndVersionAsCommandLineUsersExpect)
{
    QTemporaryDir ordner;
    const Lauf hilfe = tinctora({QStringLiteral("--help")}, ordner.path());
    EXPECT_EQ(hilfe.status, 0);
    for (const char* option : {"--export <output>", "--format <format>", "--values", "--version"})
        EXPECT_TRUE(hilfe.aus.contains(option)) << option;
    const Lauf version = tinctora({QStringLiteral("--version")}, ordner.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.aus, QByteArray("tinctora " TINCTORA_TEST_VERSION "\n"));
}

TEST(CommandLine, ContrastListsEveryOrderedPairOfDistinctShownColours)
{
    QTemporaryDir ordner;
    const QString quelle = seeds + QStringLiteral("seed-fixed-3-and-4-colour.tnfx");
    const Lauf l = tinctora({QStringLiteral("--contrast"), quelle}, ordner.path());
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.isEmpty()) << l.fehler.toStdString();

    QSet<QString> verschieden;
    for (const PaletteGroup& g : paletteAus(geoeffnet(quelle).zustand, englisch).groups)
        for (const PaletteEntry& e : g.entries)
            verschieden.insert(hexFarbe(e.rgb));
    const qsizetype n = verschieden.size();
    ASSERT_GE(n, 4);
    const QStringList zeilen = QString::fromUtf8(l.aus).split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 1 + n * (n - 1) + 1) << "head, the pairs, and the end of the last line";
    EXPECT_EQ(zeilen.front(), QStringLiteral("text\tbackground\tWCAG ratio\tAPCA Lc"));
    EXPECT_TRUE(zeilen.back().isEmpty());
    QSet<QString> paare;
    for (qsizetype i = 1; i + 1 < zeilen.size(); ++i) {
        const QStringList f = zeilen[i].split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 4) << zeilen[i].toStdString();
        EXPECT_TRUE(verschieden.contains(f[0]) && verschieden.contains(f[1]) && f[0] != f[1]);
        EXPECT_EQ(f[2], verhaeltnisText(kontrastVerhaeltnis(farbenAusHex({f[0]})[0], farbenAusHex({f[1]})[0])));
        EXPECT_EQ(f[3], lcText(apcaLc(farbenAusHex({f[0]})[0], farbenAusHex({f[1]})[0])));
        paare.insert(f[0] + f[1]);
    }
    EXPECT_EQ(paare.size(), n * (n - 1));

    const Lauf hilfe = tinctora({QStringLiteral("--help")}, ordner.path());
    EXPECT_TRUE(hilfe.aus.contains("--contrast"));
}
