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
const QString source = seeds + QStringLiteral("seed-fixed-fanning-and-rows.tnfx");

// A home whose stored preferences choose German ("TNVersion" not 11).
QProcessEnvironment german(const QTemporaryDir& home)
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
    QTemporaryDir folder;
    const Lauf l = tinctora({QStringLiteral("--values"), source}, folder.path());
    EXPECT_EQ(l.status, 0);
    EXPECT_FALSE(l.aus.contains('\r'));
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString kopiert =
        stateValuesText(evaluateFile(f, true)->fileState, LanguageTable::forLanguage(Language::english));
    EXPECT_EQ(QString::fromUtf8(l.aus),
              QString(kopiert).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + '\n');
    const Lauf help = tinctora({QStringLiteral("--help")}, folder.path());
    EXPECT_TRUE(help.aus.contains("ends with LF")) << help.aus.toStdString();
}

TEST(CommandLineOutput, FailedWritesToStandardOutputExitOne)
{
    QTemporaryDir folder;
    for (const QString& umleitung : {QStringLiteral(">/dev/full"), QStringLiteral(">&-")})
        for (const QStringList& arguments :
             {QStringList{"--values", source}, QStringList{"--contrast", source}, QStringList{"--help"},
              QStringList{"--version"}}) {
            SCOPED_TRACE((umleitung + ' ' + arguments.join(' ')).toStdString());
            const Lauf l =
                tinctora(arguments, folder.path(), QStringLiteral("exec \"$0\" \"$@\" ") + umleitung);
            EXPECT_EQ(l.status, 1);
            EXPECT_EQ(l.errorBox.count('\n'), 1) << l.errorBox.toStdString();
            EXPECT_TRUE(
                l.errorBox.contains(umleitung == QStringLiteral(">&-") ? "not open" : "no space left"))
                << l.errorBox.toStdString();
        }
}

TEST(CommandLineOutput, HelpAndVersionAsCommandLineUsersExpect)
{
    QTemporaryDir folder;
    const Lauf help = tinctora({QStringLiteral("--help")}, folder.path());
    EXPECT_EQ(help.status, 0);
    for (const char* text : {"Usage:", "--export <output>", "--format <format>", "--values", "--contrast",
                             "--version", "Exit status: 0", "1 a file", "2 wrong usage"})
        EXPECT_TRUE(help.aus.contains(text)) << text;
    // The version the window's title and about box show.
    const Lauf version = tinctora({QStringLiteral("--version")}, folder.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.aus, QByteArray("tinctora 3.25\n"));
}

TEST(CommandLineOutput, SpeaksTheInterfaceLanguageWithDecimalPoints)
{
    QTemporaryDir folder, home;
    const QProcessEnvironment env = german(home);
    const Lauf help = tinctora({QStringLiteral("--help")}, folder.path(), {}, env);
    EXPECT_EQ(help.status, 0);
    EXPECT_FALSE(help.aus.contains("Usage:")) << help.aus.toStdString();
    EXPECT_FALSE(help.aus.contains("Options:")) << help.aus.toStdString();
    EXPECT_TRUE(help.aus.contains("Optionen:")) << help.aus.toStdString();
    EXPECT_TRUE(help.aus.contains("Rückgabewert")) << help.aus.toStdString();
    EXPECT_TRUE(help.aus.contains("--export <ausgabe>")) << help.aus.toStdString();
    const Lauf contrast = tinctora({QStringLiteral("--contrast"), source}, folder.path(), {}, env);
    const QList<QByteArray> rowList = contrast.aus.split('\n');
    ASSERT_GT(rowList.size(), 2);
    EXPECT_EQ(QString::fromUtf8(rowList[0]),
              QStringLiteral("Schrift\tHintergrund\tWCAG-Verhältnis\tAPCA Lc"));
    EXPECT_TRUE(rowList[1].split('\t').value(2).contains('.')) << rowList[1].toStdString();
    const Lauf colourScales = tinctora({QStringLiteral("--scales"), source}, folder.path(), {}, env);
    EXPECT_TRUE(colourScales.aus.startsWith("Farbe\tZiel\tStufe\tWCAG-Verh\xC3\xA4ltnis\tAPCA Lc\n#"))
        << colourScales.aus.toStdString();
    const Lauf falsch = tinctora({QStringLiteral("--expotr"), source}, folder.path(), {}, env);
    EXPECT_EQ(falsch.status, 2);
    EXPECT_FALSE(falsch.errorBox.contains("Unknown")) << falsch.errorBox.toStdString();
    EXPECT_EQ(tinctora({QStringLiteral("--version")}, folder.path(), {}, env).aus,
              QByteArray("tinctora 3.25\n"));
}

TEST(CommandLineOutput, AFailedWriteSaysWhy)
{
    QTemporaryDir folder;
    const Lauf l = tinctora({QStringLiteral("--export"), QStringLiteral("x.svg"), source}, folder.path(),
                            QStringLiteral("ulimit -f 0; exec \"$0\" \"$@\""));
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(l.errorBox.contains("file too large")) << l.errorBox.toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Text work maps QtCore alone: the dynamic loader's own record of what it loaded.
TEST(CommandLineOutput, TextWorkLoadsNoQtGui)
{
    QTemporaryDir folder;
    for (const QStringList& arguments : {QStringList{"--values", source}, QStringList{"--contrast", source},
                                         QStringList{"--export", "x.gpl", source}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcessEnvironment env = ohneAnzeige();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), folder.filePath(QStringLiteral("ld")));
        const Lauf l = tinctora(arguments, folder.path(), {}, env);
        EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
        QByteArray loaded;
        for (const QString& fileItem : QDir(folder.path()).entryList({QStringLiteral("ld.*")})) {
            loaded += content(folder.filePath(fileItem));
            QFile::remove(folder.filePath(fileItem));
        }
        EXPECT_TRUE(loaded.contains("libQt6Core.so")) << "the record was written";
        EXPECT_FALSE(loaded.contains("libQt6Gui.so"));
    }
}

// Printing and SVG drawing are loaded on first use: the window's start maps neither.
TEST(CommandLineOutput, TheWindowStartsWithoutPrintSupportNetworkOrImagePlugins)
{
    QTemporaryDir folder;
    QProcessEnvironment env = ohneAnzeige();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TINCTORA_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), folder.filePath(QStringLiteral("ld")));
    const Lauf l = tinctora({}, folder.path(), {}, env);
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_TRUE(l.aus.contains("first-paint-epoch-ms")) << "the window was painted";
    QByteArray loaded;
    for (const QString& fileItem : QDir(folder.path()).entryList({QStringLiteral("ld.*")}))
        loaded += content(folder.filePath(fileItem));
    EXPECT_TRUE(loaded.contains("libQt6Widgets.so")) << "the record was written";
    EXPECT_FALSE(loaded.contains("libQt6PrintSupport.so"));
    EXPECT_FALSE(loaded.contains("libQt6Network.so"));
    EXPECT_FALSE(loaded.contains("libqsvgicon.so"));
    // No picture of the start makes Qt load its image plug-ins to probe it.
    EXPECT_FALSE(loaded.contains("libQt6Svg.so"));
    EXPECT_FALSE(loaded.contains("libqjpeg.so"));
}
