#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "cli/ScaleReports.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"
#include "core/language/LanguageTable.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/KontrastFenster.h"
#include "ui/documents/ScalesWindow.h"
#include "ui/documents/TForm4.h"
#include "ui/shell/FarbsehenAktionen.h"

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
    void modus(const char* aktion) { form->aktion(aktion)->trigger(); }
};

// Every label and button of `fenster` shows its whole text inside the window.
void allesLesbar(const QWidget& fenster, const char* wo)
{
    const QRect innen = fenster.rect();
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&fenster))
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
        const QRect r(w->mapTo(&fenster, QPoint(0, 0)), w->size());
        EXPECT_TRUE(innen.contains(r)) << wo << ": \"" << qPrintable(text) << "\" lies outside the window";
    }
}

} // namespace

TEST(WindowContent, ColourFormatsGrowForLongerValuesInBothLanguages)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        f.form->aktion("farbformate")->trigger();
        ColourFormatsWindow* fenster = f.form->farbformate();
        ASSERT_TRUE(fenster && QTest::qWaitFor([&] { return fenster->isVisible(); }));
        allesLesbar(*fenster, "formats");
        // An orange field: the CMYK line is among the longest.
        f.modus("viererHarmonien");
        for (int x : {40, 120, 260, 500}) {
            klick(f.w().Image2, {x, 30});
            klick(f.w().KleinRechts);
            QCoreApplication::processEvents();
            allesLesbar(*fenster, "formats after a click");
        }
        const QString hsl = fenster->findChild<QLabel*>(QStringLiteral("wert2"))->text();
        EXPECT_EQ(hsl.contains(QLatin1Char(',')), version == 7) << qPrintable(hsl); // decimal comma in German
        QTest::mouseClick(fenster->findChild<QPushButton*>(QStringLiteral("kopieren2")), Qt::LeftButton);
        EXPECT_FALSE(QGuiApplication::clipboard()->text().contains(QLatin1Char(','))); // CSS keeps its points
    }
}

TEST(WindowContent, IntermediateValuesShowEveryRowAndName)
{
    for (int version : {7, 11})
        for (const char* modus : {"auffaecherungen", "farbreihen"})
            for (int stufen : {4, 7}) { // 9 and 15 fields
                Fenster f(version);
                f.modus(modus);
                stufenWaehlen(f.w(), stufen);
                bool gesehen = false;
                onNextModal<TForm4>([&](TForm4& d) {
                    gesehen = true;
                    allesLesbar(d, modus);
                    const QWidget* letzte = d.zeile(d.zeilen().size() - 1);
                    EXPECT_LT(letzte->geometry().bottom(), d.Button1->y());
                    EXPECT_LE(d.height() - d.Button1->geometry().bottom(), 20) << "empty bottom";
                    d.accept();
                });
                QTest::mouseClick(f.w().Button1, Qt::LeftButton);
                EXPECT_TRUE(gesehen);
            }
}

TEST(WindowContent, ContrastWindowFitsItsMatrixAndLeavesTheDiagonalEmpty)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->sprache;
        f.modus("viererHarmonien");
        klick(f.w().PaintBox3, {256, 255}); // the big field black: the others read on it
        f.form->aktion("kontrast")->trigger();
        KontrastFenster* fenster = f.form->farbsehen().kontrastFenster();
        ASSERT_TRUE(fenster && QTest::qWaitFor([&] { return fenster->isVisible(); }));
        auto* tabelle = fenster->findChild<QTableWidget*>(QStringLiteral("kontrastTabelle"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tabelle->rowCount() == 4; }));
        // Four colours: the whole matrix, no scrolling, no empty room beside it.
        const auto leer = [&] {
            return tabelle->viewport()->width() - tabelle->horizontalHeader()->length();
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return leer() >= 0 && leer() < 40; })) << leer();
        EXPECT_FALSE(tabelle->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(tabelle->verticalScrollBar()->isVisible());
        allesLesbar(*fenster, "contrast");
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(!tabelle->item(i, i) || tabelle->item(i, i)->text().isEmpty()) << i;
            for (int j = 0; j < 4; ++j) {
                if (i == j)
                    continue;
                const QString zeile = tabelle->item(i, j)->text().section(QLatin1Char('\n'), 0, 0);
                EXPECT_LE(tabelle->fontMetrics().horizontalAdvance(zeile), tabelle->columnWidth(j));
            }
        }
        // AA and AAA for large text from 4.5; the German texts write a decimal comma.
        const KontrastMatrix& m = fenster->matrix();
        bool mittlereStufe = false;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j) {
                const double v = m.zellen[i][j].verhaeltnis;
                if (i == j || v < 4.5 || v >= 7)
                    continue;
                mittlereStufe = true;
                const QString text = tabelle->item(static_cast<int>(i), static_cast<int>(j))->text();
                EXPECT_TRUE(text.contains(t.text(Txt::kontrastAaaGross))) << qPrintable(text);
                EXPECT_TRUE(text.startsWith(verhaeltnisText(v, t.dezimalzeichen()))) << qPrintable(text);
            }
        if (!mittlereStufe)
            ADD_FAILURE() << "no colour pair between 4.5 and 7 to look at";

        // Sixteen colours: as large as the screen allows, not larger.
        f.modus("auffaecherungen");
        stufenWaehlen(f.w(), 7);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tabelle->rowCount() >= 15; }));
        const QSize rahmen = fenster->frameGeometry().size() - fenster->size();
        const QSize bildschirm = fenster->screen()->availableGeometry().size() - rahmen;
        EXPECT_TRUE(QTest::qWaitFor([&] { return fenster->width() == bildschirm.width(); }))
            << fenster->width();
        EXPECT_LE(fenster->height(), bildschirm.height());
    }
}

