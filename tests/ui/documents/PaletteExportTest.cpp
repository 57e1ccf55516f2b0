#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/documents/OpenedFile.h"
#include "core/export/PaletteWriters.h"
#include "core/language/LanguageTable.h"
#include "platform/desktop/FileDialogs.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/PaletteExport.h"
#include "ui/documents/ValueOutput.h"
#include "ui/shell/ColourSettingsFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

QStringList seedDateien()
{
    const QDir folder(QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file"));
    QStringList pfade;
    for (const QString& n : folder.entryList({QStringLiteral("seed-*")}, QDir::Files, QDir::Name))
        pfade << folder.filePath(n);
    return pfade;
}

std::optional<OpenedFile> ohneFenster(const QString& pathName)
{
    QFile f(pathName);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return evaluateFile(f, isTwoBlockFile(pathName));
}

ScriptedFileDialogs& dialogs(ShownWindow& f)
{
    auto d = std::make_unique<ScriptedFileDialogs>();
    ScriptedFileDialogs& ref = *d;
    f.form->paletteExport().setDialogs(std::move(d));
    return ref;
}

// Shortcuts reach only the active window.
void aktivieren(ShownWindow& f)
{
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
}

QByteArray content(const QString& pathName)
{
    QFile f(pathName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// What the command line computes from a file is what the window shows once it
// has opened it: the palette, and the text copying all values gives.
TEST(PaletteExport, AFileComputedWithoutAWindowMatchesTheWindow)
{
    const QStringList pfade = seedDateien();
    ASSERT_GE(pfade.size(), 5);
    for (const QString& pathName : pfade) {
        SCOPED_TRACE(pathName.toStdString());
        ShownWindow f;
        f.form->fileItem().openPath(pathName);
        const std::optional<OpenedFile> d = ohneFenster(pathName);
        ASSERT_TRUE(d);
        EXPECT_EQ(f.form->valueOutput().allValuesText(), stateValuesText(d->fileState, f.form->uiLanguage()));
        EXPECT_EQ(f.form->paletteExport().shownPalette(), paletteFrom(d->fileState, f.form->uiLanguage()));
    }
}

TEST(PaletteExport, CtrlEWritesTheShownColoursInTheChosenFormat)
{
    ShownWindow f;
    QTemporaryDir folder;
    ScriptedFileDialogs& d = dialogs(f);
    d.queueAnswer(folder.filePath(QStringLiteral("harmonie.gpl")));
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    const QString gpl = folder.filePath(QStringLiteral("harmonie.gpl"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(gpl); }));
    ASSERT_EQ(d.recordedCalls().size(), 1);
    EXPECT_TRUE(d.recordedCalls()[0].filter.startsWith(QStringLiteral("GIMP palette (*.gpl);;")));
    // The 2-colour start: the big and the small right field, as their value rows show them.
    const MainWidgets& w = f.w();
    const QStringList rowList = QString::fromUtf8(content(gpl)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rowList.size(), 6);
    const auto rowLine = [](const StaticText* r, const StaticText* g, const StaticText* b, const char* name) {
        return QStringLiteral("%1 %2 %3\t%4").arg(r->text(), 3).arg(g->text(), 3).arg(b->text(), 3).arg(name);
    };
    EXPECT_EQ(rowList[4], rowLine(w.values.SGrObR, w.values.SGrObG, w.values.SGrObB, "Big field"));
    EXPECT_EQ(rowList[5],
              rowLine(w.values.SKlObR, w.values.SKlObG, w.values.SKlObB, "Small field right-hand side"));

    // A name without extension takes the chosen filter's.
    d.queueAnswer(folder.filePath(QStringLiteral("tafel")));
    d.chooseFilter(QStringLiteral("Adobe Swatch Exchange (*.ase)"));
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath(QStringLiteral("tafel.ase"))); }));
    EXPECT_EQ(content(folder.filePath(QStringLiteral("tafel.ase"))),
              aseFile(f.form->paletteExport().shownPalette()));
}

TEST(PaletteExport, AFailedWriteSaysSoAsSavingDoes)
{
    ShownWindow f;
    dialogs(f).queueAnswer(QStringLiteral("/nonexistent-folder/palette.css"));
    QString meldung;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        meldung = box.text();
        box.accept();
    });
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return meldung == f.form->uiLanguage().text(Txt::fileNotCreated); }));
}

