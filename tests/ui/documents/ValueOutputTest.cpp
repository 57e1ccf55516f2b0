#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "platform/print/DialogPrinterChooser.h"
#include "ui/documents/TForm4.h"
#include "ui/documents/ValueOutput.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// Prints into PDF files of a temporary folder, one per job, without a dialog.
class PdfChooser : public PrinterChooser
{
public:
    explicit PdfChooser(int* auftraege, bool cancel = false) : m_auftraege(auftraege), m_abbrechen(cancel) {}
    QPrinter* setUpPrinter(QWidget*) override
    {
        ++*m_auftraege;
        if (m_abbrechen)
            return nullptr;
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(pathName(*m_auftraege));
        return m_printer.get();
    }
    QString pathName(int auftrag) const { return m_ordner.filePath(QString("job%1.pdf").arg(auftrag)); }

private:
    int* m_auftraege;
    bool m_abbrechen;
    QTemporaryDir m_ordner;
    std::unique_ptr<QPrinter> m_printer;
};

struct Wort {
    QString text;
    double x, y;
};

// The words of a PDF with their top-left corners in points, as poppler reads them.
std::vector<Wort> pdfWorte(const QString& pathName)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pathName, "-"});
    EXPECT_TRUE(p.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    // Ligatures ("fi") come back as their letters.
    const QString html =
        QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    static const QRegularExpression wort(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Wort> wordList;
    for (auto it = wort.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        wordList.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return wordList;
}

PdfChooser& pdfDrucker(ShownWindow& f, int* auftraege, bool cancel = false)
{
    auto c = std::make_unique<PdfChooser>(auftraege, cancel);
    PdfChooser& ref = *c;
    f.form->valueOutput().setPrinterChooser(std::move(c));
    return ref;
}

QString feldBlock(const char* name, const char* r, const char* g, const char* b, const char* hex)
{
    return QString("%1\r\nR: %2\r\nG: %3\r\nB: %4\r\nHEX: %5").arg(name, r, g, b, hex);
}

void aktivieren(ShownWindow& f)
{
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
}

void altC(ShownWindow& f)
{
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_C, Qt::AltModifier);
}

} // namespace

TEST(ValueOutput, AltCCopiesTheTwoColourFieldList)
{
    ShownWindow f;
    QGuiApplication::clipboard()->clear();
    altC(f);
    const QString erwartet = feldBlock("Big field", "218", "37", "29", "#DA251D") + "\r\n\r\n" +
                             feldBlock("Small field left-hand side", "-", "-", "-", "-") + "\r\n\r\n" +
                             feldBlock("Small field center", "-", "-", "-", "-") + "\r\n\r\n" +
                             feldBlock("Small field right-hand side", "0", "146", "141", "#00928D");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), erwartet);
}

TEST(ValueOutput, CopyingAFixedDisplayKeepsTheEditedSideAndField)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    f.form->actionItem("fixieren")->trigger();
    klick(f.w().fields.FixedLinksKleinLinks);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    const QString status = f.w().furniture.statusPanel1->text();
    altC(f);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text.count("-------------- FIXED --------------"), 1);
    EXPECT_TRUE(text.contains("right-hand side\r\nR: ", Qt::CaseSensitive));
    EXPECT_TRUE(text.contains(QRegularExpression(
        "HEX: #[0-9A-F]{6}\r\n\r\n\r\n-------------- FIXED --------------\r\n\r\nBig field\r\n")));
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(f.w().furniture.statusPanel1->text(), status);

    klick(f.w().fields.KleinRechts);
    ASSERT_FALSE(f.s().fixLinksAktiv);
    altC(f);
    EXPECT_FALSE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielRechts());
}

TEST(ValueOutput, PrintingWritesThePageAndEveryJobStartsAtTheTop)
{
    ShownWindow f;
    int auftraege = 0;
    PdfChooser& printerChooser = pdfDrucker(f, &auftraege);
    aktivieren(f);
    QTest::keyClick(f.form.get(), Qt::Key_P, Qt::ControlModifier);
    f.form->valueOutput().werteDruckenExecute();
    ASSERT_EQ(auftraege, 2);
    EXPECT_EQ(f.form->valueOutput().printLine(), 300);

    const std::vector<Wort> wordList = pdfWorte(printerChooser.pathName(1));
    QStringList textSet;
    for (const Wort& w : wordList)
        textSet << w.text;
    EXPECT_TRUE(
        textSet.join(' ').startsWith("Big field R: 218 G: 37 B: 29 HEX: #DA251D Small field left-hand side"))
        << textSet.join(' ').toStdString();
    ASSERT_GE(wordList.size(), 12u);
    // 600 units an inch: 100 units are 12 points.
    const auto punkte = [](int einheiten) { return einheiten * 72.0 / 600.0; };
    const Wort& big = wordList[0];
    EXPECT_NEAR(wordList[2].y - big.y, punkte(100), 0.5);  // "R:"
    EXPECT_NEAR(wordList[8].y - big.y, punkte(400), 0.5);  // "HEX:"
    EXPECT_NEAR(wordList[10].y - big.y, punkte(550), 0.5); // next name
    EXPECT_NEAR(wordList[2].x, big.x, 0.5);

    const std::vector<Wort> second = pdfWorte(printerChooser.pathName(2));
    ASSERT_FALSE(second.empty());
    EXPECT_NEAR(second[0].y, big.y, 0.1);
}

