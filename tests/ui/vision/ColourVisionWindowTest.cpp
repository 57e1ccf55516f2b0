#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"
#include "support/PaintCounter.h"

#include "core/colour/ColourVision.h"
#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"
#include "ui/documents/ContrastWindow.h"
#include "ui/documents/TForm2.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/ColourVisionActions.h"
#include "ui/widgets/ColourVisionFilter.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace
{

constexpr int english = 11; // "TNVersion" of the English interface

struct EnglishWindow : WindowFixture {
    EnglishWindow()
        : WindowFixture([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), english); })
    {
        form->show();
        form->setWindowState(Qt::WindowNoState);
        form->resize(988, 728);
        // A closed menu can stay the active window on the offscreen platform.
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    }

    QAction& action(ActionId a) { return form->actions().action(a); }

    QRgb centre(QWidget* widget) { return widget->grab().toImage().pixel(widget->rect().center()); }

    QString alleWerte()
    {
        QGuiApplication::clipboard()->clear();
        // A closed menu can stay the active window on the offscreen platform.
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        return QGuiApplication::clipboard()->text();
    }

    // Keys typed into whatever menu is open, as a user goes through the menus.
    void menuTaste(Qt::Key taste)
    {
        QWidget* menu = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (menu = QApplication::activePopupWidget()) != nullptr; }));
        QTest::keyClick(menu, taste);
    }
};

QRgb ausHex(const QString& hex)
{
    return 0xff000000u | hex.mid(1).toUInt(nullptr, 16);
}

} // namespace

TEST(ColourVisionWindow, AltVVDShowsDeuteranopiaInThePixelsOnly)
{
    EnglishWindow f;
    const QString vorher = f.alleWerte();
    ASSERT_FALSE(vorher.isEmpty());
    EXPECT_TRUE(f.action(ActionId::colourVisionNormal).isChecked());

    QTest::keyClick(f.form.get(), Qt::Key_V, Qt::AltModifier);
    f.menuTaste(Qt::Key_V);
    PaintCounter field{f.w().fields.Anzeige_Normal}, muster{f.w().values.Panel4}, bandBild{f.w().band.Image2};
    f.menuTaste(Qt::Key_D);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.action(ActionId::colourVisionDeuteranopia).isChecked(); }));
    // The window repaints by itself what it shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.count > 0 && muster.count > 0 && bandBild.count > 0; }));
    EXPECT_FALSE(f.action(ActionId::colourVisionNormal).isChecked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));

    const QString hex = f.w().values.SGrObHex->text();
    const QRgb echt = ausHex(hex);
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour().rgb(), echt);
    EXPECT_EQ(f.centre(f.w().fields.Anzeige_Normal), deuteranopia(echt));
    EXPECT_NE(deuteranopia(echt), echt);
    EXPECT_EQ(f.centre(f.w().values.Panel4), deuteranopia(f.w().values.Panel4->colour().rgb())); // its swatch
    EXPECT_EQ(f.w().values.SGrObHex->text(), hex);
    EXPECT_EQ(f.alleWerte(), vorher);

    QLabel* status = f.form->colourVision().statusText();
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), QStringLiteral("Simulated color vision: Deuteranopia"));

    // The band picture goes through the same simulation.
    PictureBox* band = f.w().band.Image2;
    const QPoint p(100, 10);
    EXPECT_EQ(band->grab().toImage().pixel(p), deuteranopia(band->image().pixel(p)));

    f.action(ActionId::colourVisionNormal).trigger();
    EXPECT_EQ(f.centre(f.w().fields.Anzeige_Normal), echt);
    EXPECT_EQ(band->grab().toImage().pixel(p), band->image().pixel(p));
    EXPECT_FALSE(status->isVisible());
}

TEST(ColourVisionWindow, GermanStatusBarNamesTheSimulation)
{
    WindowFixture f([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), 7); });
    f.form->show();
    f.form->actions().action(ActionId::colourVisionProtanopia).trigger();
    EXPECT_EQ(f.form->colourVision().statusText()->text(),
              QStringLiteral("Simuliertes Farbsehen: Protanopie"));
    EXPECT_EQ(f.form->actions().menu(MenuId::colourVision).title(), QStringLiteral("Farbsehen &simulieren"));
}