namespace
{

// Every cell of the shown set as `--scales` prints the same colours with `r`.
void wieDieKommandozeile(const Fenster& f, const ScalesWindow& fenster, int satz, const ScaleRequest& r)
{
    const LanguageTable& t = f.blind->sprache;
    const QChar dezimal = t.dezimalzeichen();
    const QStringList zeilen = scalesReport(paletteColours(paletteAus(f.s(), t)), r, QString())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QTableWidget* tabelle = fenster.tabelle(satz);
    ASSERT_EQ(zeilen.size(), tabelle->rowCount() * tabelle->columnCount());
    ASSERT_EQ(tabelle->columnCount(), r.targets.size());
    for (int i = 0; i < zeilen.size(); ++i) {
        const QStringList feld = zeilen[i].split(QLatin1Char('\t'));
        const int zeile = i / tabelle->columnCount(), spalte = i % tabelle->columnCount();
        EXPECT_EQ(tabelle->verticalHeaderItem(zeile)->text(), feld[0]);
        const QString zelle = tabelle->item(zeile, spalte)->text();
        if (feld[2] == QLatin1String("-")) {
            EXPECT_EQ(zelle, QStringLiteral("-"));
            EXPECT_TRUE(tabelle->item(zeile, spalte)->toolTip().contains(hexFarbe(r.background)));
            continue;
        }
        const QString wert = r.method == ContrastMethod::wcag2 ? feld[3] + QStringLiteral(":1")
                                                               : QStringLiteral("Lc ") + feld[4];
        EXPECT_TRUE(zelle.startsWith(feld[2])) << qPrintable(zelle) << " / " << qPrintable(zeilen[i]);
        EXPECT_TRUE(zelle.endsWith(QString(wert).replace(QLatin1Char('.'), dezimal)))
            << qPrintable(zelle) << " / " << qPrintable(zeilen[i]);
    }
}

void eintippen(QWidget* feld, const QString& text)
{
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
}

} // namespace

