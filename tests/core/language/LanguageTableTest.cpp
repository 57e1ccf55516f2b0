#include "core/language/LanguageTable.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{

const LanguageTable& deutsch()
{
    static const LanguageTable t = LanguageTable::forVersion(7);
    return t;
}

const LanguageTable& englisch()
{
    static const LanguageTable t = LanguageTable::forVersion(std::nullopt);
    return t;
}

} // namespace

TEST(LanguageTableTest, VersionValueChoosesTheLanguage)
{
    EXPECT_EQ(LanguageTable::forVersion(std::nullopt).sprache(), Sprache::englisch);
    EXPECT_EQ(LanguageTable::forVersion(11).sprache(), Sprache::englisch);
    for (int andere : {0, 7, 10, 12, -11, 1100})
        EXPECT_EQ(LanguageTable::forVersion(andere).sprache(), Sprache::deutsch) << andere;
}

TEST(LanguageTableTest, GermanTextsKeepTheirUmlautsAndAccelerators)
{
    const QString auffaecherungen = deutsch().text(Txt::auffaecherungen);
    EXPECT_EQ(auffaecherungen, QStringLiteral("&Auffächerungen"));
    EXPECT_EQ(auffaecherungen.at(5), QChar(0x00E4)); // a real "ä", not two UTF-8 bytes
    EXPECT_EQ(deutsch().text(Txt::statusGrossAusgewaehlt), QStringLiteral("Große Fläche ausgewählt"));
    EXPECT_EQ(deutsch().text(Txt::hintergrundWeiss), QStringLiteral("Hintergrund: Weiß"));
    EXPECT_EQ(deutsch().text(Txt::dateiOeffnen), QStringLiteral("Fa&rbeinstellungen laden"));
    EXPECT_EQ(deutsch().text(Txt::zwischendatenKnopf), QStringLiteral("Zwischendaten"));
    EXPECT_EQ(deutsch().text(Txt::frage), QStringLiteral("Frage"));
    EXPECT_EQ(deutsch().text(Txt::hinweis), QStringLiteral("Hinweis"));
    EXPECT_EQ(deutsch().text(Txt::fehler), QStringLiteral("Fehler"));
    EXPECT_EQ(
        deutsch().text(Txt::textAnsichtNichtVerfuegbar),
        QStringLiteral("Die Option \"Text anstelle Flächen\" ist im Modus Auffächerungen oder Farbreihen "
                       "nicht verfügbar."));
    EXPECT_EQ(deutsch().fensterTitel(), QStringLiteral("Tinctora 3.25"));
    EXPECT_EQ(deutsch().text(Txt::updateSeite).section(QLatin1Char('/'), -1),
              QStringLiteral("update.php?vers=325"));
}

TEST(LanguageTableTest, EnglishTextsAreQuotedExactly)
{
    EXPECT_EQ(englisch().text(Txt::auffaecherungen), QStringLiteral("&Fanning"));
    EXPECT_EQ(englisch().text(Txt::zwischendatenKnopf), QStringLiteral("Interm. Values"));
    EXPECT_EQ(englisch().text(Txt::zwischendaten), QStringLiteral("Intermediate Values"));
    EXPECT_EQ(englisch().text(Txt::websicherSpeichernFrage),
              QStringLiteral(
                  "You´ve adjusted individual web safe colors. Settings cannot be saved. Continue saving?"));
    EXPECT_EQ(englisch().text(Txt::dateiNichtGelesenVor) + QStringLiteral("C:\\a.tnfx") +
                  englisch().text(Txt::dateiNichtGelesenNach),
              QStringLiteral("The file \"C:\\a.tnfx\" couldn´t be read!"));
    EXPECT_EQ(englisch().text(Txt::frage), QStringLiteral("Question"));
    EXPECT_EQ(englisch().text(Txt::hinweis), QStringLiteral("Info"));
    EXPECT_EQ(englisch().text(Txt::fehler), QStringLiteral("Error"));
    EXPECT_EQ(englisch().fensterTitel(), QStringLiteral("Tinctora for Zevediz Adirevivo 3.25"));
    EXPECT_EQ(englisch().text(Txt::updateSeite).section(QLatin1Char('/'), -1),
              QStringLiteral("checkupdate.php?vers=325"));
}

