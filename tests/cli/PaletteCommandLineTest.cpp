// --palette-from-image and --export ... --from, run as a script runs the program.
#include "cli/CommandLineRun.h"

#include "core/export/PaletteWriters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

void write(const QString& pathName, const QByteArray& bytes)
{
    QFile f(pathName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const Palette twoGroups{
    {{QStringLiteral("Marke"),
      {{QStringLiteral("Rot"), qRgb(218, 37, 29)}, {QStringLiteral("Weiß"), qRgb(255, 255, 255)}}},
     {QStringLiteral("Zweite"), {{QStringLiteral("Grün"), qRgb(0, 146, 141)}}}}};

} // namespace

TEST(PaletteCommandLine, PictureColoursOneLineEachLargestFirst)
{
    QTemporaryDir folder;
    QImage picture(100, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("blocks.png"))));
    // Saving a JPEG here would load Qt's image plug-in into the test process, which the
    // leak checker cannot follow at exit; the same blocks come as a file.
    ASSERT_TRUE(QFile::copy(QStringLiteral(TINCTORA_TEST_DATA "/import/blocks.jpg"),
                            folder.filePath(QStringLiteral("blocks.jpg"))));
    const Lauf l = tinctora({"--palette-from-image", "blocks.png", "--colors", "2"}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_EQ(l.aus, QByteArray("#FF0000\t60.0\n#0000FF\t40.0\n"));
    // Two colours give two lines whatever k; a JPEG is read as well.
    const Lauf jpeg = tinctora({"--palette-from-image", "blocks.jpg"}, folder.path());
    EXPECT_EQ(jpeg.status, 0) << jpeg.errorBox.toStdString();
    EXPECT_TRUE(jpeg.aus.startsWith("#F")) << jpeg.aus.toStdString();

    write(folder.filePath(QStringLiteral("text.png")), "not a picture");
    struct Case {
        QStringList arguments;
        int status;
        QByteArray says;
    };
    const QList<Case> cases{
        {{"--palette-from-image", "blocks.png", "--colors", "13"}, 2, "\"13\""},
        {{"--palette-from-image", "blocks.png", "--colors", "x"}, 2, "\"x\""},
        {{"--colors", "4"}, 2, "--palette-from-image"},
        {{"--palette-from-image", "blocks.png", "--export", "x.gpl"}, 2, "--export"},
        {{"--palette-from-image", "blocks.png", "other.tnfx"}, 2, "FILE.tnfx"},
        {{"--palette-from-image", "missing.png"},
         1,
         "\"missing.png\" could not be read: no such folder or file"},
        {{"--palette-from-image", "text.png"},
         1,
         "\"text.png\" could not be read: not an image that can be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Lauf bad = tinctora(c.arguments, folder.path());
        EXPECT_EQ(bad.status, c.status) << bad.errorBox.toStdString();
        EXPECT_EQ(bad.errorBox.count('\n'), 1) << bad.errorBox.toStdString();
        EXPECT_TRUE(bad.errorBox.contains(c.says)) << bad.errorBox.toStdString();
        EXPECT_TRUE(bad.aus.isEmpty());
    }
    EXPECT_EQ(filesIn(folder.path()), (QStringList{"blocks.jpg", "blocks.png", "text.png"}));
}

TEST(PaletteCommandLine, ExportFromAPaletteFileConvertsBetweenFormats)
{
    QTemporaryDir folder;
    write(folder.filePath(QStringLiteral("brand.ase")), aseFile(twoGroups));
    const Lauf l = tinctora({"--export", "brand.gpl", "--from", "brand.ase"}, folder.path());
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    EXPECT_TRUE(l.errorBox.isEmpty()) << l.errorBox.toStdString();
    EXPECT_EQ(content(folder.filePath(QStringLiteral("brand.gpl"))),
              gplFile(twoGroups, QStringLiteral("brand")));
    // And on to tokens, named by --format; the groups stay.
    const Lauf tokens =
        tinctora({"--export", "t.json", "--format", "tokens", "--from", "brand.gpl"}, folder.path());
    EXPECT_EQ(tokens.status, 0) << tokens.errorBox.toStdString();
    const Palette flat{{{QStringLiteral("brand"),
                         {{QStringLiteral("Marke: Rot"), qRgb(218, 37, 29)},
                          {QStringLiteral("Marke: Weiß"), qRgb(255, 255, 255)},
                          {QStringLiteral("Zweite: Grün"), qRgb(0, 146, 141)}}}}};
    EXPECT_EQ(content(folder.filePath(QStringLiteral("t.json"))), tokensFile(flat));

    write(folder.filePath(QStringLiteral("bad.gpl")), "JASC-PAL\r\n0100\r\n");
    const QByteArray before = content(folder.filePath(QStringLiteral("brand.gpl")));
    struct Case {
        QStringList arguments;
        int status;
        QByteArray says;
    };
    const QList<Case> cases{
        {{"--export", "x.css", "--from", "bad.gpl"},
         1,
         "bad.gpl, line 1: \"GIMP Palette\" missing at the start"},
        {{"--export", "x.css", "--from", "none.gpl"}, 1, "none.gpl"},
        {{"--export", "brand.gpl", "--from", "brand.gpl"}, 1, "brand.gpl"},
        {{"--export", "x.css", "--from", "brand.pdf"}, 2, "\".pdf\""},
        {{"--from", "brand.ase"}, 2, "--from only goes with --export"},
        {{"--export", "x.css", "--from", "brand.ase", "some.tnfx"}, 2, "--from and FILE.tnfx"},
        {{"--export", "x.css", "--from", "brand.ase", "--values"}, 2, "--values"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Lauf bad = tinctora(c.arguments, folder.path());
        EXPECT_EQ(bad.status, c.status) << bad.errorBox.toStdString();
        EXPECT_EQ(bad.errorBox.count('\n'), 1) << bad.errorBox.toStdString();
        EXPECT_TRUE(bad.errorBox.contains(c.says)) << bad.errorBox.toStdString();
    }
    EXPECT_EQ(content(folder.filePath(QStringLiteral("brand.gpl"))), before);
    EXPECT_EQ(filesIn(folder.path()), (QStringList{"bad.gpl", "brand.ase", "brand.gpl", "t.json"}));
}

// A conversion between text formats maps QtCore alone, as the other text work does.
TEST(PaletteCommandLine, ConvertingLoadsNoQtGui)
{
    QTemporaryDir folder;
    write(folder.filePath(QStringLiteral("in.ase")), aseFile(twoGroups));
    QProcessEnvironment env = ohneAnzeige();
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), folder.filePath(QStringLiteral("ld")));
    const Lauf l = tinctora({"--export", "x.css", "--from", "in.ase"}, folder.path(), {}, env);
    EXPECT_EQ(l.status, 0) << l.errorBox.toStdString();
    QByteArray loaded;
    for (const QString& f : QDir(folder.path()).entryList({QStringLiteral("ld.*")}))
        loaded += content(folder.filePath(f));
    EXPECT_TRUE(loaded.contains("libQt6Core.so"));
    EXPECT_FALSE(loaded.contains("libQt6Gui.so"));
}
