#include "core/language/LanguageTable.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{

const LanguageTable& german()
{
    static const LanguageTable t = LanguageTable::forVersion(7);
    return t;
}

const LanguageTable& english()
{
    static const LanguageTable t = LanguageTable::forVersion(std::nullopt);
    return t;
}

} // namespace

TEST(LanguageTableTest, VersionValueChoosesTheLanguage)
{
    EXPECT_EQ(LanguageTable::forVersion(std::nullopt).uiLanguage(), Language::english);
    EXPECT_EQ(LanguageTable::forVersion(11).uiLanguage(), Language::english);
    for (int andere : {0, 7, 10, 12, -11, 1100})
        EXPECT_EQ(LanguageTable::forVersion(andere).uiLanguage(), Language::german) << andere;
}

TEST(LanguageTableTest, GermanTextsKeepTheirUmlautsAndAccelerators)
{
    const QString auffaecherungen = german().text(Txt::auffaecherungen);
    EXPECT_EQ(auffaecherungen, QStringLiteral("&Auffächerungen"));
    EXPECT_EQ(auffaecherungen.at(5), QChar(0x00E4)); // a real "ä", not two UTF-8 bytes
    EXPECT_EQ(german().text(Txt::statusBigSelected), QStringLiteral("Große Fläche ausgewählt"));
    EXPECT_EQ(german().text(Txt::backgroundWhite), QStringLiteral("Hintergrund: Weiß"));
    EXPECT_EQ(german().text(Txt::dateiOeffnen), QStringLiteral("Fa&rbeinstellungen laden"));
    EXPECT_EQ(german().text(Txt::intermediateValuesButton), QStringLiteral("Zwischendaten"));
    EXPECT_EQ(german().text(Txt::questionBox), QStringLiteral("Frage"));
    EXPECT_EQ(german().text(Txt::note), QStringLiteral("Hinweis"));
    EXPECT_EQ(german().text(Txt::errorBox), QStringLiteral("Fehler"));
    EXPECT_EQ(
        german().text(Txt::textViewUnavailable),
        QStringLiteral("Die Option \"Text anstelle Flächen\" ist im Modus Auffächerungen oder Farbreihen "
                       "nicht verfügbar."));
    EXPECT_EQ(german().mainWindowTitle(), QStringLiteral("Tinctora 3.25"));
    EXPECT_EQ(german().text(Txt::updatePage).section(QLatin1Char('/'), -1),
              QStringLiteral("update.php?vers=325"));
}

TEST(LanguageTableTest, EnglishTextsAreQuotedExactly)
{
    EXPECT_EQ(english().text(Txt::auffaecherungen), QStringLiteral("&Fanning"));
    EXPECT_EQ(english().text(Txt::intermediateValuesButton), QStringLiteral("Interm. Values"));
    EXPECT_EQ(english().text(Txt::zwischendaten), QStringLiteral("Intermediate Values"));
    EXPECT_EQ(english().text(Txt::webSafeSaveQuestion),
              QStringLiteral(
                  "You´ve adjusted individual web safe colors. Settings cannot be saved. Continue saving?"));
    EXPECT_EQ(english().text(Txt::fileNotReadBefore) + QStringLiteral("C:\\a.tnfx") +
                  english().text(Txt::fileNotReadAfter),
              QStringLiteral("The file \"C:\\a.tnfx\" couldn´t be read!"));
    EXPECT_EQ(english().text(Txt::questionBox), QStringLiteral("Question"));
    EXPECT_EQ(english().text(Txt::note), QStringLiteral("Info"));
    EXPECT_EQ(english().text(Txt::errorBox), QStringLiteral("Error"));
    EXPECT_EQ(english().mainWindowTitle(), QStringLiteral("Tinctora for Zevediz Adirevivo 3.25"));
    EXPECT_EQ(english().text(Txt::updatePage).section(QLatin1Char('/'), -1),
              QStringLiteral("checkupdate.php?vers=325"));
}

TEST(LanguageTableTest, EveryEntryHasTextInBothLanguages)
{
    for (int i = 0; i < txtCount; ++i) {
        const auto id = static_cast<Txt>(i);
        EXPECT_FALSE(german().text(id).isEmpty()) << "entry " << i;
        if (id != Txt::productName2) { // the second product line exists in German only
            EXPECT_FALSE(english().text(id).isEmpty()) << "entry " << i;
        }
    }
    EXPECT_TRUE(english().text(Txt::productName2).isEmpty());
}

