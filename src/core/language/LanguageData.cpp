#include "core/language/LanguageData.h"

#include <array>

namespace
{

// The publisher's web host; every address the program opens is built on it.
#define TINCTORA_HOST "https://www.tinctora.example"

// German and English text of every entry, in the order of Txt (checked below).
// Texts are UTF-8; "´" in the English texts is the acute accent the product uses.
constexpr std::array<TextEntry, txtCount> textSet{{
    {Txt::menuFile, "&Datei", "&File"},
    {Txt::menuEdit, "&Bearbeiten", "&Edit"},
    {Txt::menuView, "&Ansicht", "&View"},
    {Txt::menuBandType, "F&arbbandtyp", "&Type of Color Band"},
    {Txt::menuHarmonyMode, "&Modus", "&Mode"},
    {Txt::menuTutorial, "&Tutorial", "&Tutorial"},
    {Txt::menuHelp, "&Hilfe", "&Help"},
    {Txt::menuColourVision, "Farbsehen &simulieren", "Simulate Color &Vision"},

    {Txt::dateiOeffnen, "Fa&rbeinstellungen laden", "&Load Settings of Colors"},
    {Txt::dateiSpeichern, "&Farbeinstellungen speichern", "&Save settings of Colors"},
    {Txt::dateiSpeichernUnter, "F&arbeinstellungen speichern unter...", "Save Settings of Colors &As..."},
    {Txt::werteDrucken, "&Werte drucken", "&Print Data"},
    {Txt::FileExit1, "&Programm beenden", "&Exit"},
    {Txt::FileExit1Hint, "Programm beenden", "Exit"},

    {Txt::alleWerteKopieren, "&Alle Werte kopieren", "&Copy All Data"},
    {Txt::gezielteManuelleEingabeVonWerten, "&Gezielte manuelle Eingabe von Werten", "&Manual Input"},
    {Txt::gezielteManuelleEingabeVonWertenHint, "Gezielte manuelle Eingabe von Werten", "Manual Input"},
    {Txt::nurWebsichereFarbenAnzeigen, "&Nur Websichere Farben anzeigen", "&Only Show Web-save Colors"},
    {Txt::nurWebsichereFarbenAnzeigenHint, "Nur websichere Farben anzeigen", "Only Show Web-save Colors"},
    {Txt::inWebsichereFarbenUmwandeln, "&In Websichere Farben umwandeln", "C&hange into Web-save Colors"},
    {Txt::inWebsichereFarbenUmwandelnHint, "In websichere Farben umwandeln", "Change into Web-save Colors"},
    {Txt::farbenSeparatEinstellen, "&Farben separat einstellen", "Adjust Colors &Separately"},
    {Txt::farbenSeparatEinstellenHint, "Farben separat einstellen", "Adjust Colors Separately"},
    {Txt::fixieren, "Fi&xieren", "&Fix"},
    {Txt::fixierenHint, "Fixieren", "Fix"},
    {Txt::contrast, "&Kontrast...", "Co&ntrast..."},
    {Txt::contrastHint, "Kontrast aller gezeigten Flächen", "Contrast of all fields shown"},
    {Txt::einstellungenMenu, "&Einstellungen", "&Settings"},

    {Txt::farbstreifenVerstecken, "&Farbstreifen ausblenden", "&Hide Color Band"},
    {Txt::farbstreifenVersteckenHint, "Farbstreifen ausblenden", "Hide Color Band"},
    {Txt::realistisch, "&Real", "&Realistic"},
    {Txt::realistischHint, "Realistische Farben", "Realistic Colors"},
    {Txt::luminoes, "&Luminös", "&Luminous"},
    {Txt::luminoesHint, "Luminöse Farben", "Luminous Colors"},
    {Txt::vollbild, "&Popup-Fenster", "&Pop-Up Window"},
    {Txt::vollbildHint, "Farben im Popup-Fenster", "Colors in Pop-Up Window"},
    {Txt::vollbildToolBar, "Popup", "Pop-Up"},
    {Txt::programmOhneRand, "&Vollbild", "&Full Size Screen"},
    {Txt::programmOhneRandHint, "Programm ohne Titel- und Taskleiste", "Program Without Title and Taskbar"},
    {Txt::programmOhneRandToolBar, "Vollbild", "Fullscreen"},
    {Txt::pipette, "P&ipette", "P&ipette"},
    {Txt::pipetteHint, "Pipette", "Pipette"},
    {Txt::TextAnstelleFlaechen, "&Text anstelle Flächen", "T&ext Instead of Fields"},
    {Txt::TextAnstelleFlaechenHint, "Text anstelle Flächen", "Text Instead of Fields"},
    {Txt::colourVisionNormal, "&Normal", "&Normal"},
    {Txt::colourVisionProtanopia, "&Protanopie", "&Protanopia"},
    {Txt::colourVisionDeuteranopia, "&Deuteranopie", "&Deuteranopia"},
    {Txt::colourVisionTritanopia, "&Tritanopie", "&Tritanopia"},
    {Txt::colourVisionAchromatopsia, "&Achromatopsie", "&Achromatopsia"},

    {Txt::zweierHarmonien, "&Zweier-Harmonien", "&2-Color Harmony"},
    {Txt::zweierHarmonienHint, "Zweier-Harmonien", "2-Color Harmony"},
    {Txt::dreierHarmonien, "&Dreier-Harmonien", "&3-Color Harmony"},
    {Txt::dreierHarmonienHint, "Dreier-Harmonien", "3-Color Harmony"},
    {Txt::viererHarmonien, "&Vierer-Harmonien", "&4-Color Harmony"},
    {Txt::viererHarmonienHint, "Vierer-Harmonien", "4-Color Harmony"},
    {Txt::auffaecherungen, "&Auffächerungen", "&Fanning"},
    {Txt::auffaecherungenHint, "Auffächerungen", "Fanning"},
    {Txt::farbreihen, "&Farbreihen", "&Color Row"},
    {Txt::farbreihenHint, "Farbreihen", "Color Row"},

    {Txt::tutorialStartseite, "&Startseite", "&Start Page"},
    {Txt::tutorialFarbkreis, "&Farbkreis", "&Color Wheel"},
    {Txt::tutorialBlau, "&Blau", "&Blue"},
    {Txt::tutorialRot, "&Rot", "&Red"},
    {Txt::tutorialGruen, "&Grün", "Gr&een"},
    {Txt::tutorialGelb, "G&elb", "Ye&llow"},
    {Txt::tutorialOrange, "&Orange", "&Orange"},
    {Txt::tutorialSchwarz, "Schwar&z", "Blac&k"},
    {Txt::tutorialRosa, "Ro&sa", "&Pink"},
    {Txt::tutorialWeiss, "&Weiß", "&White"},
    {Txt::tutorialViolett, "&Violett", "&Violet"},
    {Txt::tutorialGold, "Go&ld", "&Gold"},
    {Txt::tutorialSilber, "S&ilber", "&Silver"},
    {Txt::tutorialBraun, "Bra&un", "Brow&n"},
    {Txt::tutorialGrau, "Gr&au", "Gre&y"},
    {Txt::tutorialAssoziierteBegriffe, "Aufs&tellung der assoziierten Begriffe", "List of Associated Ter&ms"},
    {Txt::tutorialBeliebtesteUnbeliebteste, "Beliebteste u&nd unbeliebteste Farben",
     "Most Pop&ular and Least Popular Colors"},
    {Txt::tutorialReizkategorien, "Reiz&kategorien", "C&ategories of Emotional Stimuli"},
    {Txt::tutorialFliesstext, "Fließte&xt", "Flow Te&xt"},
    {Txt::tutorialHeadlines, "&Headlines", "&Headlines"},

    {Txt::hilfeInhalt, "&Inhalt", "&Content"},
    {Txt::hilfeInfo, "&Info", "&Info"},
    {Txt::onlineCheckAufUpdate, "&Online-Check auf Update", "&Online-Check on Update"},

    {Txt::copyToClipboard, "Kopieren", "Copy"},

    {Txt::popupCut, "&Ausschneiden", "&Cut"},
    {Txt::popupCopy, "&Kopieren", "C&opy"},
    {Txt::popupPaste, "&Einfügen", "&Paste"},
    {Txt::popupCharacters, "&Zeichen", "&Signs"},
    {Txt::popupLeft, "&Links", "&Left"},
    {Txt::popupRight, "&Rechts", "&Right"},
    {Txt::popupCentred, "&Zentriert", "&Centred"},
    {Txt::popupSmall, "&Klein", "&Small"},
    {Txt::popupMedium, "&Mittel", "&Middle"},
    {Txt::popupLarge, "&Groß", "&Big"},
    {Txt::popupFont, "Schriftart", "Font"},

    {Txt::productName, "Tinctora", "Tinctora for Zevediz Adirevivo"},
    {Txt::productName2, "Tinctora für Razuvazizeduduvir", ""},
    {Txt::productVersion, " 3.25", " 3.25"},
    {Txt::versionLabel, "Version", "Version"},

    {Txt::bigField, "Große Fläche", "Big field"},
    {Txt::smallLeftField, "Kleine Fl. links", "Small field left-hand side"},
    {Txt::smallCentreField, "Kleine Fl. Mitte", "Small field center"},
    {Txt::smallRightField, "Kleine Fl. rechts", "Small field right-hand side"},

    {Txt::intermediateValuesButton, "Zwischendaten", "Interm. Values"},
    {Txt::fields3, "3 Felder", "3 Fields"},
    {Txt::fields5, "5 Felder", "5 Fields"},
    {Txt::fields7, "7 Felder", "7 Fields"},
    {Txt::fields9, "9 Felder", "9 Fields"},
    {Txt::fields11, "11 Felder", "11 Fields"},
    {Txt::fields13, "13 Felder", "13 Fields"},
    {Txt::fields15, "15 Felder", "15 Fields"},
    {Txt::backgroundDefault, "Hintergrund: Standard", "Background: Standard"},
    {Txt::backgroundWhite, "Hintergrund: Weiß", "Background: White"},
    {Txt::backgroundGrey, "Hintergrund: Grau", "Background: Gray"},
    {Txt::backgroundBlack, "Hintergrund: Schwarz", "Background: Black"},
    {Txt::backgroundHint, "Hintergrund-Helligkeit", "Brightness of the Background"},
    {Txt::angleType1, "Winkel Typ 1", "Angle Type 1"},
    {Txt::angleType2, "Winkel Typ 2", "Angle Type 2"},
    {Txt::testText, "Testtext", "Test text"},
    {Txt::testTextOptions, "(re. Maustaste für Optionen)", "(click right mouse for options)"},
    {Txt::fileFilter, "Tinctora Datei (*.tnfx)|*.tnfx|Alle Dateien (*.*)|*.*",
     "Tinctora File (*.tnfx)|*.tnfx|All Files (*.*)|*.*"},

    {Txt::statusBigSelected, "Große Fläche ausgewählt", "Big field selected"},
    {Txt::statusRightSelected, "Kleine Fläche rechts ausgewählt",
     "Small field on the right-hand side selected"},
    {Txt::statusLeftSelected, "Kleine Fläche links ausgewählt", "Small field on the left-hand side selected"},
    {Txt::statusCentreSelected, "Kleine Fläche Mitte ausgewählt", "Small field in the center selected"},
    {Txt::statusTwoColour, "Zweier-Harmonie", "2-Color Harmony"},
    {Txt::statusThreeColour, "Dreier-Harmonie", "3-Color Harmony"},
    {Txt::statusFourColour, "Vierer-Harmonie", "4-Color Harmony"},
    {Txt::statusFanning, "Auffächerung", "Fanning"},
    {Txt::statusColourRow, "Farbreihe", "Color Row"},

    {Txt::questionBox, "Frage", "Question"},
    {Txt::note, "Hinweis", "Info"},
    {Txt::errorBox, "Fehler", "Error"},

    {Txt::fixedMarker, "-------------- FIXIERT --------------", "-------------- FIXED --------------"},
    {Txt::printError, "Der Druckauftrag konnte nicht gestartet werden.",
     "The print job could not be started."},
    {Txt::printDialogMissing, "Der Druckdialog konnte nicht geladen werden.",
     "The print dialog could not be loaded."},

    {Txt::zwischendaten, "Zwischendaten", "Intermediate Values"},
    {Txt::copyAll, "Alles in Zwischenablage kopieren", "Copy All to Clipboard"},
    {Txt::printLabel, "Drucken", "Print"},
    {Txt::active, "Aktiv", "Active"},
    {Txt::rowFieldLeft, "kl. Fläche links", "Small field left-hand side"},
    {Txt::rowField2, "2. kl. Fläche", "2nd small field"},
    {Txt::rowField3, "3. kl. Fläche", "3rd small field"},
    {Txt::rowField4, "4. kl. Fläche", "4th small field"},
    {Txt::rowField5, "5. kl. Fläche", "5th small field"},
    {Txt::rowField6, "6. kl. Fläche", "6th small field"},
    {Txt::rowField7, "7. kl. Fläche", "7th small field"},
    {Txt::rowField8, "8. kl. Fläche", "8th small field"},
    {Txt::rowField9, "9. kl. Fläche", "9th small field"},
    {Txt::rowField10, "10. kl. Fläche", "10th small field"},
    {Txt::rowField11, "11. kl. Fläche", "11th small field"},
    {Txt::rowField12, "12. kl. Fläche", "12th small field"},
    {Txt::rowField13, "13. kl. Fläche", "13th small field"},
    {Txt::rowField14, "14. kl. Fläche", "14th small field"},
    {Txt::rowFieldCentre, "kl. Fläche Mitte", "Small field center"},
    {Txt::rowFieldRight, "kl. Fläche rechts", "Small field right-hand side"},

    {Txt::help, "Hilfe", "Help"},
    {Txt::cancel, "Abbrechen", "Cancel"},

    {Txt::inputTitle, "Eingabe", "Manual Input"},
    {Txt::hexFormatNote, "Hex-Format: HTML-konform", "Hex-form: HTML-conform"},
    {Txt::more, "Mehr...", "More..."},
    {Txt::hexError, "Der Eingegebene Wert ist kein gültiges Hex-Format.",
     "The data input is no valid hex-form."},

    {Txt::textViewUnavailable,
     "Die Option \"Text anstelle Flächen\" ist im Modus Auffächerungen oder Farbreihen nicht verfügbar.",
     "The option \"Text Instead of Fields\" is not available in the modi fanning or color row."},

    {Txt::webSafeSaveQuestion,
     "Sie haben individuelle websichere Farben eingestellt. Diese Einstellung geht beim Speichern verloren. "
     "Möchten Sie trotzdem speichern?",
     "You´ve adjusted individual web safe colors. Settings cannot be saved. Continue saving?"},
    {Txt::fileNotCreated, "Die Datei konnte nicht erstellt werden!", "The file couldn´t be created!"},
    {Txt::fileNotReadBefore, "Die Datei \"", "The file \""},
    {Txt::fileNotReadAfter, "\" konnte nicht gelesen werden!", "\" couldn´t be read!"},
    {Txt::overwriteFile, "Die Datei existiert bereits, soll sie überschrieben werden?",
     "The file does already exist, should it be replaced?"},
    {Txt::saveChangesIn, "Änderungen speichern in ", "Save changed datas in "},

    {Txt::fullscreenTitle, "Vollbild", "Fullscreen"},
    {Txt::previewText, "Ich bin der Text, der zur Beurteilung der Textfarbe dient.",
     "I´m the text that helps to assess the text color."},
    {Txt::previewOptions, "(Rechte Maustaste für Optionen)", "(Click right mouse button for options)"},
    {Txt::previewTestText, "Dies ist ein Testtext.", "This is a test text."},
    {Txt::closeWindow, "Schließen", "Close"},
    {Txt::small, "Klein", "Small"},
    {Txt::medium, "Mittel", "Middle"},
    {Txt::big, "Groß", "Big"},
    {Txt::changeColour, "Farbwechsel", "Change Color"},
    {Txt::lettering, "Text", "Text"},
    {Txt::change, "Wechseln", "Change"},

    {Txt::webSafeTitle, "In websichere Farben umwandeln", "Convert to Web-safe Colors"},
    {Txt::nextOne, "Nächste", "Next One"},
    {Txt::assignColour, "Zuweisen", "Allocate"},
    {Txt::webSafeBig, "Große Fläche:", "Big Field:"},
    {Txt::suggestionWebSafe, "Vorschlag websicher:", "Recommendation Web-safe:"},
    {Txt::webSafeLeft, "Kleine Fl. links:", "Small field on the left-hand side:"},
    {Txt::webSafeRight, "Kleine Fl. rechts:", "Small field on the right-hand side:"},
    {Txt::webSafeCentre, "Kleine Fl. Mitte:", "Small field in the center:"},
    {Txt::webSafeFanning,
     "Im Modus Auffächerungen und im Modus Farbreihen werden die Zwischenfarben autom. berechnet, daher ist "
     "eine manuelle Einflussnahme nicht möglich. Bitte benutzen Sie den Button \"Nur Websichere Farben "
     "anzeigen\"",
     "In the modi \"fanning\" and \"color row\" the intermediating colors are automatically calculated. That "
     "means a manual influence is not possible. Please use the button \"Only Show Web-Save Colors\"!"},

    {Txt::sameColourWarning,
     "Mindestens zwei kleine Felder haben die gleiche Farbe! Verringern Sie die Anzahl der Felder oder "
     "erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis diese Meldung nicht mehr zu sehen "
     "ist. ",
     "Mindestens zwei kleine Felder haben die gleiche Farbe! Verringern Sie die Anzahl der Felder oder "
     "erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis diese Meldung nicht mehr zu sehen "
     "ist. "},

    {Txt::pipetteTitle, "Pipette", "Pipette"},
    {Txt::pipetteHintTitle, "Hinweise zur Pipette", "Hints for pipette"},
    {Txt::pipettePickKeys, "Leer- oder Entertaste:", "Space or Enter:"},
    {Txt::pipettePickColour, "Farbe aufnehmen", "Pick Up Color"},
    {Txt::pipetteArrowKeys, "Pfeiltasten:", "Arrow Keys:"},
    {Txt::pipetteFineControl, "Cursor Feinsteuerung", "Cursor Fine Adjustment"},
    {Txt::pipetteCtrlArrowKeys, "STRG + Pfeiltasten:", "CTRL + Arrow Keys:"},
    {Txt::pipetteCoarseControl, "Cursor Grobsteuerung", "Cursor Coarse Adjustment"},
    {Txt::pipetteHintLabel, "Hinweis:", "Hint:"},
    {Txt::pipetteForeground,
     "Die Pipette drängt sich NICHT autom. in den Vordergrund: Wenn Sie nach Aktivierung der Pipette ein "
     "anderes Fenster anklicken, bekommt dieses auch den Fokus!",
     "The pipette doesn´t come to the foreground automatically! Even after having activated the pipette, you "
     "can open any other window by clicking on it."},
    {Txt::pipetteReactivate,
     "Klicken Sie auf das Pipettenfenster oder auf das Tinctora-Symbol in der Taskleiste, um die Pipette "
     "wieder zum aktiven Fenster zu machen.",
     "Click on the pipette window or the Tinctora symbol in the taskbar in order to reactivate the pipette."},
    {Txt::pipetteDoNotShowAgain, "Diesen Hinweis nicht mehr anzeigen.", "Don´t show this hint again."},
    {Txt::pipetteWayland,
     "Unter Wayland wird die Farbauswahl des Desktops verwendet, ohne Lupen und ohne Pfeiltasten.",
     "On Wayland the desktop's own color picker is used, without magnifiers or arrow keys."},
    {Txt::pipetteUnavailable,
     "Die Farbauswahl des Desktops ist nicht verfügbar oder hat keine Farbe geliefert. Es wurde keine Farbe "
     "übernommen.",
     "The desktop's color picker is not available or returned no color. No color was taken."},

    {Txt::settingsTitle, "Einstellungen", "Settings"},
    {Txt::tutorialTab, "Tutorial", "Tutorial"},
    {Txt::tutorialLocalLink, "Lokaler Link zum Tutorial \"Farben im Webdesign\":",
     "Local link to the tutorial \"Colors and Webdesign\":"},
    {Txt::tutorialPathExplanation,
     "Geben Sie den Pfad zur \"index.html\" des Tutorials ein, damit beim Klick auf die Hilfe-Menüeinträge "
     "die jeweiligen HTML-Seiten geöffnet werden. Benutzen Sie hierzu die \"Datei öffnen\"-Schaltfläche.",
     "To open the according HTML-pages by clicking on the tutorial menu, please insert the path to the "
     "\"index.html\" of the tutorial."},
    {Txt::tutorialImInternet, "Tutorial im Internet:", "Tutorial in Internet:"},

    {Txt::tutorialNotFound,
     "Tinctora kann den Pfad zum Tutorial nicht finden. Möchten Sie den Pfad jetzt eingeben?",
     "Tinctora is not able to find the path to the tutorial. Do you want to enter in the path manually?"},
    {Txt::updateQuestion, "Möchten Sie auf der Homepage nachsehen, ob ein Update verfügbar ist?",
     "Would you like to look at the homepage for an available update?"},
    {Txt::infoTitle, "Info", "Info"},
    {Txt::homepageLabel, "Homepage:", "Homepage:"},
    {Txt::emailLabel, "E-Mail:", "E-Mail:"},
    {Txt::publisher, "Herausgegeben vom Tinctora-Projekt", "Published by the Tinctora project"},

    {Txt::colourVisionStatus, "Simuliertes Farbsehen: %1", "Simulated color vision: %1"},
    {Txt::contrastTitle, "Kontrast", "Contrast"},
    {Txt::contrastExplanation,
     "Zeilen: Schriftfarbe, Spalten: Hintergrund. Oben das WCAG-2.2-Kontrastverhältnis "
     "(AAA ab 7, AA und AAA groß ab 4,5, AA groß ab 3; groß: ab 18 pt oder 14 pt fett), "
     "unten APCA Lc (Stufe 45, 60, 75 oder 90; ein Entwurf, WCAG 2.2 ist maßgeblich).",
     "Rows: text color, columns: background. Above the WCAG 2.2 contrast ratio "
     "(AAA from 7, AA and AAA large from 4.5, AA large from 3; large: 18 pt or 14 pt bold), "
     "below APCA Lc (level 45, 60, 75 or 90; a draft, WCAG 2.2 is what counts)."},
    {Txt::contrastCopy, "&Kopieren", "&Copy"},
    {Txt::contrastClose, "&Schließen", "C&lose"},
    {Txt::contrastCorner, "Schrift \\ Hintergrund", "Text \\ Background"},
    {Txt::contrastRatio, "Verhältnis", "ratio"},
    {Txt::contrastLc, "Lc", "Lc"},
    {Txt::contrastNote, "Kontrast der Schrift auf der Fläche: %1:1 (WCAG 2.2), Lc %2 (APCA)",
     "Contrast of the text on the field: %1:1 (WCAG 2.2), Lc %2 (APCA)"},

    {Txt::contrastAaLarge, "AA groß", "AA large"},

    // Language choice, tutorial failure, contrast for large text
    {Txt::tutorialNotOpened,
     "Die Seite \"%1\" konnte nicht geöffnet werden. Ist ein Webbrowser eingerichtet?",
     "The page \"%1\" could not be opened. Is a web browser set up?"},
    {Txt::languageTab, "Sprache", "Language"},
    {Txt::languageLabel, "Sprache der Oberfläche:", "Language of the interface:"},
    {Txt::languageGerman, "Deutsch", "German (Deutsch)"},
    {Txt::languageEnglish, "Englisch (English)", "English"},
    {Txt::languageDesktop, "Wie der Desktop", "As the desktop"},
    {Txt::languageAfterRestart, "Die gewählte Sprache gilt ab dem nächsten Start von Tinctora.",
     "The chosen language takes effect the next time Tinctora starts."},
    {Txt::contrastAaaLarge, "AAA groß", "AAA large"},

    {Txt::website, TINCTORA_HOST "/de/", TINCTORA_HOST "/en/"},
    {Txt::updatePage, TINCTORA_HOST "/update.php?vers=325", TINCTORA_HOST "/checkupdate.php?vers=325"},
    {Txt::supportEMail, "support@tinctora.example", "support@tinctora.example"},

    {Txt::exportPalette, "Palette &exportieren...", "E&xport Palette..."},
    {Txt::exportPaletteHint, "Palette als Datei für andere Programme exportieren",
     "Export the palette as a file for other programs"},
    {Txt::colourFormats, "Farbf&ormate...", "Color F&ormats..."},
    {Txt::colourFormatsHint, "Die gewählte Farbe in weiteren Farbformaten",
     "The selected color in further color formats"},
    {Txt::colourFormatsTitle, "Farbformate", "Color Formats"},
    {Txt::colourFormatsField, "Fläche:", "Field:"},
    {Txt::colourFormatsCopy, "Kopieren", "Copy"},
    {Txt::paletteRightHalf, "Rechte Hälfte", "Right half"},
    {Txt::paletteLeftHalf, "Linke Hälfte", "Left half"},
    {Txt::formatGpl, "GIMP-Palette (*.gpl)", "GIMP palette (*.gpl)"},
    {Txt::formatAse, "Adobe Swatch Exchange (*.ase)", "Adobe Swatch Exchange (*.ase)"},
    {Txt::formatSoc, "LibreOffice-Farbtabelle (*.soc)", "LibreOffice color table (*.soc)"},
    {Txt::formatCss, "CSS-Variablen (*.css)", "CSS custom properties (*.css)"},
    {Txt::formatScss, "Sass-Variablen (*.scss)", "Sass variables (*.scss)"},
    {Txt::formatTokens, "Design-Tokens (*.tokens.json)", "Design tokens (*.tokens.json)"},
    {Txt::formatSvg, "Farbmusterbogen SVG (*.svg)", "Swatch sheet SVG (*.svg)"},
    {Txt::formatPng, "Farbmusterbogen PNG (*.png)", "Swatch sheet PNG (*.png)"},
    {Txt::cliDescription, "Farbharmonien; ohne Optionen öffnet sich das Fenster mit der angegebenen Datei.",
     "Color harmonies; without options the window opens with the given file."},
    {Txt::cliExport, "Schreibt die Palette der Datei nach <ausgabe>, ohne Fenster.",
     "Writes the file's palette to <output>, without a window."},
    {Txt::cliFormat, "Format der Ausgabe (%1); sonst nach der Endung von <ausgabe>.",
     "Format of the output (%1); otherwise by the extension of <output>."},
    {Txt::cliValues, "Gibt alle Werte der Datei aus, wie \"Alle Werte kopieren\" sie kopiert.",
     "Prints all values of the file as \"Copy All Data\" copies them."},
    {Txt::cliContrast,
     "Gibt für jedes Paar verschiedener gezeigter Farben (Schrift, Hintergrund) das "
     "WCAG-2.2-Kontrastverhältnis "
     "und APCA Lc aus, durch Tabulatoren getrennt.",
     "Prints the WCAG 2.2 contrast ratio and APCA Lc of every pair of distinct shown colors (text, "
     "background), "
     "separated by tabs."},
    {Txt::cliFile, "Farbeinstellungsdatei (.tnfx).", "Color settings file (.tnfx)."},
    {Txt::cliUnknownFormat, "Unbekanntes Format \"%1\" (bekannt: %2).", "Unknown format \"%1\" (known: %2)."},
    {Txt::cliNoFile, "Keine Farbeinstellungsdatei angegeben.", "No color settings file given."},
    {Txt::cliTooManyFiles, "Nur eine Farbeinstellungsdatei angeben.", "Give only one color settings file."},
    {Txt::cliNothingToDo, "Nichts zu tun: eine dieser Optionen angeben: %1.",
     "Nothing to do: give one of %1."},
    {Txt::windowMissing, "Das Fenster konnte nicht geladen werden: %1", "The window could not be loaded: %1"},
    {Txt::cliNotCreated, "Die Datei \"%1\" konnte nicht erstellt werden: %2",
     "The file \"%1\" couldn´t be created: %2"},
    {Txt::cliPictureWithoutFont,
     "Für ein Bild werden Schriften gebraucht, die hier nicht geladen werden konnten.",
     "A picture needs fonts, which could not be loaded here."},
    // Command line: help notes, its contrast head line, why a read or write failed, value names
    {Txt::cliNotes,
     "Jede Zeile auf der Standardausgabe endet mit LF. Rückgabewert: 0 erledigt, 1 eine Datei oder die "
     "Standardausgabe konnte nicht gelesen oder geschrieben werden, 2 falscher Aufruf. Ohne Option des "
     "Programms gelten Qts Fensteroptionen (-platform, -style, -geometry, -display, -reverse, ...).",
     "Every line on standard output ends with LF. Exit status: 0 done, 1 a file or standard output could "
     "not be read or written, 2 wrong usage. Without an option of the program, Qt's window options "
     "(-platform, -style, -geometry, -display, -reverse, ...) apply."},
    {Txt::cliContrastHeader, "Schrift\tHintergrund\tWCAG-Verhältnis\tAPCA Lc",
     "text\tbackground\tWCAG ratio\tAPCA Lc"},
    {Txt::cliTargetIsSource, "Die Ausgabe \"%1\" ist die Eingabedatei; sie bleibt, wie sie ist.",
     "The output \"%1\" is the input file; it is left as it is."},
    {Txt::cliOutputFailed, "Die Standardausgabe konnte nicht geschrieben werden: %1",
     "Standard output could not be written: %1"},
    {Txt::reasonTooLarge, "Datei zu groß", "file too large"},
    {Txt::reasonNoSpace, "kein Platz mehr auf dem Datenträger", "no space left on the disk"},
    {Txt::reasonNoPermission, "keine Berechtigung", "permission denied"},
    {Txt::reasonReadOnly, "Dateisystem nur lesbar", "read-only file system"},
    {Txt::reasonMissing, "Ordner oder Datei nicht vorhanden", "no such folder or file"},
    {Txt::reasonNotOpen, "nicht geöffnet", "not open"},
    {Txt::cliValueOutput, "ausgabe", "output"},
    {Txt::cliValueFormat, "format", "format"},
    {Txt::cliValueFile, "DATEI.tnfx", "FILE.tnfx"},
    // Command line: contrast scales and colours that colour-vision deficiencies run together
    {Txt::cliScales,
     "Gibt für jede gezeigte Farbe eine Stufe je Kontrastziel aus (gleicher OKLCH-Farbton, Helligkeit so nah "
     "am Hintergrund, wie das Ziel erlaubt), durch Tabulatoren getrennt; \"-\", wo keine Farbe dieses "
     "Farbtons "
     "das Ziel erreicht.",
     "Prints for every shown color one step per contrast target (same OKLCH hue, lightness as close to the "
     "background as the target allows), separated by tabs; \"-\" where no color of that hue reaches the "
     "target."},
    {Txt::cliColourVision,
     "Gibt jedes Paar verschiedener gezeigter Farben aus, das bei Protanopie, Deuteranopie, Tritanopie oder "
     "Achromatopsie (wie das Menü Ansicht sie zeigt) näher als CIEDE2000 5 beieinanderliegt, mit dem "
     "Abstand.",
     "Prints every pair of distinct shown colors that protanopia, deuteranopia, tritanopia or achromatopsia "
     "(as the View menu shows them) bring closer than CIEDE2000 5, with the distance."},
    {Txt::cliBackground, "Hintergrund der Stufen für --scales (#RRGGBB; sonst Weiß).",
     "Background of the steps for --scales (#RRGGBB; otherwise white)."},
    {Txt::cliTargets,
     "Ziele für --scales: wcag (1.5, 2, 3, 4.5, 7, 10, 15), apca (Lc 15, 30, 45, 60, 75, 90) oder eine "
     "Liste wie 3,4.5,7 oder apca:45,60.",
     "Targets for --scales: wcag (1.5, 2, 3, 4.5, 7, 10, 15), apca (Lc 15, 30, 45, 60, 75, 90) or a list "
     "such as 3,4.5,7 or apca:45,60."},
    {Txt::cliValueHex, "hex", "hex"},
    {Txt::cliValueTargets, "ziele", "targets"},
    {Txt::cliScalesHead, "Farbe\tZiel\tStufe\tWCAG-Verhältnis\tAPCA Lc",
     "color\ttarget\tstep\tWCAG ratio\tAPCA Lc"},
    {Txt::cliUnknownBackground, "Keine Farbe: \"%1\" (erwartet: #RRGGBB).",
     "Not a color: \"%1\" (expected: #RRGGBB)."},
    {Txt::cliUnknownTargets,
     "Unbekannte Ziele \"%1\" (bekannt: wcag, apca oder eine Liste positiver Zahlen).",
     "Unknown targets \"%1\" (known: wcag, apca or a list of positive numbers)."},
    {Txt::cliOnlyWithScales, "%1 gilt nur zusammen mit --scales oder --with-scales.",
     "%1 only goes with --scales or --with-scales."},
    // Exports that carry scales
    {Txt::cliWithScales,
     "Schreibt mit --export die Stufen jeder Farbe dazu (Ziele und Hintergrund wie bei --scales, dunkel "
     "gegen Schwarz): CSS in :root und für dunkles Farbschema, Design-Tokens als NAME.light.tokens.json und "
     "NAME.dark.tokens.json.",
     "With --export, writes every color's steps too (targets and background as for --scales, dark against "
     "black): CSS in :root and for a dark color scheme, design tokens as NAME.light.tokens.json and "
     "NAME.dark.tokens.json."},
    {Txt::cliWithScalesFormats, "--with-scales gilt nur zusammen mit --export als css oder tokens.",
     "--with-scales only goes with --export as css or tokens."},
    {Txt::scaleExportStep, "%1, Ziel %2, erreicht %3 auf %4", "%1, target %2, achieved %3 on %4"},
    {Txt::scaleExportUnreachable, "%1; keine Stufe erreicht %2", "%1; no step reaches %2"},
    {Txt::scaleExportCheck, "Mit S&kalen (nur CSS und Tokens)", "With s&cales (CSS and tokens only)"},
    {Txt::scaleExportWcag, "WCAG 2: 1,5 bis 15, hell auf Weiß, dunkel auf Schwarz",
     "WCAG 2: 1.5 to 15, light on white, dark on black"},
    {Txt::scaleExportApca, "APCA: Lc 15 bis 90, hell auf Weiß, dunkel auf Schwarz",
     "APCA: Lc 15 to 90, light on white, dark on black"},
    {Txt::undo, "&Rückgängig", "&Undo"},
    {Txt::undoHint, "Macht den letzten Schritt rückgängig", "Undoes the last step"},
    {Txt::redo, "&Wiederherstellen", "&Redo"},
    {Txt::redoHint, "Stellt den zuletzt rückgängig gemachten Schritt wieder her",
     "Redoes the step undone last"},
    {Txt::history, "&Verlauf...", "&History..."},
    {Txt::historyHint, "Alle Schritte; ein Klick geht zu diesem Schritt",
     "Every step; a click goes to that step"},
    {Txt::historyTitle, "Verlauf", "History"},
    {Txt::historyStart, "Anfang", "Start"},
    {Txt::undoStatus, "Rückgängig: %1", "Undo: %1"},
    {Txt::redoStatus, "Wiederherstellen: %1", "Redo: %1"},
    {Txt::stepBandPosition, "Bandposition", "band position"},
    {Txt::stepLightDark, "Hell/Dunkel", "light/dark"},
    {Txt::stepHarmonyType, "Modus", "harmony type"},
    {Txt::stepAngle, "Winkel", "angle"},
    {Txt::stepFieldCount, "Felderanzahl", "number of fields"},
    {Txt::stepFieldSelection, "Feldauswahl", "field selection"},
    {Txt::stepFixing, "Fixieren", "fixing"},
    {Txt::stepSeparateAdjustment, "Farben separat einstellen", "separate adjustment"},
    {Txt::stepView, "Ansicht", "view"},
    {Txt::stepColourInput, "Farbeingabe", "color input"},
    {Txt::stepColours, "Farben", "colors"},
    // Steps named by the gesture that began them; the Edit menu's entries name the step.
    {Txt::stepBandType, "Farbbandtyp", "band type"},
    {Txt::stepAngleType, "Winkel Typ", "angle type"},
    {Txt::stepWebSafeColours, "Websichere Farben", "web-safe colors"},
    {Txt::undoStepText, "&Rückgängig: %1", "&Undo %1"},
    {Txt::redoStep, "&Wiederherstellen: %1", "&Redo %1"},
    // The Scales window, and colours a colour-vision deficiency runs together
    {Txt::colourScales, "&Skalen...", "Sc&ales..."},
    {Txt::colourScalesHint, "Stufen jeder gezeigten Farbe, die gewählte Kontraste erreichen",
     "Steps of every shown color that reach chosen contrasts"},
    {Txt::scalesTitle, "Skalen", "Scales"},
    {Txt::scalesExplanation,
     "Zeilen: die gezeigten Farben, Spalten: die Kontrastziele. Jede Stufe behält den OKLCH-Farbton ihrer "
     "Farbe "
     "und erreicht ihr Ziel gegen den Hintergrund knapp. ≈: unter simuliertem Farbsehen kaum von der Stufe "
     "einer anderen Farbe zu unterscheiden (ΔE00 unter 5).",
     "Rows: the shown colors, columns: the contrast targets. Each step keeps its color's OKLCH hue and just "
     "reaches its target against the background. ≈: under a simulated color vision hard to tell from another "
     "color's step (ΔE00 below 5)."},
    {Txt::scalesMethod, "&Verfahren:", "&Method:"},
    {Txt::scalesWcag, "WCAG 2 (Verhältnis)", "WCAG 2 (ratio)"},
    {Txt::scalesApca, "APCA (Lc, Entwurf)", "APCA (Lc, draft)"},
    {Txt::scalesTargets, "&Ziele:", "&Targets:"},
    {Txt::scalesTargetsError, "Ziele: positive Zahlen, durch Semikolon getrennt",
     "Targets: positive numbers, separated by commas"},
    {Txt::scalesLightBackground, "Hintergrund &hell:", "L&ight background:"},
    {Txt::scalesDarkBackground, "Hintergrund &dunkel:", "&Dark background:"},
    {Txt::scalesBackgroundError, "Hintergrund: eine Farbe als #RRGGBB", "Background: a color as #RRGGBB"},
    {Txt::scalesLight, "Hell", "Light"},
    {Txt::scalesDark, "Dunkel", "Dark"},
    {Txt::scalesColour, "Farbe", "Color"},
    {Txt::scalesAchieved, "erreicht", "achieved"},
    {Txt::scalesUnreachable, "Keine Stufe dieses Farbtons erreicht %1 auf %2.",
     "No step of this hue reaches %1 on %2."},
    {Txt::scalesConfusable, "Bei %1 kaum von %2 (Stufe von %3) zu unterscheiden: ΔE00 %4",
     "Under %1 hard to tell from %2 (step of %3): ΔE00 %4"},
    {Txt::scalesCopyHex, "He&x kopieren", "Copy &Hex"},
    {Txt::scalesCopyRow, "Zei&le kopieren", "Copy &Row"},
    {Txt::scalesCopyTable, "&Tabelle kopieren", "Copy T&able"},
    {Txt::contrastConfusable, "≈ kaum zu unterscheiden bei %1", "≈ hard to tell apart under %1"},
    // Colours for print: CMYK through an ICC profile
    {Txt::cliCmyk,
     "Gibt jede gezeigte Farbe in CMYK durch das ICC-Ausgabeprofil aus (Prozent, eine Nachkommastelle), "
     "durch Tabulatoren getrennt, mit \"in\" oder \"out\": ob die Farbe nach dem Weg sRGB - Profil - "
     "sRGB höchstens CIEDE2000 2 von sich abweicht.",
     "Prints every shown color in CMYK through the ICC output profile (percent, one decimal), separated "
     "by tabs, with \"in\" or \"out\": whether the color is at most CIEDE2000 2 from itself after the "
     "way sRGB - profile - sRGB."},
    {Txt::cliIntent,
     "Umrechnung für --cmyk und --cmyk-profile: relative (relativ farbmetrisch mit "
     "Tiefenkompensierung, sonst) oder perceptual (wahrnehmungsorientiert).",
     "Rendering intent for --cmyk and --cmyk-profile: relative (relative colorimetric with black point "
     "compensation, otherwise) or perceptual."},
    {Txt::cliValueProfile, "PROFIL.icc", "PROFILE.icc"},
    {Txt::cliValueIntent, "umrechnung", "intent"},
    {Txt::cliCmykHead, "Farbe\tC\tM\tY\tK\tGamut", "color\tC\tM\tY\tK\tgamut"},
    {Txt::cliUnknownIntent, "Unbekannte Umrechnung \"%1\" (bekannt: relative, perceptual).",
     "Unknown rendering intent \"%1\" (known: relative, perceptual)."},
    {Txt::cliOnlyWithCmyk, "--intent gilt nur zusammen mit --cmyk oder --cmyk-profile.",
     "--intent only goes with --cmyk or --cmyk-profile."},
    {Txt::profileUnreadable, "Das Profil \"%1\" kann nicht gelesen werden oder ist kein ICC-Profil.",
     "The profile \"%1\" cannot be read or is no ICC profile."},
    {Txt::profileNotCmykOutput, "\"%1\" ist kein CMYK-Ausgabeprofil.",
     "\"%1\" is not a CMYK output profile."},
    {Txt::cliCmykProfile,
     "Schreibt mit --export als ase jede Farbe in CMYK durch das ICC-Ausgabeprofil (Farbmodell CMYK) "
     "statt in RGB.",
     "With --export as ase, writes every color in CMYK through the ICC output profile (the CMYK model) "
     "instead of RGB."},
    {Txt::cliCmykProfileFormats, "--cmyk-profile gilt nur zusammen mit --export als ase.",
     "--cmyk-profile only goes with --export as ase."},
    {Txt::printProfileLabel, "&Druckprofil:", "&Print profile:"},
    {Txt::printProfileNone, "Kein Profil", "No profile"},
    {Txt::printProfileLoad, "Datei &laden...", "&Load File..."},
    {Txt::printProfileFilter, "ICC-Profile (*.icc *.icm *.ICC *.ICM);;Alle Dateien (*)",
     "ICC profiles (*.icc *.icm *.ICC *.ICM);;All files (*)"},
    {Txt::printIntentLabel, "&Umrechnung:", "Rendering &intent:"},
    {Txt::printIntentRelative, "Relativ farbmetrisch mit Tiefenkompensierung",
     "Relative colorimetric with black point compensation"},
    {Txt::printIntentPerceptual, "Wahrnehmungsorientiert", "Perceptual"},
    {Txt::importAtLine, "%1, Zeile %2: %3", "%1, line %2: %3"},
    {Txt::importAtByte, "%1, Byte %2: %3", "%1, byte %2: %3"},
    {Txt::importWhole, "%1: %2", "%1: %2"},
    {Txt::importNotAPalette, "kein Palettenformat, das Tinctora liest",
     "not a palette format Tinctora reads"},
    {Txt::importUnreadable, "nicht lesbar", "cannot be read"},
    {Txt::importNoColours, "enthält keine Farben", "contains no colors"},
    {Txt::importMissingHeader, "\"%1\" fehlt am Anfang", "\"%1\" missing at the start"},
    {Txt::importUnknownVersion, "unbekannte Version %1", "unknown version %1"},
    {Txt::importBadLine, "keine Farbzeile: \"%1\"", "not a color line: \"%1\""},
    {Txt::importBadColour, "keine Farbe: \"%1\"", "not a color: \"%1\""},
    {Txt::importNotUtf8, "kein gültiges UTF-8", "not valid UTF-8"},
    {Txt::importTruncated, "die Datei endet mitten in einem Block", "the file ends inside a block"},
    {Txt::importTrailingData, "Daten nach dem letzten Block", "data after the last block"},
    {Txt::importUnknownBlock, "unbekannter Blocktyp %1", "unknown block type %1"},
    {Txt::importUnknownModel, "unbekanntes Farbmodell %1", "unknown color model %1"},
    {Txt::importGroupEnd, "Gruppenende ohne Gruppenanfang", "group end without a group start"},
    {Txt::importNotClosed, "\"%1\" wird nicht geschlossen", "\"%1\" is never closed"},
    {Txt::importUnmatched, "\"%1\" ohne Gegenstück", "\"%1\" without its counterpart"},
    {Txt::importXml, "XML-Fehler: %1", "XML error: %1"},
    {Txt::importJson, "JSON-Fehler: %1", "JSON error: %1"},
    {Txt::importAliasCycle, "Verweise im Kreis bei %1", "aliases run in a circle at %1"},
    {Txt::importAliasMissing, "Verweis auf ein fehlendes Token: %1", "alias to a missing token: %1"},
    {Txt::importUnknownSpace, "Farbraum \"%1\" wird nicht unterstützt",
     "color space \"%1\" is not supported"},
    {Txt::importBadToken, "Token %1 hat keinen gültigen Farbwert", "token %1 has no valid color value"},
    {Txt::importTooManyColours, "mehr als %1 Farben", "more than %1 colors"},
    {Txt::importNaiveCmyk, "CMYK-Farben ohne Druckprofil nach der einfachen Formel umgerechnet",
     "CMYK colors converted by the simple formula, without a print profile"},
    {Txt::cliPaletteFromImage,
     "Gibt die häufigsten Farben des Bildes <bild> (PNG, JPEG, WebP) aus, je Zeile Hexwert und Anteil in "
     "Prozent, ohne Fenster.",
     "Prints the dominant colors of the image <image> (PNG, JPEG, WebP), one line each with hex value and "
     "share in percent, without a window."},
    {Txt::cliColours, "Anzahl der Farben für --palette-from-image, 2 bis 12 (sonst 6).",
     "Number of colors for --palette-from-image, 2 to 12 (otherwise 6)."},
    {Txt::cliFrom,
     "Liest die Palette für --export aus einer Palettendatei (.gpl, .ase, .soc, .json, .css, .txt, .hex) "
     "statt aus einer Farbeinstellungsdatei.",
     "Reads the palette for --export from a palette file (.gpl, .ase, .soc, .json, .css, .txt, .hex) instead "
     "of a color settings file."},
    {Txt::cliValueImage, "bild", "image"},
    {Txt::cliValueCount, "anzahl", "count"},
    {Txt::cliValuePalette, "palette", "palette"},
    {Txt::cliBadColourCount, "--colors braucht eine Zahl von 2 bis 12, nicht \"%1\".",
     "--colors needs a number from 2 to 12, not \"%1\"."},
    {Txt::cliOnlyWith, "%1 gilt nur zusammen mit %2.", "%1 only goes with %2."},
    {Txt::cliUnknownPaletteFile,
     "Unbekanntes Palettenformat \"%1\" (bekannt: .gpl, .ase, .soc, .json, .css, .txt, .hex).",
     "Unknown palette format \"%1\" (known: .gpl, .ase, .soc, .json, .css, .txt, .hex)."},
    {Txt::cliImageNotRead, "Das Bild \"%1\" konnte nicht gelesen werden: %2",
     "The image \"%1\" could not be read: %2"},
    {Txt::cliNoImage, "kein Bild, das sich lesen lässt", "not an image that can be read"},
    {Txt::cliNotTogether, "%1 und %2 schließen einander aus.", "%1 and %2 exclude each other."},
    {Txt::cliImportNote, "Hinweis: %1", "note: %1"},
    {Txt::paletteTitle, "Palette", "Palette"},
    {Txt::importPalette, "Palette &importieren...", "&Import Palette..."},
    {Txt::importPaletteHint, "Öffnet eine Palettendatei oder ein Bild im Fenster \"Palette\"",
     "Opens a palette file or an image in the \"Palette\" window"},
    {Txt::paletteTakeHint, "Doppelklick oder Eingabetaste: Farbe als Grundfarbe übernehmen",
     "Double-click or Enter: take the color as the base color"},
    {Txt::paletteShare, "%1 %", "%1 %"},
    {Txt::paletteMapped, "außerhalb von sRGB, nach sRGB abgebildet", "outside sRGB, mapped into sRGB"},
    {Txt::paletteUngrouped, "Ohne Gruppe", "No group"},
    {Txt::pasteColours, "Far&ben einfügen", "&Paste Colors"},
    {Txt::pasteColoursHint, "Zeigt die Hexwerte aus der Zwischenablage im Fenster \"Palette\"",
     "Shows the hex values on the clipboard in the \"Palette\" window"},
    {Txt::importFilter,
     "Paletten und Bilder (*.gpl *.ase *.soc *.json *.css *.txt *.hex *.png *.jpg *.jpeg *.webp);;Alle "
     "Dateien (*)",
     "Palettes and images (*.gpl *.ase *.soc *.json *.css *.txt *.hex *.png *.jpg *.jpeg *.webp);;All files "
     "(*)"},
    {Txt::pasteNoColours, "Die Zwischenablage enthält keine Hexwerte wie #DA251D.",
     "The clipboard holds no hex values such as #DA251D."},
    {Txt::printTab, "Druck", "Print"},
    {Txt::formatsCmykNoProfile, "CMYK (ohne Profil)", "CMYK (no profile)"},
    {Txt::formatsCmykProfile, "CMYK (%1)", "CMYK (%1)"},
    {Txt::gamutWarning, "Farb&umfangswarnung", "&Gamut Warning"},
    {Txt::gamutWarningTip, "Außerhalb des Druckfarbumfangs: ΔE2000 %1", "Outside the print gamut: ΔE2000 %1"},
    {Txt::simulatePrint, "&Druck simulieren", "Simulate P&rint"},
}};

#undef TINCTORA_HOST

constexpr bool inEnumOrder()
{
    for (int i = 0; i < txtCount; ++i)
        if (static_cast<int>(textSet[static_cast<std::size_t>(i)].id) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "language entries must follow the order of Txt");

// Tutorial page names, indexed by the tag of the tutorial actions.
constexpr std::array<TutorialPage, tutorialPageCount> pages{{
    {"index.html", "index.html"},
    {"farbkreis_dorva.htm", "colorwheel_dorva.htm"},
    {"farben\\blau.htm", "colors\\blue.htm"},
    {"farben\\rot.htm", "colors\\red.htm"},
    {"farben\\gruen.htm", "colors\\green.htm"},
    {"farben\\gelb.htm", "colors\\yellow.htm"},
    {"farben\\orange.htm", "colors\\orange.htm"},
    {"farben\\schwarz.htm", "colors\\black.htm"},
    {"farben\\rosa.htm", "colors\\pink.htm"},
    {"farben\\weiss.htm", "colors\\white.htm"},
    {"farben\\violett.htm", "colors\\violet.htm"},
    {"farben\\gold.htm", "colors\\gold.htm"},
    {"farben\\silber.htm", "colors\\silver.htm"},
    {"farben\\braun.htm", "colors\\brown.htm"},
    {"farben\\grau.htm", "colors\\gray.htm"},
    {"assoziierte_begriffe.htm", "associated_terms.htm"},
    {"farben\\lieblingsfarben.htm", "colors\\popular_colors.htm"},
    {"aktivierung.htm", "activation.htm"},
    {"marketing_text.htm", "marketing_text.htm"},
    {"marketing_headlines.htm", "marketing_headlines.htm"},
}};

} // namespace

std::span<const TextEntry> textEntries()
{
    return textSet;
}

std::span<const TutorialPage> tutorialPages()
{
    return pages;
}