TEST(WindowContent, ScalesWindowShowsWhatTheCommandLinePrintsAndFollowsTheDisplay)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->sprache;
        const bool deutsch = version == 7;
        f.modus("viererHarmonien");
        klick(f.w().Image2, {260, 30});
        f.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
        QTest::keyClick(f.form.get(), Qt::Key_F7);
        ScalesWindow* fenster = f.form->skalen();
        ASSERT_TRUE(fenster && QTest::qWaitFor([&] { return fenster->isVisible(); }));
        EXPECT_EQ(fenster->windowTitle(), deutsch ? QStringLiteral("Skalen") : QStringLiteral("Scales"));
        QTableWidget* hell = fenster->tabelle(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->rowCount() == 4; }));
        allesLesbar(*fenster, "scales");
        // Seven targets are wider than the test screen: as wide as it allows, not wider.
        const auto ganz = [&] {
            return !hell->horizontalScrollBar()->isVisible() && !hell->verticalScrollBar()->isVisible();
        };
        const int bildschirm = fenster->screen()->availableGeometry().width() -
                               (fenster->frameGeometry().width() - fenster->width());
        EXPECT_TRUE(QTest::qWaitFor([&] { return ganz() || fenster->width() == bildschirm; }))
            << fenster->width();
        EXPECT_LE(fenster->width(), bildschirm);
        wieDieKommandozeile(f, *fenster, 0, ScaleRequest{});

        // A band click changes every colour; the table follows.
        const QString vorher = hell->verticalHeaderItem(0)->text();
        klick(f.w().Image2, {520, 30});
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->verticalHeaderItem(0)->text() != vorher; }));
        wieDieKommandozeile(f, *fenster, 0, ScaleRequest{});

        // APCA with two typed targets.
        auto* methode = fenster->findChild<QComboBox*>(QStringLiteral("methode"));
        methode->setFocus();
        QTest::keyClick(methode, Qt::Key_Down);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fenster->methode() == ContrastMethod::apca; }));
        EXPECT_EQ(hell->columnCount(), 6);
        auto* ziele = fenster->findChild<QLineEdit*>(QStringLiteral("ziele"));
        eintippen(ziele, deutsch ? QStringLiteral("90; 30,5") : QStringLiteral("90, 30.5"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return hell->columnCount() == 2; }));
        EXPECT_TRUE(QTest::qWaitFor(ganz)) << "two targets: the whole table, no scrolling";
        EXPECT_EQ(ziele->text(), deutsch ? QStringLiteral("30,5; 90") : QStringLiteral("30.5, 90"));
        wieDieKommandozeile(f, *fenster, 0,
                            ScaleRequest{qRgb(255, 255, 255), ContrastMethod::apca, {30.5, 90}});

        // The dark set on a typed mid grey: some targets out of reach.
        auto* seiten = fenster->findChild<QTabWidget*>();
        QTest::mouseClick(seiten->tabBar(), Qt::LeftButton, {}, seiten->tabBar()->tabRect(1).center());
        auto* dunkel = fenster->findChild<QComboBox*>(QStringLiteral("hintergrundDunkel"));
        eintippen(dunkel->lineEdit(), QStringLiteral("777777"));
        const QTableWidget* tabelle = fenster->tabelle(1);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return fenster->skalen(1).size() == 4 && tabelle->rowCount() == 4; }));
        EXPECT_EQ(dunkel->currentText(), QStringLiteral("#777777"));
        wieDieKommandozeile(f, *fenster, 1,
                            ScaleRequest{qRgb(0x77, 0x77, 0x77), ContrastMethod::apca, {30.5, 90}});
        bool fehlt = false;
        for (int r = 0; r < 4; ++r)
            fehlt = fehlt || tabelle->item(r, 1)->text() == QStringLiteral("-");
        EXPECT_TRUE(fehlt) << "Lc 90 against mid grey is out of reach";

        // Copies: a cell's hex, the whole set with the interface's decimals.
        const QRect zelle = tabelle->visualItemRect(tabelle->item(0, 0));
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseClick(fenster->findChild<QPushButton*>(QStringLiteral("kopieren0")), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), hexFarbe(fenster->skalen(1)[0].steps[0].rgb));
        QTest::mouseClick(fenster->findChild<QPushButton*>(QStringLiteral("kopieren2")), Qt::LeftButton);
        const QStringList kopie =
            QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(kopie.size(), 5);
        EXPECT_EQ(kopie[0], t.text(Txt::skalenFarbe) +
                                (deutsch ? QStringLiteral("\tLc 30,5\t") : QStringLiteral("\tLc 30.5\t")) +
                                t.text(Txt::skalenErreicht) + QStringLiteral("\tLc 90\t") +
                                t.text(Txt::skalenErreicht));
        EXPECT_EQ(kopie[1].split(QLatin1Char('\t')).size(), 5);
        allesLesbar(*fenster, "scales, dark");
    }
}

TEST(WindowContent, ContrastWindowMarksARedGreenPairUnderTheKindsThatConfuseIt)
{
    for (int version : {7, 11}) {
        Fenster f(version);
        const LanguageTable& t = f.blind->sprache;
        const QRgb rot = qRgb(0x64, 0x1E, 0x00), gruen = qRgb(0x1E, 0x3C, 0x00), weiss = qRgb(255, 255, 255);
        KontrastFenster fenster(t, [&] { return std::vector<QRgb>{rot, gruen, weiss}; });
        fenster.show();
        auto* tabelle = fenster.findChild<QTableWidget*>(QStringLiteral("kontrastTabelle"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tabelle->rowCount() == 3; }));
        for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 0}}) {
            const QTableWidgetItem* zelle = tabelle->item(a, b);
            EXPECT_TRUE(zelle->text().section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(" \u2248")));
            for (Farbsehen art : {Farbsehen::protanopie, Farbsehen::deuteranopie})
                EXPECT_TRUE(zelle->toolTip().contains(farbsehenName(t, art))) << qPrintable(zelle->toolTip());
            EXPECT_FALSE(zelle->toolTip().contains(farbsehenName(t, Farbsehen::tritanopie)));
            EXPECT_TRUE(zelle->toolTip().contains(
                QRegularExpression(version == 7 ? QStringLiteral("\\d,\\d") : QStringLiteral("\\d\\.\\d"))));
        }
        for (const auto& [a, b] : {std::pair{0, 2}, std::pair{2, 1}}) {
            EXPECT_FALSE(tabelle->item(a, b)->text().contains(QStringLiteral("\u2248")));
            EXPECT_TRUE(tabelle->item(a, b)->toolTip().isEmpty());
        }
    }
}
