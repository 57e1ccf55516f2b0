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
    const QDir ordner(QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file"));
    QStringList pfade;
    for (const QString& n : ordner.entryList({QStringLiteral("seed-*")}, QDir::Files, QDir::Name))
        pfade << ordner.filePath(n);
    return pfade;
}

std::optional<GeoeffneteDatei> ohneFenster(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return dateiBerechnen(f, istZweiBlockDatei(pfad));
}

ScriptedFileDialogs& dialoge(ShownWindow& f)
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

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// What the command line computes from a file is what the window shows once it
// has opened it: the palette, and the text copying all values gives.
TEST(PaletteExport, AFileComputedWithoutAWindowMatchesTheWindow)
{
    const QStringList pfade = seedDateien();
    ASSERT_GE(pfade.size(), 5);
    for (const QString& pfad : pfade) {
        SCOPED_TRACE(pfad.toStdString());
        ShownWindow f;
        f.form->datei().pfadOeffnen(pfad);
        const std::optional<GeoeffneteDatei> d = ohneFenster(pfad);
        ASSERT_TRUE(d);
        EXPECT_EQ(f.form->ausgabe().alleWerteText(), zustandWerteText(d->zustand, f.form->sprache()));
        EXPECT_EQ(f.form->paletteExport().angezeigtePalette(), paletteAus(d->zustand, f.form->sprache()));
    }
}

TEST(PaletteExport, CtrlEWritesTheShownColoursInTheChosenFormat)
{
    ShownWindow f;
    QTemporaryDir ordner;
    ScriptedFileDialogs& d = dialoge(f);
    d.antworte(ordner.filePath(QStringLiteral("harmonie.gpl")));
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    const QString gpl = ordner.filePath(QStringLiteral("harmonie.gpl"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(gpl); }));
    ASSERT_EQ(d.aufrufe().size(), 1);
    EXPECT_TRUE(d.aufrufe()[0].filter.startsWith(QStringLiteral("GIMP palette (*.gpl);;")));
    // The 2-colour start: the big and the small right field, as their value rows show them.
    const MainWidgets& w = f.w();
    const QStringList zeilen = QString::fromUtf8(inhalt(gpl)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 6);
    const auto zeile = [](const StaticText* r, const StaticText* g, const StaticText* b, const char* name) {
        return QStringLiteral("%1 %2 %3\t%4").arg(r->text(), 3).arg(g->text(), 3).arg(b->text(), 3).arg(name);
    };
    EXPECT_EQ(zeilen[4], zeile(w.SGrObR, w.SGrObG, w.SGrObB, "Big field"));
    EXPECT_EQ(zeilen[5], zeile(w.SKlObR, w.SKlObG, w.SKlObB, "Small field right-hand side"));

    // A name without extension takes the chosen filter's.
    d.antworte(ordner.filePath(QStringLiteral("tafel")));
    d.waehleFilter(QStringLiteral("Adobe Swatch Exchange (*.ase)"));
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(ordner.filePath(QStringLiteral("tafel.ase"))); }));
    EXPECT_EQ(inhalt(ordner.filePath(QStringLiteral("tafel.ase"))),
              aseDatei(f.form->paletteExport().angezeigtePalette()));
}

TEST(PaletteExport, AFailedWriteSaysSoAsSavingDoes)
{
    ShownWindow f;
    dialoge(f).antworte(QStringLiteral("/nonexistent-folder/palette.css"));
    QString meldung;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        meldung = box.text();
        box.accept();
    });
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return meldung == f.form->sprache().text(Txt::dateiNichtErstellt); }));
}

// Scales asked for in the dialog: tokens become a light and a dark file of
// steps; unasked, the CSS file is the plain one.
TEST(PaletteExport, TheDialogsScalesOptionWritesLightAndDarkTokens)
{
    QTemporaryDir ordner;
    ShownWindow f;
    ScriptedFileDialogs& d = dialoge(f);
    d.mitOptionen([](QWidget& optionen) {
        optionen.show();
        QTest::mouseClick(optionen.findChild<QCheckBox*>(), Qt::LeftButton);
        QTest::keyClick(optionen.findChild<QComboBox*>(), Qt::Key_Down);
        optionen.hide();
    });
    d.antworte(ordner.filePath(QStringLiteral("tafel.tokens.json")));
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    const QString hell = ordner.filePath(QStringLiteral("tafel.light.tokens.json"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(ordner.filePath(QStringLiteral("tafel.dark.tokens.json"))); }));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("tafel.tokens.json"))));
    const QJsonObject gruppen = QJsonDocument::fromJson(inhalt(hell)).object();
    EXPECT_EQ(gruppen.size(), paletteColours(f.form->paletteExport().angezeigtePalette()).size());
    const QJsonObject stufe = gruppen.begin()->toObject().value(QStringLiteral("60")).toObject();
    EXPECT_TRUE(stufe.value(QStringLiteral("$description"))
                    .toString()
                    .startsWith(QStringLiteral("APCA, target Lc 60")));

    d.mitOptionen([](QWidget& optionen) {
        optionen.show();
        QTest::mouseClick(optionen.findChild<QCheckBox*>(), Qt::LeftButton);
        optionen.hide();
    });
    d.antworte(ordner.filePath(QStringLiteral("tafel.css")));
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(ordner.filePath(QStringLiteral("tafel.css"))); }));
    EXPECT_EQ(inhalt(ordner.filePath(QStringLiteral("tafel.css"))),
              cssDatei(f.form->paletteExport().angezeigtePalette(), QStringLiteral("tafel")));
}

TEST(ColourFormatsWindow, OpensFromTheValueRowsAndFollowsTheSelection)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    // The context menu of a value text, as a right click opens it.
    const QPoint p = w.SGrObHex->rect().center();
    QContextMenuEvent rechtsklick(QContextMenuEvent::Mouse, p, w.SGrObHex->mapToGlobal(p));
    QApplication::sendEvent(w.SGrObHex, &rechtsklick);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.PopupMenu1a->isVisible(); }));
    QAction* formate = f.form->aktion("farbformate");
    ASSERT_NE(formate, nullptr);
    QTest::mouseClick(w.PopupMenu1a, Qt::LeftButton, {}, w.PopupMenu1a->actionGeometry(formate).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.form->farbformate() && f.form->farbformate()->isVisible(); }));
    ColourFormatsWindow& fenster = *f.form->farbformate();
    EXPECT_EQ(fenster.feldName(), QStringLiteral("Field: Big field"));
    EXPECT_EQ(fenster.farbe(), w.Anzeige_Normal->colour());

    klick(w.KleinRechts);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fenster.feldName() == QStringLiteral("Field: Small field right-hand side"); }));
    EXPECT_EQ(fenster.farbe(), w.KleinRechts->colour());
    // A drag on the band recolours the selected field; the window goes with it.
    const QColor vorher = w.KleinRechts->colour();
    drueck(w.Image2, {300, 30});
    loslass(w.Image2, {300, 30});
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.KleinRechts->colour() != vorher; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.farbe() == w.KleinRechts->colour(); }));
    EXPECT_EQ(fenster.findChild<QLabel*>(QStringLiteral("wert0"))->text(), w.SKlObHex->text());

    auto* kopieren = fenster.findChild<QPushButton*>(QStringLiteral("kopieren1"));
    ASSERT_NE(kopieren, nullptr);
    QTest::mouseClick(kopieren, Qt::LeftButton);
    const QColor c = w.KleinRechts->colour();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("rgb(%1 %2 %3)").arg(c.red()).arg(c.green()).arg(c.blue()));
}
