#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "cli/ScaleReports.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/ContrastWindow.h"
#include "ui/documents/ScalesWindow.h"
#include "ui/documents/TForm4.h"
#include "ui/shell/ColourVisionActions.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

// The Color Formats, intermediate values, Contrast and Scales windows show all their
// text, in both languages, and take the size their content needs, up to the screen.

namespace
{

// A shown window in the given language ("TNVersion" 7 German, 11 English).
struct Fenster : WindowFixture {
    explicit Fenster(int version)
        : WindowFixture(
              [version](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), version); })
    {
        form->show();
        form->setWindowState(Qt::WindowNoState);
        form->resize(988, 728);
    }
    void harmonyMode(const char* actionItem) { form->actionItem(actionItem)->trigger(); }
};

// Every label and button of `topWindow` shows its whole text inside the window.
void allesLesbar(const QWidget& topWindow, const char* wo)
{
    const QRect inside = topWindow.rect();
    for (const QWidget* w : topWindow.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&topWindow))
            continue;
        QString text;
        if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->wordWrap())
            text = l->buddy() ? l->text().remove(QLatin1Char('&')) : l->text();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            text = b->text().remove(QLatin1Char('&'));
        if (text.isEmpty())
            continue;
        const int noetig = w->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(noetig, w->contentsRect().width()) << wo << ": \"" << qPrintable(text) << "\"";
        const QRect r(w->mapTo(&topWindow, QPoint(0, 0)), w->size());
        EXPECT_TRUE(inside.contains(r)) << wo << ": \"" << qPrintable(text) << "\" lies outside the window";
    }
}

} // namespace

TEST(WindowContent, ColourFormatsGrowForLongerValuesInBothLanguages)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        f.form->actionItem("farbformate")->trigger();
        ColourFormatsWindow* topWindow = f.form->colourFormats();
        ASSERT_TRUE(topWindow && QTest::qWaitFor([&] { return topWindow->isVisible(); }));
        allesLesbar(*topWindow, "formats");
        // An orange field: the CMYK line is among the longest.
        f.harmonyMode("viererHarmonien");
        for (int x : {40, 120, 260, 500}) {
            klick(f.w().band.Image2, {x, 30});
            klick(f.w().fields.KleinRechts);
            QCoreApplication::processEvents();
            allesLesbar(*topWindow, "formats after a click");
        }
        const QString hsl = topWindow->findChild<QLabel*>(QStringLiteral("wert2"))->text();
        EXPECT_EQ(hsl.contains(QLatin1Char(',')), version == 7) << qPrintable(hsl); // decimal comma in German
        QTest::mouseClick(topWindow->findChild<QPushButton*>(QStringLiteral("kopieren2")), Qt::LeftButton);
        EXPECT_FALSE(QGuiApplication::clipboard()->text().contains(QLatin1Char(','))); // CSS keeps its points
    }
}

TEST(WindowContent, IntermediateValuesShowEveryRowAndName)
{
    for (int version : {7, 11})
        for (const char* harmonyMode : {"auffaecherungen", "farbreihen"})
            for (int stepCount : {4, 7}) { // 9 and 15 fields
                Fenster f(version);
                f.harmonyMode(harmonyMode);
                stufenWaehlen(f.w(), stepCount);
                bool gesehen = false;
                onNextModal<TForm4>([&](TForm4& d) {
                    gesehen = true;
                    allesLesbar(d, harmonyMode);
                    const QWidget* last = d.rowLine(d.rowList().size() - 1);
                    EXPECT_LT(last->geometry().bottom(), d.Button1->y());
                    EXPECT_LE(d.height() - d.Button1->geometry().bottom(), 20) << "empty bottom";
                    d.accept();
                });
                QTest::mouseClick(f.w().rowControls.Button1, Qt::LeftButton);
                EXPECT_TRUE(gesehen);
            }
}

