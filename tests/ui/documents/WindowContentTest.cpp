#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/documents/ContrastTable.h"
#include "core/language/LanguageTable.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/KontrastFenster.h"
#include "ui/documents/TForm4.h"
#include "ui/shell/FarbsehenAktionen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

// The Color Formats, intermediate values and Contrast windows show all their
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
            text = l->text();
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
