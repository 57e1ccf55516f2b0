#include "cli/CommandLineRun.h"

#include "core/documents/OpenedFile.h"
#include "core/documents/ValueExport.h"
#include "core/language/LanguageTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const QString seeds = QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file/");
const QString quelle = seeds + QStringLiteral("seed-fixed-fanning-and-rows.tnfx");

// A home whose stored preferences choose German ("TNVersion" not 11).
QProcessEnvironment deutsch(const QTemporaryDir& home)
{
    QDir(home.path()).mkpath(QStringLiteral("config"));
    QFile f(home.filePath(QStringLiteral("config/TinctoraKVB.conf")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nTNVersion=7\n");
    QProcessEnvironment env = ohneAnzeige();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    return env;
}

} // namespace

TEST(CommandLineOutput, ValuesEndEveryLineWithLfAndSayWhatCopyingGives)
{
    QTemporaryDir ordner;
    const Lauf l = tinctora({QStringLiteral("--values"), quelle}, ordner.path());
    EXPECT_EQ(l.status, 0);
    EXPECT_FALSE(l.aus.contains('\r'));
    QFile f(quelle);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString kopiert =
        zustandWerteText(dateiBerechnen(f, true)->zustand, LanguageTable::forLanguage(Sprache::englisch));
    EXPECT_EQ(QString::fromUtf8(l.aus),
              QString(kopiert).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + '\n');
    const Lauf hilfe = tinctora({QStringLiteral("--help")}, ordner.path());
    EXPECT_TRUE(hilfe.aus.contains("ends with LF")) << hilfe.aus.toStdString();
}

TEST(CommandLineOutput, FailedWritesToStandardOutputExitOne)
{
    QTemporaryDir ordner;
    for (const QString& umleitung : {QStringLiteral(">/dev/full"), QStringLiteral(">&-")})
        for (const QStringList& argumente :
             {QStringList{"--values", quelle}, QStringList{"--contrast", quelle}, QStringList{"--help"},
              QStringList{"--version"}}) {
            SCOPED_TRACE((umleitung + ' ' + argumente.join(' ')).toStdString());
            const Lauf l =
                tinctora(argumente, ordner.path(), QStringLiteral("exec \"$0\" \"$@\" ") + umleitung);
            EXPECT_EQ(l.status, 1);
            EXPECT_EQ(l.fehler.count('\n'), 1) << l.fehler.toStdString();
            EXPECT_TRUE(l.fehler.contains(umleitung == QStringLiteral(">&-") ? "not open" : "no space left"))
                << l.fehler.toStdString();
        }
}

TEST(CommandLineOutput, HelpAndVersionAsCommandLineUsersExpect)
{
    QTemporaryDir ordner;
    const Lauf hilfe = tinctora({QStringLiteral("--help")}, ordner.path());
    EXPECT_EQ(hilfe.status, 0);
    for (const char* text : {"Usage:", "--export <output>", "--format <format>", "--values", "--contrast",
                             "--version", "Exit status: 0", "1 a file", "2 wrong usage"})
        EXPECT_TRUE(hilfe.aus.contains(text)) << text;
    // The version the window's title and about box show.
    const Lauf version = tinctora({QStringLiteral("--version")}, ordner.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.aus, QByteArray("tinctora 3.25\n"));
}

TEST(CommandLineOutput, SpeaksTheInterfaceLanguageWithDecimalPoints)
{
    QTemporaryDir ordner, home;
    const QProcessEnvironment env = deutsch(home);
    const Lauf hilfe = tinctora({QStringLiteral("--help")}, ordner.path(), {}, env);
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_FALSE(hilfe.aus.contains("Usage:")) << hilfe.aus.toStdString();
    EXPECT_FALSE(hilfe.aus.contains("Options:")) << hilfe.aus.toStdString();
    EXPECT_TRUE(hilfe.aus.contains("Optionen:")) << hilfe.aus.toStdString();
    EXPECT_TRUE(hilfe.aus.contains("Rückgabewert")) << hilfe.aus.toStdString();
    EXPECT_TRUE(hilfe.aus.contains("--export <ausgabe>")) << hilfe.aus.toStdString();
    const Lauf kontrast = tinctora({QStringLiteral("--contrast"), quelle}, ordner.path(), {}, env);
    const QList<QByteArray> zeilen = kontrast.aus.split('\n');
    ASSERT_GT(zeilen.size(), 2);
    EXPECT_EQ(QString::fromUtf8(zeilen[0]), QStringLiteral("Schrift\tHintergrund\tWCAG-Verhältnis\tAPCA Lc"));
    EXPECT_TRUE(zeilen[1].split('\t').value(2).contains('.')) << zeilen[1].toStdString();
    const Lauf skalen = tinctora({QStringLiteral("--scales"), quelle}, ordner.path(), {}, env);
    EXPECT_TRUE(skalen.aus.startsWith("Farbe\tZiel\tStufe\tWCAG-Verh\xC3\xA4ltnis\tAPCA Lc\n#"))
        << skalen.aus.toStdString();
    const Lauf falsch = tinctora({QStringLiteral("--expotr"), quelle}, ordner.path(), {}, env);
    EXPECT_EQ(falsch.status, 2);
    EXPECT_FALSE(falsch.fehler.contains("Unknown")) << falsch.fehler.toStdString();
    EXPECT_EQ(tinctora({QStringLiteral("--version")}, ordner.path(), {}, env).aus,
              QByteArray("tinctora 3.25\n"));
}

TEST(CommandLineOutput, AFailedWriteSaysWhy)
{
    QTemporaryDir ordner;
    const Lauf l = tinctora({QStringLiteral("--export"), QStringLiteral("x.svg"), quelle}, ordner.path(),
                            QStringLiteral("ulimit -f 0; exec \"$0\" \"$@\""));
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(l.fehler.contains("file too large")) << l.fehler.toStdString();
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Text work maps QtCore alone: the dynamic loader's own record of what it loaded.
TEST(CommandLineOutput, TextWorkLoadsNoQtGui)
{
    QTemporaryDir ordner;
    for (const QStringList& argumente : {QStringList{"--values", quelle}, QStringList{"--contrast", quelle},
                                         QStringList{"--export", "x.gpl", quelle}}) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        QProcessEnvironment env = ohneAnzeige();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), ordner.filePath(QStringLiteral("ld")));
        const Lauf l = tinctora(argumente, ordner.path(), {}, env);
        EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
        QByteArray geladen;
        for (const QString& datei : QDir(ordner.path()).entryList({QStringLiteral("ld.*")})) {
            geladen += inhalt(ordner.filePath(datei));
            QFile::remove(ordner.filePath(datei));
        }
        EXPECT_TRUE(geladen.contains("libQt6Core.so")) << "the record was written";
        EXPECT_FALSE(geladen.contains("libQt6Gui.so"));
    }
}