TEST(WindowContent, ContrastWindowFitsItsMatrixAndLeavesTheDiagonalEmpty)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->uiLanguage;
        f.harmonyMode("viererHarmonien");
        klick(f.w().lightDark.PaintBox3, {256, 255}); // the big field black: the others read on it
        f.form->actionItem("kontrast")->trigger();
        ContrastWindow* topWindow = f.form->colourVision().contrastWindow();
        ASSERT_TRUE(topWindow && QTest::qWaitFor([&] { return topWindow->isVisible(); }));
        auto* tableWidget = topWindow->findChild<QTableWidget*>(QStringLiteral("kontrastTabelle"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() == 4; }));
        // Four colours: the whole matrix, no scrolling, no empty room beside it.
        const auto blank = [&] {
            return tableWidget->viewport()->width() - tableWidget->horizontalHeader()->length();
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return blank() >= 0 && blank() < 40; })) << blank();
        EXPECT_FALSE(tableWidget->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(tableWidget->verticalScrollBar()->isVisible());
        allesLesbar(*topWindow, "contrast");
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(!tableWidget->item(i, i) || tableWidget->item(i, i)->text().isEmpty()) << i;
            for (int j = 0; j < 4; ++j) {
                if (i == j)
                    continue;
                const QString rowLine = tableWidget->item(i, j)->text().section(QLatin1Char('\n'), 0, 0);
                EXPECT_LE(tableWidget->fontMetrics().horizontalAdvance(rowLine), tableWidget->columnWidth(j));
            }
        }
        // AA and AAA for large text from 4.5; the German texts write a decimal comma.
        const ContrastMatrix& m = topWindow->matrix();
        bool mittlereStufe = false;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j) {
                const double v = m.cells[i][j].ratio;
                if (i == j || v < 4.5 || v >= 7)
                    continue;
                mittlereStufe = true;
                const QString text = tableWidget->item(static_cast<int>(i), static_cast<int>(j))->text();
                EXPECT_TRUE(text.contains(t.text(Txt::contrastAaaLarge))) << qPrintable(text);
                EXPECT_TRUE(text.startsWith(ratioText(v, t.decimalSeparator()))) << qPrintable(text);
            }
        if (!mittlereStufe)
            ADD_FAILURE() << "no colour pair between 4.5 and 7 to look at";

        // Sixteen colours: as large as the screen allows, not larger.
        f.harmonyMode("auffaecherungen");
        stufenWaehlen(f.w(), 7);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() >= 15; }));
        const QSize frame = topWindow->frameGeometry().size() - topWindow->size();
        const QSize bildschirm = topWindow->screen()->availableGeometry().size() - frame;
        EXPECT_TRUE(QTest::qWaitFor([&] { return topWindow->width() == bildschirm.width(); }))
            << topWindow->width();
        EXPECT_LE(topWindow->height(), bildschirm.height());
    }
}

namespace
{

// Every cell of the shown set as `--scales` prints the same colours with `r`.
void wieDieKommandozeile(const Fenster& f, const ScalesWindow& topWindow, int record, const ScaleRequest& r)
{
    const LanguageTable& t = f.blind->uiLanguage;
    const QChar decimal = t.decimalSeparator();
    const QStringList rowList = scalesReport(paletteColours(paletteFrom(f.s(), t)), r, QString())
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QTableWidget* tableWidget = topWindow.tableWidget(record);
    ASSERT_EQ(rowList.size(), tableWidget->rowCount() * tableWidget->columnCount());
    ASSERT_EQ(tableWidget->columnCount(), r.targets.size());
    for (int i = 0; i < rowList.size(); ++i) {
        const QStringList field = rowList[i].split(QLatin1Char('\t'));
        const int rowLine = i / tableWidget->columnCount(), column = i % tableWidget->columnCount();
        EXPECT_EQ(tableWidget->verticalHeaderItem(rowLine)->text(), field[0]);
        const QString zelle = tableWidget->item(rowLine, column)->text();
        if (field[2] == QLatin1String("-")) {
            EXPECT_EQ(zelle, QStringLiteral("-"));
            EXPECT_TRUE(tableWidget->item(rowLine, column)->toolTip().contains(hexColour(r.background)));
            continue;
        }
        const QString value = r.method == ContrastMethod::wcag2 ? field[3] + QStringLiteral(":1")
                                                                : QStringLiteral("Lc ") + field[4];
        EXPECT_TRUE(zelle.startsWith(field[2])) << qPrintable(zelle) << " / " << qPrintable(rowList[i]);
        EXPECT_TRUE(zelle.endsWith(QString(value).replace(QLatin1Char('.'), decimal)))
            << qPrintable(zelle) << " / " << qPrintable(rowList[i]);
    }
}

void eintippen(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

TEST(WindowContent, ScalesWindowShowsWhatTheCommandLinePrintsAndFollowsTheDisplay)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->uiLanguage;
        const bool german = version == 7;
        f.harmonyMode("viererHarmonien");
        klick(f.w().band.Image2, {260, 30});
        f.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
        QTest::keyClick(f.form.get(), Qt::Key_F7);
        ScalesWindow* topWindow = f.form->colourScales();
        ASSERT_TRUE(topWindow && QTest::qWaitFor([&] { return topWindow->isVisible(); }));
        EXPECT_EQ(topWindow->windowTitle(), german ? QStringLiteral("Skalen") : QStringLiteral("Scales"));
        QTableWidget* hell = topWindow->tableWidget(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->rowCount() == 4; }));
        allesLesbar(*topWindow, "scales");
        // Seven targets are wider than the test screen: as wide as it allows, not wider.
        const auto whole = [&] {
            return !hell->horizontalScrollBar()->isVisible() && !hell->verticalScrollBar()->isVisible();
        };
        const int bildschirm = topWindow->screen()->availableGeometry().width() -
                               (topWindow->frameGeometry().width() - topWindow->width());
        EXPECT_TRUE(QTest::qWaitFor([&] { return whole() || topWindow->width() == bildschirm; }))
            << topWindow->width();
        EXPECT_LE(topWindow->width(), bildschirm);
        wieDieKommandozeile(f, *topWindow, 0, ScaleRequest{});

        // A band click changes every colour; the table follows.
        const QString vorher = hell->verticalHeaderItem(0)->text();
        klick(f.w().band.Image2, {520, 30});
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->verticalHeaderItem(0)->text() != vorher; }));
        wieDieKommandozeile(f, *topWindow, 0, ScaleRequest{});

        // APCA with two typed targets.
        auto* contrastMethod = topWindow->findChild<QComboBox*>(QStringLiteral("methode"));
        contrastMethod->setFocus();
        QTest::keyClick(contrastMethod, Qt::Key_Down);
        ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow->contrastMethod() == ContrastMethod::apca; }));
        EXPECT_EQ(hell->columnCount(), 6);
        auto* ziele = topWindow->findChild<QLineEdit*>(QStringLiteral("ziele"));
        eintippen(ziele, german ? QStringLiteral("90; 30,5") : QStringLiteral("90, 30.5"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->columnCount() == 2; }));
        EXPECT_TRUE(QTest::qWaitFor(whole)) << "two targets: the whole table, no scrolling";
        EXPECT_EQ(ziele->text(), german ? QStringLiteral("30,5; 90") : QStringLiteral("30.5, 90"));
        wieDieKommandozeile(f, *topWindow, 0,
                            ScaleRequest{qRgb(255, 255, 255), ContrastMethod::apca, {30.5, 90}});

        // The dark set on a typed mid grey: some targets out of reach.
        auto* pages = topWindow->findChild<QTabWidget*>();
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
        auto* dunkel = topWindow->findChild<QComboBox*>(QStringLiteral("hintergrundDunkel"));
        eintippen(dunkel->lineEdit(), QStringLiteral("777777"));
        const QTableWidget* tableWidget = topWindow->tableWidget(1);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return topWindow->colourScales(1).size() == 4 && tableWidget->rowCount() == 4; }));
        EXPECT_EQ(dunkel->currentText(), QStringLiteral("#777777"));
        wieDieKommandozeile(f, *topWindow, 1,
                            ScaleRequest{qRgb(0x77, 0x77, 0x77), ContrastMethod::apca, {30.5, 90}});
        bool fehlt = false;
        for (int r = 0; r < 4; ++r)
            fehlt = fehlt || tableWidget->item(r, 1)->text() == QStringLiteral("-");
        EXPECT_TRUE(fehlt) << "Lc 90 against mid grey is out of reach";

        // Copies: a cell's hex, the whole set with the interface's decimals.
        const QRect zelle = tableWidget->visualItemRect(tableWidget->item(0, 0));
        QTest::mouseClick(tableWidget->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseClick(topWindow->findChild<QPushButton*>(QStringLiteral("kopieren0")), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  hexColour(topWindow->colourScales(1)[0].steps[0].rgb));
        QTest::mouseClick(topWindow->findChild<QPushButton*>(QStringLiteral("kopieren2")), Qt::LeftButton);
        const QStringList kopie =
            QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(kopie.size(), 5);
        EXPECT_EQ(kopie[0], t.text(Txt::scalesColour) +
                                (german ? QStringLiteral("\tLc 30,5\t") : QStringLiteral("\tLc 30.5\t")) +
                                t.text(Txt::scalesAchieved) + QStringLiteral("\tLc 90\t") +
                                t.text(Txt::scalesAchieved));
        EXPECT_EQ(kopie[1].split(QLatin1Char('\t')).size(), 5);
        allesLesbar(*topWindow, "scales, dark");
    }
}