TEST(ColourVisionWindow, AchromatopsiaGreysTheTextViewButNotItsPalette)
{
    EnglishWindow f;
    QTest::mouseClick(f.form->actions().toolBar().widgetForAction(&f.action(ActionId::TextAnstelleFlaechen)),
                      Qt::LeftButton);
    QTextEdit* edit = f.w().fields.RichEdit1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->isVisible(); }));
    auto note = [edit] {
        const QRgb text = edit->palette().color(QPalette::Text).rgb();
        const QRgb field = edit->palette().color(QPalette::Base).rgb();
        return QStringLiteral("Contrast of the text on the field: %1:1 (WCAG 2.2), Lc %2 (APCA)")
            .arg(ratioText(contrastRatio(text, field)), lcText(apcaLc(text, field)));
    };
    EXPECT_EQ(edit->toolTip(), note());
    // Another base colour: the hint follows.
    const QString vorher = edit->toolTip();
    klick(f.w().band.Image2, {400, 30});
    EXPECT_NE(edit->toolTip(), vorher);
    EXPECT_EQ(edit->toolTip(), note());
    const QColor text = edit->palette().color(QPalette::Text);

    f.action(ActionId::colourVisionAchromatopsia).trigger();
    const QImage picture = edit->grab().toImage();
    for (int x = 0; x < picture.width(); x += 7)
        EXPECT_TRUE(qRed(picture.pixel(x, 2)) == qGreen(picture.pixel(x, 2)) &&
                    qGreen(picture.pixel(x, 2)) == qBlue(picture.pixel(x, 2)))
            << x;
    EXPECT_EQ(edit->palette().color(QPalette::Text), text);
}

TEST(ColourVisionWindow, ContrastWindowFollowsTheDisplayAndCopiesTheMatrix)
{
    EnglishWindow f;
    f.action(ActionId::contrast).trigger();
    ContrastWindow* topWindow = f.form->colourVision().contrastWindow();
    ASSERT_NE(topWindow, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow->isVisible(); }));
    EXPECT_EQ(topWindow->windowTitle(), QStringLiteral("Contrast"));
    auto* tableWidget = topWindow->findChild<QTableWidget*>(QStringLiteral("kontrastTabelle"));
    const std::vector<QRgb> zwei = topWindow->shownColours();
    ASSERT_GE(zwei.size(), 2u);
    EXPECT_EQ(zwei.front(), f.w().fields.Anzeige_Normal->colour().rgb());
    EXPECT_EQ(tableWidget->rowCount(), static_cast<int>(zwei.size()));
    // Row: text, column: background.
    EXPECT_TRUE(tableWidget->item(1, 0)->text().startsWith(ratioText(contrastRatio(zwei[1], zwei[0]))));
    EXPECT_TRUE(tableWidget->item(1, 0)->text().contains(lcText(apcaLc(zwei[1], zwei[0]))));

    QTest::mouseClick(topWindow->findChild<QPushButton*>(QStringLiteral("kontrastKopieren")), Qt::LeftButton);
    const QStringList rowList =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rowList.size(), static_cast<int>(zwei.size()) + 1);
    EXPECT_TRUE(rowList[0].startsWith(QStringLiteral("Text \\ Background\t") + hexColour(zwei[0]) +
                                      QStringLiteral(" ratio\t")));
    EXPECT_EQ(rowList[1].split(QLatin1Char('\t')).size(), 1 + 2 * static_cast<int>(zwei.size()));

    klick(f.w().band.Image2, {400, 30});
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow->matrix().farben != zwei; }));
    EXPECT_EQ(topWindow->matrix().farben, topWindow->shownColours());
    EXPECT_EQ(tableWidget->horizontalHeaderItem(0)->text(), hexColour(topWindow->matrix().farben[0]));

    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == f.form.get(); }));
    QTest::keyClick(f.form.get(), Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() > static_cast<int>(zwei.size()); }));
    EXPECT_EQ(topWindow->matrix().farben, topWindow->shownColours());

    // Fewer row fields hide some without recolouring the others.
    QTest::keyClick(f.form.get(), Qt::Key_F6);
    stufenWaehlen(f.w(), 7);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() == 15; }));
    stufenWaehlen(f.w(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() == 5; }));
    EXPECT_EQ(topWindow->matrix().farben, topWindow->shownColours());
    EXPECT_EQ(std::count(topWindow->matrix().farben.begin(), topWindow->matrix().farben.end(),
                         f.w().fields.AnzeigeReihen->colour().rgb()),
              0)
        << "colour rows stand on the window background, no field";

    // A fanning shows its rows on the big field.
    QTest::keyClick(f.form.get(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !topWindow->matrix().farben.empty() &&
               topWindow->matrix().farben.front() == f.w().fields.Anzeige_Normal->colour().rgb();
    }));
    EXPECT_EQ(tableWidget->rowCount(), 1 + 5);
}