TEST(LanguageTableTest, TutorialPagesOfBothLanguages)
{
    const QStringList de{QStringLiteral("index.html"),
                         QStringLiteral("farbkreis_dorva.htm"),
                         QStringLiteral("farben\\blau.htm"),
                         QStringLiteral("farben\\rot.htm"),
                         QStringLiteral("farben\\gruen.htm"),
                         QStringLiteral("farben\\gelb.htm"),
                         QStringLiteral("farben\\orange.htm"),
                         QStringLiteral("farben\\schwarz.htm"),
                         QStringLiteral("farben\\rosa.htm"),
                         QStringLiteral("farben\\weiss.htm"),
                         QStringLiteral("farben\\violett.htm"),
                         QStringLiteral("farben\\gold.htm"),
                         QStringLiteral("farben\\silber.htm"),
                         QStringLiteral("farben\\braun.htm"),
                         QStringLiteral("farben\\grau.htm"),
                         QStringLiteral("assoziierte_begriffe.htm"),
                         QStringLiteral("farben\\lieblingsfarben.htm"),
                         QStringLiteral("aktivierung.htm"),
                         QStringLiteral("marketing_text.htm"),
                         QStringLiteral("marketing_headlines.htm")};
    const QStringList en{QStringLiteral("index.html"),
                         QStringLiteral("colorwheel_dorva.htm"),
                         QStringLiteral("colors\\blue.htm"),
                         QStringLiteral("colors\\red.htm"),
                         QStringLiteral("colors\\green.htm"),
                         QStringLiteral("colors\\yellow.htm"),
                         QStringLiteral("colors\\orange.htm"),
                         QStringLiteral("colors\\black.htm"),
                         QStringLiteral("colors\\pink.htm"),
                         QStringLiteral("colors\\white.htm"),
                         QStringLiteral("colors\\violet.htm"),
                         QStringLiteral("colors\\gold.htm"),
                         QStringLiteral("colors\\silver.htm"),
                         QStringLiteral("colors\\brown.htm"),
                         QStringLiteral("colors\\gray.htm"),
                         QStringLiteral("associated_terms.htm"),
                         QStringLiteral("colors\\popular_colors.htm"),
                         QStringLiteral("activation.htm"),
                         QStringLiteral("marketing_text.htm"),
                         QStringLiteral("marketing_headlines.htm")};
    ASSERT_EQ(de.size(), tutorialPageCount);
    for (int tag = 0; tag < tutorialPageCount; ++tag) {
        EXPECT_EQ(german().tutorialPage(tag), de[tag]) << tag;
        EXPECT_EQ(english().tutorialPage(tag), en[tag]) << tag;
    }
    // A tag outside the table opens the start page rather than failing.
    EXPECT_EQ(german().tutorialPage(20), QStringLiteral("index.html"));
    EXPECT_EQ(english().tutorialPage(-1), QStringLiteral("index.html"));
}

TEST(LanguageTableTest, RowFieldNamesAfterRenumbering)
{
    const QStringList sieben{QStringLiteral("Small field left-hand side"),
                             QStringLiteral("2nd small field"),
                             QStringLiteral("3rd small field"),
                             QStringLiteral("Small field center"),
                             QStringLiteral("5th small field"),
                             QStringLiteral("6th small field"),
                             QStringLiteral("Small field right-hand side")};
    for (int j = 1; j <= 7; ++j)
        EXPECT_EQ(english().rowFieldName(j, 7), sieben[j - 1]) << j;

    EXPECT_EQ(english().rowFieldName(8, 15), QStringLiteral("Small field center"));
    EXPECT_EQ(english().rowFieldName(9, 15), QStringLiteral("9th small field"));
    EXPECT_EQ(english().rowFieldName(14, 15), QStringLiteral("14th small field"));
    EXPECT_EQ(german().rowFieldName(2, 15), QStringLiteral("2. kl. Fläche"));
    EXPECT_EQ(german().rowFieldName(15, 15), QStringLiteral("kl. Fläche rechts"));
    EXPECT_EQ(english().rowFieldName(2, 3), QStringLiteral("Small field center"));

    EXPECT_TRUE(english().rowFieldName(0, 7).isEmpty());
    EXPECT_TRUE(english().rowFieldName(8, 7).isEmpty());
    EXPECT_TRUE(english().rowFieldName(1, 16).isEmpty());
}

TEST(LanguageTableTest, FileFilterInQtForm)
{
    EXPECT_EQ(german().text(Txt::fileFilter),
              QStringLiteral("Tinctora Datei (*.tnfx)|*.tnfx|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(german().settingsFileFilter(), QStringLiteral("Tinctora Datei (*.tnfx);;Alle Dateien (*.*)"));
    EXPECT_EQ(english().settingsFileFilter(), QStringLiteral("Tinctora File (*.tnfx);;All Files (*.*)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("HTML|*.html")), QStringLiteral("HTML (*.html)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Bilder|*.png;*.bmp")), QStringLiteral("Bilder (*.png *.bmp)"));
    EXPECT_TRUE(qtFileFilter(QString()).isEmpty());
}

TEST(LanguageTableTest, AcceleratorMarksAreRemoved)
{
    EXPECT_EQ(withoutAccelerator(QStringLiteral("Fa&rbeinstellungen laden")),
              QStringLiteral("Farbeinstellungen laden"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("Save &As...")), QStringLiteral("Save As..."));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("Rot && &Gelb")), QStringLiteral("Rot & Gelb"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("Ende&")), QStringLiteral("Ende"));
}