TEST(ValueOutput, CancelledPrinterSetUpPrintsNothing)
{
    ShownWindow f;
    int auftraege = 0;
    PdfChooser& printerChooser = pdfDrucker(f, &auftraege, true);
    f.form->actionItem("werteDrucken")->trigger();
    EXPECT_EQ(auftraege, 1);
    EXPECT_FALSE(QFile::exists(printerChooser.pathName(1)));
}

TEST(ValueOutput, PrintingAFixedDisplayKeepsTheEditedSideAndField)
{
    ShownWindow f;
    int auftraege = 0;
    PdfChooser& printerChooser = pdfDrucker(f, &auftraege);
    f.form->actionItem("fixieren")->trigger();
    klick(f.w().fields.FixedLinksKleinRechts);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    f.form->valueOutput().werteDruckenExecute();
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielRechts());
    const std::vector<Wort> wordList = pdfWorte(printerChooser.pathName(1));
    const auto separator =
        std::find_if(wordList.begin(), wordList.end(), [](const Wort& w) { return w.text == "FIXED"; });
    ASSERT_NE(separator, wordList.end());
    EXPECT_NEAR(separator->y - wordList[0].y, 2200 * 72.0 / 600.0, 0.5);
}

TEST(ValueOutput, IntermediateValuesWindowListsTheRowAndCopiesValues)
{
    ShownWindow f;
    f.harmonyMode("farbreihen");
    stufenWaehlen(f.w(), 1);
    ASSERT_TRUE(f.w().rowControls.Button1->isEnabled());
    QGuiApplication::clipboard()->setText("vorher");
    bool gesehen = false;
    onNextModal<TForm4>([&](TForm4& d) {
        gesehen = true;
        EXPECT_EQ(d.windowTitle(), "Intermediate Values");
        EXPECT_EQ(d.Button1->y(), 130);
        EXPECT_EQ(d.height(), d.Button1->geometry().bottom() + 1 + 12); // no empty bottom
        ASSERT_EQ(d.rowList().size(), 3u);                              // colour rows: no big row
        EXPECT_EQ(d.rowLine(0)->y(), 46);
        // Nothing picked yet: an empty text.
        d.PopupMenu1->actions().at(0)->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
        drueck(d.valueText(1, 3), {5, 5});
        EXPECT_EQ(d.valueText(1, 3)->background(), d.palette().color(QPalette::Highlight));
        d.PopupMenu1->actions().at(0)->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), d.valueSet()[1].hex);
        EXPECT_EQ(d.valueSet()[1].hex, f.w().fields.R[8]->colour().name().toUpper());
        drueck(d.rowLine(0), {2, 2});
        EXPECT_EQ(d.valueText(1, 3)->background(), d.palette().color(QPalette::Base));
        QTest::mouseClick(d.Button3, Qt::LeftButton);
        const QStringList rowList = QGuiApplication::clipboard()->text().split("\r\n");
        EXPECT_EQ(rowList.size(), 8);
        EXPECT_EQ(rowList[3], "Small field center");
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    QTest::mouseClick(f.w().rowControls.Button1, Qt::LeftButton);
    EXPECT_TRUE(gesehen);
}

TEST(ValueOutput, IntermediateValuesWindowOfFifteenFieldsPrints)
{
    ShownWindow f;
    int auftraege = 0;
    PdfChooser& printerChooser = pdfDrucker(f, &auftraege);
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(f.w(), 7);
    onNextModal<TForm4>([&](TForm4& d) {
        EXPECT_EQ(d.Button1->y(), 420);
        EXPECT_EQ(d.rowList().size(), 16u);
        QTest::mouseClick(d.Button2, Qt::LeftButton);
        d.accept();
    });
    QTest::mouseClick(f.w().rowControls.Button1, Qt::LeftButton);
    ASSERT_EQ(auftraege, 1);
    EXPECT_EQ(f.form->valueOutput().printLine(), 300);
    const std::vector<Wort> wordList = pdfWorte(printerChooser.pathName(1));
    ASSERT_FALSE(wordList.empty());
    EXPECT_EQ(wordList[0].text, "Big");
    const auto zentrum =
        std::find_if(wordList.begin(), wordList.end(), [](const Wort& w) { return w.text == "center"; });
    ASSERT_NE(zentrum, wordList.end());
    EXPECT_NEAR(zentrum->y - wordList[0].y, 8 * 150 * 72.0 / 600.0, 0.5);
}

// The dialog and Qt Print Support come from a library loaded at the first job.
TEST(ValueOutput, ThePrintDialogIsLoadedAtTheFirstJobAndAMissingOneIsReported)
{
    DialogPrinterChooser chooser([] { return QStringLiteral("not there"); },
                                 {QStringLiteral(TINCTORA_PROGRAM_DATA)});
    EXPECT_EQ(chooser.loaded(), nullptr);
    bool asked = false;
    onNextModal<QDialog>([&asked](QDialog& d) {
        asked = d.inherits("QPrintDialog");
        d.reject();
    });
    EXPECT_EQ(chooser.setUpPrinter(nullptr), nullptr) << "cancelled";
    EXPECT_TRUE(asked);
    EXPECT_NE(chooser.loaded(), nullptr);

    QTemporaryDir blank;
    DialogPrinterChooser missing([] { return QStringLiteral("not there"); }, {blank.path()});
    QString told;
    onNextModal<QMessageBox>([&told](QMessageBox& m) {
        told = m.text();
        m.reject();
    });
    EXPECT_EQ(missing.setUpPrinter(nullptr), nullptr);
    EXPECT_EQ(told, QStringLiteral("not there"));
    EXPECT_EQ(missing.loaded(), nullptr);
}