TEST(ColourVisionWindow, PopupPreviewShowsTritanopiaWithItsRealColoursKept)
{
    EnglishWindow f;
    f.action(ActionId::colourVisionTritanopia).trigger();
    bool gesehen = false;
    onNextModal<TForm2>([&](TForm2& d) {
        gesehen = true;
        const QColor block = f.w().fields.KleinRechts->colour();
        EXPECT_EQ(d.Panel[1]->colour(), block);
        EXPECT_EQ(f.centre(d.Panel[1]), tritanopia(block.rgb()));
        EXPECT_EQ(f.centre(d.PanelBg), tritanopia(d.PanelBg->colour().rgb()));
        d.reject();
    });
    QTest::keyClick(f.form.get(), Qt::Key_F9);
    EXPECT_TRUE(gesehen);
}

TEST(ColourVisionWindow, ContrastWindowTakesBothHalvesOfAFixedDisplay)
{
    EnglishWindow f;
    f.action(ActionId::contrast).trigger();
    ContrastWindow* topWindow = f.form->colourVision().contrastWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow->isVisible(); }));
    const std::vector<QRgb> eine = topWindow->matrix().farben;
    ASSERT_EQ(eine.size(), 2u); // big field and one small field

    QTest::mouseClick(f.form->actions().toolBar().widgetForAction(&f.action(ActionId::fixieren)),
                      Qt::LeftButton);
    klick(f.w().band.Image2, {500, 30});
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow->matrix().farben.size() == 4; }));
    EXPECT_EQ(std::vector<QRgb>(topWindow->matrix().farben.begin(), topWindow->matrix().farben.begin() + 2),
              eine)
        << "the fixed left half first, as it was";
    EXPECT_EQ(topWindow->matrix().farben[2], f.w().fields.FixedRechts->colour().rgb());
}

// The window and the command line take the shown colours from one place: for
// every seed file the window's pairs are the lines `--contrast` prints.
TEST(ColourVisionWindow, ContrastWindowListsThePairsTheCommandLinePrints)
{
    const QDir folder(QStringLiteral(TINCTORA_TEST_DATA "/fuzz/settings_file"));
    const QStringList seeds = folder.entryList({QStringLiteral("seed-*")}, QDir::Files, QDir::Name);
    ASSERT_GE(seeds.size(), 5);
    for (const QString& name : seeds) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder.filePath(name);
        QProcess cli;
        cli.start(QStringLiteral(TINCTORA_PROGRAM_DATA "/tinctora"), {QStringLiteral("--contrast"), path});
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0);
        QStringList printed = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        printed.removeFirst(); // the head line

        EnglishWindow f;
        f.form->fileItem().openPath(path);
        f.action(ActionId::contrast).trigger();
        ContrastWindow* topWindow = f.form->colourVision().contrastWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return topWindow->isVisible() && !topWindow->matrix().farben.empty(); }));
        const ContrastMatrix& m = topWindow->matrix();
        QStringList pairs;
        std::vector<QRgb> seen;
        for (std::size_t t = 0; t < m.farben.size(); ++t) {
            if (std::find(seen.begin(), seen.end(), m.farben[t]) != seen.end())
                continue;
            seen.push_back(m.farben[t]);
            std::vector<QRgb> backgrounds;
            for (std::size_t h = 0; h < m.farben.size(); ++h) {
                if (m.farben[h] == m.farben[t] ||
                    std::find(backgrounds.begin(), backgrounds.end(), m.farben[h]) != backgrounds.end())
                    continue;
                backgrounds.push_back(m.farben[h]);
                pairs << hexColour(m.farben[t]) + '\t' + hexColour(m.farben[h]) + '\t' +
                             ratioText(m.cells[t][h].ratio) + '\t' + lcText(m.cells[t][h].lc);
            }
        }
        EXPECT_EQ(pairs, printed);
    }
}
