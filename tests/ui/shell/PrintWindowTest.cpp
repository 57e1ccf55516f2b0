#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/language/LanguageTable.h"
#include "ui/dialogs/Einstellungen.h"
#include "ui/dialogs/PrintProfileSettings.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/ContrastWindow.h"
#include "ui/language/ActionRegistry.h"
#include "ui/shell/ColourVisionActions.h"
#include "ui/shell/PrintActions.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>

namespace
{

const QString press = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
const QString pressName = QStringLiteral("Artifex CMYK SWOP Profile");

// A window whose settings find one profile: a copy of the press profile in a folder of its own.
struct PrintWindow : ShownWindow {
    QTemporaryDir folder;
    QString copy = folder.filePath(QStringLiteral("press.icc"));

    PrintWindow()
    {
        EXPECT_TRUE(QFile::copy(press, copy));
        form->printActions().setProfileFolders({folder.path()});
    }

    // Runs the settings dialog: picks list entry `entry` on the print page, then OK or Cancel.
    void settings(int entry, bool ok, QString* tabText = nullptr)
    {
        bool ran = false;
        onNextModal<TEinstellungen>([&](TEinstellungen& d) {
            d.PageControl1->setCurrentWidget(d.printPage);
            if (tabText)
                *tabText = d.PageControl1->tabText(d.PageControl1->currentIndex());
            d.printPage->profileBox->setFocus();
            waehleEintrag(d.printPage->profileBox, entry);
            QTest::mouseClick(ok ? d.OKBtn : d.Button2, Qt::LeftButton);
            ran = true;
        });
        form->actions().action(ActionId::einstellungenMenu).trigger();
        EXPECT_TRUE(ran);
    }

    // The big field's colour, typed into the manual input.
    void bigField(const QString& hex)
    {
        onNextModal<TfEingabe>([&](TfEingabe& d) {
            QTest::mouseClick(d.Edit4, Qt::LeftButton);
            d.Edit4->selectAll();
            QTest::keyClicks(d.Edit4, hex);
            QTest::mouseClick(d.OKBtn, Qt::LeftButton);
        });
        werkzeug(*this, ActionId::gezielteManuelleEingabeVonWerten);
    }
};

// Pixels of the warning's yellow in the panel's top right corner.
int markPixels(ColourPanel* panel)
{
    const QImage picture = panel->grab().toImage();
    int count = 0;
    for (int y = 0; y < 20 && y < picture.height(); ++y)
        for (int x = std::max(0, picture.width() - 20); x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == QColor(255, 214, 0) ? 1 : 0;
    return count;
}

} // namespace

// Settings: OK keeps the chosen profile in the preferences and the window
// converts with it; Cancel changes nothing; a stored profile that no longer
// loads gives no profile at the next start.
TEST(PrintWindow, SettingsChooseTheProfileTheWindowConvertsWith)
{
    PrintWindow f;
    EXPECT_FALSE(f.form->printActions().conversion());
    QString tab;
    f.settings(1, true, &tab);
    EXPECT_EQ(tab, f.form->uiLanguage().text(Txt::printTab));
    EXPECT_EQ(f.prefs->printProfilePath, f.copy);
    ASSERT_TRUE(f.form->printActions().conversion());
    EXPECT_EQ(f.form->printActions().conversion()->profile().description(), pressName);

    f.settings(0, false);
    EXPECT_EQ(f.prefs->printProfilePath, f.copy);
    EXPECT_TRUE(f.form->printActions().conversion());

    f.prefs->speicherDaten();
    EXPECT_EQ(f.store->raw(QStringLiteral("cPrintProfile")).toString(), f.copy);

    QFile::remove(f.copy);
    WindowFixture next([&](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("cPrintProfile"), f.copy); });
    EXPECT_FALSE(next.form->printActions().conversion());

    f.settings(0, true);
    EXPECT_EQ(f.prefs->printProfilePath, QString());
    EXPECT_FALSE(f.form->printActions().conversion());
}