TEST(WindowContent, ContrastWindowMarksARedGreenPairUnderTheKindsThatConfuseIt)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->uiLanguage;
        const QRgb rot = qRgb(0x64, 0x1E, 0x00), gruen = qRgb(0x1E, 0x3C, 0x00), weiss = qRgb(255, 255, 255);
        ContrastWindow topWindow(t, [&] { return std::vector<QRgb>{rot, gruen, weiss}; });
        topWindow.show();
        auto* tableWidget = topWindow.findChild<QTableWidget*>(QStringLiteral("kontrastTabelle"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tableWidget->rowCount() == 3; }));
        for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 0}}) {
            const QTableWidgetItem* zelle = tableWidget->item(a, b);
            EXPECT_TRUE(zelle->text().section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(" \u2248")));
            for (ColourVisionKind variety : {ColourVisionKind::protanopia, ColourVisionKind::deuteranopia})
                EXPECT_TRUE(zelle->toolTip().contains(colourVisionName(t, variety)))
                    << qPrintable(zelle->toolTip());
            EXPECT_FALSE(zelle->toolTip().contains(colourVisionName(t, ColourVisionKind::tritanopia)));
            EXPECT_TRUE(zelle->toolTip().contains(
                QRegularExpression(version == 7 ? QStringLiteral("\\d,\\d") : QStringLiteral("\\d\\.\\d"))));
        }
        for (const auto& [a, b] : {std::pair{0, 2}, std::pair{2, 1}}) {
            EXPECT_FALSE(tableWidget->item(a, b)->text().contains(QStringLiteral("\u2248")));
            EXPECT_TRUE(tableWidget->item(a, b)->toolTip().isEmpty());
        }
    }
}
