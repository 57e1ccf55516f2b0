#pragma once

// Every user-interface text that the program sets at run time. Each entry has
// a German and an English text (LanguageData.cpp); a misspelt entry is a build
// error. Action entries carry the action's name, their hints end in "Hint".
enum class Txt : int {
    // Main menu
    menuDatei,
    menuBearbeiten,
    menuAnsicht,
    menuFarbbandtyp,
    menuModus,
    menuTutorial,
    menuHilfe,
    menuFarbsehen,

    // File menu
    dateiOeffnen,
    dateiSpeichern,
    dateiSpeichernUnter,
    werteDrucken,
    FileExit1,
    FileExit1Hint,

    // Edit menu
    alleWerteKopieren,
    gezielteManuelleEingabeVonWerten,
    gezielteManuelleEingabeVonWertenHint,
    nurWebsichereFarbenAnzeigen,
    nurWebsichereFarbenAnzeigenHint,
    inWebsichereFarbenUmwandeln,
    inWebsichereFarbenUmwandelnHint,
    farbenSeparatEinstellen,
    farbenSeparatEinstellenHint,
    fixieren,
    fixierenHint,
    kontrast,
    kontrastHint,
    einstellungenMenu,

    // View menu
    farbstreifenVerstecken,
    farbstreifenVersteckenHint,
    realistisch,
    realistischHint,
    luminoes,
    luminoesHint,
    vollbild,
    vollbildHint,
    vollbildToolBar,
    programmOhneRand,
    programmOhneRandHint,
    programmOhneRandToolBar,
    pipette,
    pipetteHint,
    TextAnstelleFlaechen,
    TextAnstelleFlaechenHint,
    farbsehenNormal,
    farbsehenProtanopie,
    farbsehenDeuteranopie,
    farbsehenTritanopie,
    farbsehenAchromatopsie,

    // Mode menu
    zweierHarmonien,
    zweierHarmonienHint,
    dreierHarmonien,
    dreierHarmonienHint,
    viererHarmonien,
    viererHarmonienHint,
    auffaecherungen,
    auffaecherungenHint,
    farbreihen,
    farbreihenHint,

    // Tutorial menu, in tag order 0..19
    tutorialStartseite,
    tutorialFarbkreis,
    tutorialBlau,
    tutorialRot,
    tutorialGruen,
    tutorialGelb,
    tutorialOrange,
    tutorialSchwarz,
    tutorialRosa,
    tutorialWeiss,
    tutorialViolett,
    tutorialGold,
    tutorialSilber,
    tutorialBraun,
    tutorialGrau,
    tutorialAssoziierteBegriffe,
    tutorialBeliebtesteUnbeliebteste,
    tutorialReizkategorien,
    tutorialFliesstext,
    tutorialHeadlines,

    // Help menu
    hilfeInhalt,
    hilfeInfo,
    onlineCheckAufUpdate,

    // Single value copy (value pop-up menu, Ctrl+C, intermediate values pop-up)
    kopieren,

    // Text pop-up menu of the rich edits
    popupAusschneiden,
    popupKopieren,
    popupEinfuegen,
    popupZeichen,
    popupLinks,
    popupRechts,
    popupZentriert,
    popupKlein,
    popupMittel,
    popupGross,
    popupSchriftart,

    // Product and window caption
    productName,
    productName2,
    productVersion,
    versionLabel,

    // Field names (hints of the field controls, print and clipboard texts)
    feldGross,
    feldLinks,
    feldMitte,
    feldRechts,

    // Main window controls
    zwischendatenKnopf,
    felder3,
    felder5,
    felder7,
    felder9,
    felder11,
    felder13,
    felder15,
    hintergrundStandard,
    hintergrundWeiss,
    hintergrundGrau,
    hintergrundSchwarz,
    hintergrundHint,
    winkelTyp1,
    winkelTyp2,
    testtext,
    testtextOptionen,
    dateiFilter,

    // Status bar
    statusGrossAusgewaehlt,
    statusRechtsAusgewaehlt,
    statusLinksAusgewaehlt,
    statusMitteAusgewaehlt,
    statusZweier,
    statusDreier,
    statusVierer,
    statusAuffaecherung,
    statusFarbreihe,

    // Message-box captions
    frage,
    hinweis,
    fehler,