// Color Formats: with a profile a copyable line through it below the naive one,
// which says it has no profile (values from LittleCMS's transicc, relative
// colorimetric with black-point compensation).
TEST(PrintWindow, ColourFormatsShowCmykThroughTheProfile)
{
    PrintWindow f;
    f.bigField(QStringLiteral("#DA251D"));
    f.form->actions().action(ActionId::colourFormats).trigger();
    ColourFormatsWindow* window = f.form->colourFormats();
    ASSERT_NE(window, nullptr);
    auto* profileValue = window->findChild<QLabel*>(QStringLiteral("wert9"));
    ASSERT_NE(profileValue, nullptr);
    EXPECT_FALSE(profileValue->isVisible());

    f.settings(1, true);
    const LanguageTable& t = f.form->uiLanguage();
    const QString expected =
        QStringLiteral("cmyk(7.7% 98.7% 100.0% 1.0%)").replace(QLatin1Char('.'), t.decimalSeparator());
    EXPECT_TRUE(QTest::qWaitFor([&] { return profileValue->text() == expected; }))
        << qPrintable(profileValue->text());
    EXPECT_TRUE(profileValue->isVisible());
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    const auto shows = [&](const QString& text) {
        return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
    };
    EXPECT_TRUE(shows(t.text(Txt::formatsCmykProfile).arg(pressName)));
    EXPECT_TRUE(shows(t.text(Txt::formatsCmykNoProfile)));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("kopieren9")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

// The gamut warning marks a field the profile cannot print, only while it is on;
// the tooltip gives the distance.
TEST(PrintWindow, GamutWarningMarksAFieldOutsideThePrintGamut)
{
    PrintWindow f;
    f.bigField(QStringLiteral("#0000FF"));
    ColourPanel* big = f.w().fields.Anzeige_Normal;
    QAction& warning = f.form->actions().action(ActionId::gamutWarning);
    EXPECT_FALSE(warning.isChecked());
    warning.trigger(); // on, but no profile yet
    EXPECT_EQ(markPixels(big), 0);

    f.settings(1, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return markPixels(big) > 10; }));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), big->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(big, &help);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("ΔE2000 ")));

    // The contrast window's swatch of the same colour says so too.
    f.form->actions().action(ActionId::contrast).trigger();
    ASSERT_NE(f.form->colourVision().contrastWindow(), nullptr);
    auto* table = f.form->colourVision().contrastWindow()->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    QStringList tips;
    for (int i = 0; i < table->columnCount(); ++i)
        if (table->horizontalHeaderItem(i)->text() == QStringLiteral("#0000FF"))
            tips << table->horizontalHeaderItem(i)->toolTip();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_TRUE(tips.front().contains(QStringLiteral("ΔE2000 ")));
    f.form->colourVision().contrastWindow()->close();

    f.bigField(QStringLiteral("#808080"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return markPixels(big) == 0; }));
    f.bigField(QStringLiteral("#0000FF"));
    warning.trigger(); // off
    EXPECT_TRUE(QTest::qWaitFor([&] { return markPixels(big) == 0; }));
}

// The soft proof paints the round trip through the profile (LittleCMS's transicc
// there and back: #0000FF becomes 58.8 82.7 164.0) and leaves the values alone.
TEST(PrintWindow, SimulatePrintPaintsTheRoundTripOnly)
{
    PrintWindow f;
    f.bigField(QStringLiteral("#0000FF"));
    ColourPanel* big = f.w().fields.Anzeige_Normal;
    const auto painted = [&] {
        return big->grab().toImage().pixelColor(big->width() / 3, big->height() / 2);
    };
    QAction& proof = f.form->actions().action(ActionId::simulatePrint);
    EXPECT_FALSE(proof.isChecked());
    proof.trigger(); // on, but no profile yet
    EXPECT_EQ(painted(), QColor(0, 0, 255));

    f.settings(1, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted() == QColor(59, 83, 164); }))
        << qPrintable(painted().name());
    EXPECT_EQ(big->colour(), QColor(0, 0, 255));
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#0000FF"));

    proof.trigger(); // off
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted() == QColor(0, 0, 255); }));
}