// Scales asked for in the dialog: tokens become a light and a dark file of
// steps; unasked, the CSS file is the plain one.
TEST(PaletteExport, TheDialogsScalesOptionWritesLightAndDarkTokens)
{
    QTemporaryDir folder;
    ShownWindow f;
    ScriptedFileDialogs& d = dialogs(f);
    d.withOptions([](QWidget& options) {
        options.show();
        QTest::mouseClick(options.findChild<QCheckBox*>(), Qt::LeftButton);
        QTest::keyClick(options.findChild<QComboBox*>(), Qt::Key_Down);
        options.hide();
    });
    d.queueAnswer(folder.filePath(QStringLiteral("tafel.tokens.json")));
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    const QString hell = folder.filePath(QStringLiteral("tafel.light.tokens.json"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(folder.filePath(QStringLiteral("tafel.dark.tokens.json"))); }));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("tafel.tokens.json"))));
    const QJsonObject gruppen = QJsonDocument::fromJson(content(hell)).object();
    EXPECT_EQ(gruppen.size(), paletteColours(f.form->paletteExport().shownPalette()).size());
    const QJsonObject level = gruppen.begin()->toObject().value(QStringLiteral("60")).toObject();
    EXPECT_TRUE(level.value(QStringLiteral("$description"))
                    .toString()
                    .startsWith(QStringLiteral("APCA, target Lc 60")));

    d.withOptions([](QWidget& options) {
        options.show();
        QTest::mouseClick(options.findChild<QCheckBox*>(), Qt::LeftButton);
        options.hide();
    });
    d.queueAnswer(folder.filePath(QStringLiteral("tafel.css")));
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath(QStringLiteral("tafel.css"))); }));
    EXPECT_EQ(content(folder.filePath(QStringLiteral("tafel.css"))),
              cssFile(f.form->paletteExport().shownPalette(), QStringLiteral("tafel")));
}

TEST(ColourFormatsWindow, OpensFromTheValueRowsAndFollowsTheSelection)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    // The context menu of a value text, as a right click opens it.
    const QPoint p = w.values.SGrObHex->rect().center();
    QContextMenuEvent rechtsklick(QContextMenuEvent::Mouse, p, w.values.SGrObHex->mapToGlobal(p));
    QApplication::sendEvent(w.values.SGrObHex, &rechtsklick);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.furniture.PopupMenu1a->isVisible(); }));
    QAction* formats = f.form->actionItem("farbformate");
    ASSERT_NE(formats, nullptr);
    QTest::mouseClick(w.furniture.PopupMenu1a, Qt::LeftButton, {},
                      w.furniture.PopupMenu1a->actionGeometry(formats).center());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return f.form->colourFormats() && f.form->colourFormats()->isVisible(); }));
    ColourFormatsWindow& topWindow = *f.form->colourFormats();
    EXPECT_EQ(topWindow.fieldName(), QStringLiteral("Field: Big field"));
    EXPECT_EQ(topWindow.colourValue(), w.fields.Anzeige_Normal->colour());

    klick(w.fields.KleinRechts);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return topWindow.fieldName() == QStringLiteral("Field: Small field right-hand side"); }));
    EXPECT_EQ(topWindow.colourValue(), w.fields.KleinRechts->colour());
    // A drag on the band recolours the selected field; the window goes with it.
    const QColor vorher = w.fields.KleinRechts->colour();
    drueck(w.band.Image2, {300, 30});
    loslass(w.band.Image2, {300, 30});
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.fields.KleinRechts->colour() != vorher; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow.colourValue() == w.fields.KleinRechts->colour(); }));
    EXPECT_EQ(topWindow.findChild<QLabel*>(QStringLiteral("wert0"))->text(), w.values.SKlObHex->text());

    auto* copyToClipboard = topWindow.findChild<QPushButton*>(QStringLiteral("kopieren1"));
    ASSERT_NE(copyToClipboard, nullptr);
    QTest::mouseClick(copyToClipboard, Qt::LeftButton);
    const QColor c = w.fields.KleinRechts->colour();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("rgb(%1 %2 %3)").arg(c.red()).arg(c.green()).arg(c.blue()));
}