    // Print and clipboard
    fixiertMarker,
    druckFehler,

    // Intermediate values window
    zwischendaten,
    allesKopieren,
    drucken,
    aktiv,
    reiheLinks,
    reihe2,
    reihe3,
    reihe4,
    reihe5,
    reihe6,
    reihe7,
    reihe8,
    reihe9,
    reihe10,
    reihe11,
    reihe12,
    reihe13,
    reihe14,
    reiheMitte,
    reiheRechts,

    // Shared button captions
    hilfe,
    abbrechen,

    // Manual input dialog
    eingabeTitel,
    hexFormatHinweis,
    mehr,
    hexFehler,

    // Text instead of fields
    textAnsichtNichtVerfuegbar,

    // Colour settings file
    websicherSpeichernFrage,
    dateiNichtErstellt,
    dateiNichtGelesenVor,
    dateiNichtGelesenNach,
    dateiUeberschreiben,
    aenderungenSpeichern,

    // Popup preview window
    vollbildTitel,
    vorschauText,
    vorschauOptionen,
    vorschauTesttext,
    schliessen,
    klein,
    mittel,
    gross,
    farbwechsel,
    schrift,
    wechseln,

    // Web-safe dialog
    websicherTitel,
    naechste,
    zuweisen,
    websicherGross,
    vorschlagWebsicher,
    websicherLinks,
    websicherRechts,
    websicherMitte,
    websicherAuffaecherung,

    // Same-colour warning (one text in both languages)
    gleicheFarbeWarnung,

    // Pipette and its hint dialog
    pipetteTitel,
    pipetteHinweisTitel,
    pipetteTasteAufnehmen,
    pipetteFarbeAufnehmen,
    pipettePfeiltasten,
    pipetteFeinsteuerung,
    pipetteStrgPfeiltasten,
    pipetteGrobsteuerung,
    pipetteHinweis,
    pipetteVordergrund,
    pipetteReaktivieren,
    pipetteNichtMehrAnzeigen,
    pipetteWayland,
    pipetteNichtVerfuegbar,

    // Settings dialog
    einstellungenTitel,
    tutorialReiter,
    tutorialLokalerLink,
    tutorialPfadErklaerung,
    tutorialImInternet,

    // Help, update check, about box
    tutorialNichtGefunden,
    updateFrage,
    infoTitel,
    homepageLabel,
    emailLabel,
    herausgeber,

    // Colour vision and contrast
    farbsehenStatus,
    kontrastTitel,
    kontrastErklaerung,
    kontrastKopieren,
    kontrastSchliessen,
    kontrastEcke,
    kontrastVerhaeltnis,
    kontrastLc,
    kontrastHinweis,
    kontrastAaGross,

    // Addresses the program opens
    webSeite,
    updateSeite,
    supportEMail,

    // Palette export, colour formats window, command line
    paletteExportieren,
    paletteExportierenHint,
    farbformate,
    farbformateHint,
    farbformateTitel,
    farbformateFeld,
    farbformateKopieren,
    paletteRechts,
    paletteLinks,
    formatGpl,
    formatAse,
    formatSoc,
    formatCss,
    formatScss,
    formatTokens,
    formatSvg,
    formatPng,
    cliBeschreibung,
    cliExport,
    cliFormat,
    cliWerte,
    cliKontrast,
    cliDatei,
    cliUnbekanntesFormat,
    cliKeineDatei,
    cliZuVieleDateien,
    cliNichtsZuTun,
    fensterFehlt,
    cliNichtErstellt,
    cliBildOhneSchrift,

    // Undo, redo and the history
    undo,
    undoHint,
    redo,
    redoHint,
    verlauf,
    verlaufHint,
    verlaufTitel,
    verlaufAnfang,
    undoStatus,
    redoStatus,
    schrittBand,
    schrittHellDunkel,
    schrittModus,
    schrittWinkel,
    schrittStufen,
    schrittAuswahl,
    schrittFixieren,
    schrittSeparat,
    schrittAnsicht,
    schrittEingabe,
    schrittFarben,
    // Steps named by the gesture that began them; the Edit menu's entries name the step.
    schrittBandTyp,
    schrittWinkelTyp,
    schrittWebsicher,
    undoSchritt,
    redoSchritt,

    Count // not an entry
};

inline constexpr int txtCount = static_cast<int>(Txt::Count);