TEST(LanguageTableTest, EveryEntryHasTextInBothLanguages)
{
    for (int i = 0; i < txtCount; ++i) {
        const auto id = static_cast<Txt>(i);
        EXPECT_FALSE(deutsch().text(id).isEmpty()) << "entry " << i;
        if (id != Txt::productName2) { // the second product line exists in German only
            EXPECT_FALSE(englisch().text(id).isEmpty()) << "entry " << i;
        }
    }
    EXPECT_TRUE(englisch().text(Txt::productName2).isEmpty());
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
    ASSERT_EQ(de.size(), tutorialSeitenAnzahl);
    for (int tag = 0; tag < tutorialSeitenAnzahl; ++tag) {
        EXPECT_EQ(deutsch().tutorialSeite(tag), de[tag]) << tag;
        EXPECT_EQ(englisch().tutorialSeite(tag), en[tag]) << tag;
    }
    // A tag outside the table opens the start page rather than failing.
    EXPECT_EQ(deutsch().tutorialSeite(20), QStringLiteral("index.html"));
    EXPECT_EQ(englisch().tutorialSeite(-1), QStringLiteral("index.html"));
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
        EXPECT_EQ(englisch().reihenFeldName(j, 7), sieben[j - 1]) << j;

    EXPECT_EQ(englisch().reihenFeldName(8, 15), QStringLiteral("Small field center"));
    EXPECT_EQ(englisch().reihenFeldName(9, 15), QStringLiteral("9th small field"));
    EXPECT_EQ(englisch().reihenFeldName(14, 15), QStringLiteral("14th small field"));
    EXPECT_EQ(deutsch().reihenFeldName(2, 15), QStringLiteral("2. kl. Fläche"));
    EXPECT_EQ(deutsch().reihenFeldName(15, 15), QStringLiteral("kl. Fläche rechts"));
    EXPECT_EQ(englisch().reihenFeldName(2, 3), QStringLiteral("Small field center"));

    EXPECT_TRUE(englisch().reihenFeldName(0, 7).isEmpty());
    EXPECT_TRUE(englisch().reihenFeldName(8, 7).isEmpty());
    EXPECT_TRUE(englisch().reihenFeldName(1, 16).isEmpty());
}

TEST(LanguageTableTest, FileFilterInQtForm)
{
    EXPECT_EQ(deutsch().text(Txt::dateiFilter),
              QStringLiteral("Tinctora Datei (*.tnfx)|*.tnfx|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(deutsch().qtDateiFilter(), QStringLiteral("Tinctora Datei (*.tnfx);;Alle Dateien (*.*)"));
    EXPECT_EQ(englisch().qtDateiFilter(), QStringLiteral("Tinctora File (*.tnfx);;All Files (*.*)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("HTML|*.html")), QStringLiteral("HTML (*.html)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Bilder|*.png;*.bmp")), QStringLiteral("Bilder (*.png *.bmp)"));
    EXPECT_TRUE(qtFileFilter(QString()).isEmpty());
}

TEST(LanguageTableTest, AcceleratorMarksAreRemoved)
{
    EXPECT_EQ(ohneAccelerator(QStringLiteral("Fa&rbeinstellungen laden")),
              QStringLiteral("Farbeinstellungen laden"));
    EXPECT_EQ(ohneAccelerator(QStringLiteral("Save &As...")), QStringLiteral("Save As..."));
    EXPECT_EQ(ohneAccelerator(QStringLiteral("Rot && &Gelb")), QStringLiteral("Rot & Gelb"));
    EXPECT_EQ(ohneAccelerator(QStringLiteral("Ende&")), QStringLiteral("Ende"));
}
