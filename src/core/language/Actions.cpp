#include "core/language/Actions.h"

#include <algorithm>
#include <array>

namespace
{

using K = Kategorie;
using A = Aktion;

// Tool bar items without a named caption show only their image; every action
// on the tool bar therefore has an image index.
constexpr std::array<ActionDef, aktionCount> aktionen{{
    // File
    {.id = A::dateiOeffnen,
     .name = "dateiOeffnen",
     .kategorie = K::datei,
     .caption = Txt::dateiOeffnen,
     .shortcut = "Ctrl+O",
     .shortcutRolle = ShortcutRolle::nurDeutsch,
     .imageIndex = 1},
    {.id = A::dateiSpeichern,
     .name = "dateiSpeichern",
     .kategorie = K::datei,
     .caption = Txt::dateiSpeichern,
     .shortcut = "Ctrl+S",
     .shortcutRolle = ShortcutRolle::nurDeutsch,
     .imageIndex = 2},
    {.id = A::dateiSpeichernUnter,
     .name = "dateiSpeichernUnter",
     .kategorie = K::datei,
     .caption = Txt::dateiSpeichernUnter,
     .imageIndex = 3},
    {.id = A::werteDrucken,
     .name = "werteDrucken",
     .kategorie = K::datei,
     .caption = Txt::werteDrucken,
     .shortcut = "Ctrl+P",
     .shortcutRolle = ShortcutRolle::nurDeutsch,
     .imageIndex = 4},
    {.id = A::FileExit1,
     .name = "FileExit1",
     .kategorie = K::datei,
     .caption = Txt::FileExit1,
     .hint = Txt::FileExit1Hint,
     .shortcut = "Alt+F4",
     .imageIndex = 6},
    {.id = A::ShortCutStrgP,
     .name = "ShortCutStrgP",
     .kategorie = K::datei,
     .caption = Txt::werteDrucken,
     .shortcut = "Ctrl+P",
     .shortcutRolle = ShortcutRolle::nurEnglisch,
     .handlerVon = A::werteDrucken},
    {.id = A::ShortCutStrgS,
     .name = "ShortCutStrgS",
     .kategorie = K::datei,
     .caption = Txt::dateiSpeichern,
     .shortcut = "Ctrl+S",
     .shortcutRolle = ShortcutRolle::nurEnglisch,
     .handlerVon = A::dateiSpeichern},
    {.id = A::ShortCutStrgO,
     .name = "ShortCutStrgO",
     .kategorie = K::datei,
     .caption = Txt::dateiOeffnen,
     .shortcut = "Ctrl+O",
     .shortcutRolle = ShortcutRolle::nurEnglisch,
     .handlerVon = A::dateiOeffnen},

    // Edit
    {.id = A::alleWerteKopieren,
     .name = "alleWerteKopieren",
     .kategorie = K::bearbeiten,
     .caption = Txt::alleWerteKopieren,
     .shortcut = "Alt+C",
     .imageIndex = 8},
    {.id = A::Action1,
     .name = "Action1",
     .kategorie = K::bearbeiten,
     .caption = Txt::kopieren,
     .shortcut = "Ctrl+C"},
    {.id = A::gezielteManuelleEingabeVonWerten,
     .name = "gezielteManuelleEingabeVonWerten",
     .kategorie = K::bearbeiten,
     .caption = Txt::gezielteManuelleEingabeVonWerten,
     .hint = Txt::gezielteManuelleEingabeVonWertenHint,
     .imageIndex = 9},
    {.id = A::nurWebsichereFarbenAnzeigen,
     .name = "nurWebsichereFarbenAnzeigen",
     .kategorie = K::bearbeiten,
     .caption = Txt::nurWebsichereFarbenAnzeigen,
     .hint = Txt::nurWebsichereFarbenAnzeigenHint,
     .imageIndex = 22,
     .checkable = true,
     .sichtbar = false},
    {.id = A::inWebsichereFarbenUmwandeln,
     .name = "inWebsichereFarbenUmwandeln",
     .kategorie = K::bearbeiten,
     .caption = Txt::inWebsichereFarbenUmwandeln,
     .hint = Txt::inWebsichereFarbenUmwandelnHint,
     .imageIndex = 23,
     .sichtbar = false},
    {.id = A::farbenSeparatEinstellen,
     .name = "farbenSeparatEinstellen",
     .kategorie = K::bearbeiten,
     .caption = Txt::farbenSeparatEinstellen,
     .hint = Txt::farbenSeparatEinstellenHint,
     .imageIndex = 10,
     .checkable = true},
    {.id = A::fixieren,
     .name = "fixieren",
     .kategorie = K::bearbeiten,
     .caption = Txt::fixieren,
     .hint = Txt::fixierenHint,
     .imageIndex = 11,
     .checkable = true},
    {.id = A::kontrast,
     .name = "kontrast",
     .kategorie = K::bearbeiten,
     .caption = Txt::kontrast,
     .hint = Txt::kontrastHint},
    {.id = A::einstellungenMenu,
     .name = "einstellungenMenu",
     .kategorie = K::bearbeiten,
     .caption = Txt::einstellungenMenu,
     .imageIndex = 12},

    // View
    {.id = A::farbstreifenVerstecken,
     .name = "farbstreifenVerstecken",
     .kategorie = K::ansicht,
     .caption = Txt::farbstreifenVerstecken,
     .hint = Txt::farbstreifenVersteckenHint,
     .shortcut = "F8",
     .imageIndex = 13,
     .checkable = true},
    {.id = A::realistisch,
     .name = "realistisch",
     .kategorie = K::farbbandtyp,
     .caption = Txt::realistisch,
     .hint = Txt::realistischHint,
     .shortcut = "Alt+R",
     .imageIndex = 14,
     .checkable = true,
     .checkedAtStart = true,
     .gruppe = Gruppe::farbbandtyp},
    {.id = A::luminoes,
     .name = "luminoes",
     .kategorie = K::farbbandtyp,
     .caption = Txt::luminoes,
     .hint = Txt::luminoesHint,
     .shortcut = "Alt+L",
     .imageIndex = 15,
     .checkable = true,
     .gruppe = Gruppe::farbbandtyp},
    {.id = A::vollbild,
     .name = "vollbild",
     .kategorie = K::ansicht,
     .caption = Txt::vollbild,
     .hint = Txt::vollbildHint,
     .shortcut = "F9",
     .imageIndex = 21,
     .toolBarCaption = Txt::vollbildToolBar},
    {.id = A::programmOhneRand,
     .name = "programmOhneRand",
     .kategorie = K::ansicht,
     .caption = Txt::programmOhneRand,
     .hint = Txt::programmOhneRandHint,
     .imageIndex = 44,
     .checkable = true,
     .toolBarCaption = Txt::programmOhneRandToolBar},
    {.id = A::pipette,
     .name = "pipette",
     .kategorie = K::ansicht,
     .caption = Txt::pipette,
     .hint = Txt::pipetteHint,
     .shortcut = "F12",
     .imageIndex = 24},
    {.id = A::TextAnstelleFlaechen,
     .name = "TextAnstelleFlaechen",
     .kategorie = K::ansicht,
     .caption = Txt::TextAnstelleFlaechen,
     .hint = Txt::TextAnstelleFlaechenHint,
     .imageIndex = 26,
     .checkable = true},

    // Colour vision: not stored, normal at every start
    {.id = A::farbsehenNormal,
     .name = "farbsehenNormal",
     .kategorie = K::farbsehen,
     .caption = Txt::farbsehenNormal,
     .checkable = true,
     .checkedAtStart = true,
     .gruppe = Gruppe::farbsehen},
    {.id = A::farbsehenProtanopie,
     .name = "farbsehenProtanopie",
     .kategorie = K::farbsehen,
     .caption = Txt::farbsehenProtanopie,
     .checkable = true,
     .gruppe = Gruppe::farbsehen},
    {.id = A::farbsehenDeuteranopie,
     .name = "farbsehenDeuteranopie",
     .kategorie = K::farbsehen,
     .caption = Txt::farbsehenDeuteranopie,
     .checkable = true,
     .gruppe = Gruppe::farbsehen},
    {.id = A::farbsehenTritanopie,
     .name = "farbsehenTritanopie",
     .kategorie = K::farbsehen,
     .caption = Txt::farbsehenTritanopie,
     .checkable = true,
     .gruppe = Gruppe::farbsehen},
    {.id = A::farbsehenAchromatopsie,
     .name = "farbsehenAchromatopsie",
     .kategorie = K::farbsehen,
     .caption = Txt::farbsehenAchromatopsie,
     .checkable = true,
     .gruppe = Gruppe::farbsehen},

    // Mode
    {.id = A::zweierHarmonien,
     .name = "zweierHarmonien",
     .kategorie = K::modus,
     .caption = Txt::zweierHarmonien,
     .hint = Txt::zweierHarmonienHint,
     .shortcut = "F2",
     .imageIndex = 16,
     .checkable = true,
     .checkedAtStart = true,
     .gruppe = Gruppe::modus},
    {.id = A::dreierHarmonien,
     .name = "dreierHarmonien",
     .kategorie = K::modus,
     .caption = Txt::dreierHarmonien,
     .hint = Txt::dreierHarmonienHint,
     .shortcut = "F3",
     .imageIndex = 17,
     .checkable = true,
     .gruppe = Gruppe::modus},
    {.id = A::viererHarmonien,
     .name = "viererHarmonien",
     .kategorie = K::modus,
     .caption = Txt::viererHarmonien,
     .hint = Txt::viererHarmonienHint,
     .shortcut = "F4",
     .imageIndex = 18,
     .checkable = true,
     .gruppe = Gruppe::modus},
    {.id = A::auffaecherungen,
     .name = "auffaecherungen",
     .kategorie = K::modus,
     .caption = Txt::auffaecherungen,
     .hint = Txt::auffaecherungenHint,
     .shortcut = "F5",
     .imageIndex = 19,
     .checkable = true,
     .gruppe = Gruppe::modus},
    {.id = A::farbreihen,
     .name = "farbreihen",
     .kategorie = K::modus,
     .caption = Txt::farbreihen,
     .hint = Txt::farbreihenHint,
     .shortcut = "F6",
     .imageIndex = 20,
     .checkable = true,
     .gruppe = Gruppe::modus},

    // Tutorial: the tag selects the page; the colour pages have images 27..39
    {.id = A::tutorialStartseite,
     .name = "tutorialStartseite",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialStartseite,
     .shortcut = "Alt+F1",
     .tag = 0},
    {.id = A::tutorialFarbkreis,
     .name = "tutorialFarbkreis",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialFarbkreis,
     .tag = 1},
    {.id = A::tutorialBlau,
     .name = "tutorialBlau",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialBlau,
     .imageIndex = 27,
     .tag = 2},
    {.id = A::tutorialRot,
     .name = "tutorialRot",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialRot,
     .imageIndex = 28,
     .tag = 3},
    {.id = A::tutorialGruen,
     .name = "tutorialGruen",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialGruen,
     .imageIndex = 29,
     .tag = 4},
    {.id = A::tutorialGelb,
     .name = "tutorialGelb",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialGelb,
     .imageIndex = 30,
     .tag = 5},
    {.id = A::tutorialOrange,
     .name = "tutorialOrange",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialOrange,
     .imageIndex = 31,
     .tag = 6},
    {.id = A::tutorialSchwarz,
     .name = "tutorialSchwarz",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialSchwarz,
     .imageIndex = 32,
     .tag = 7},
    {.id = A::tutorialRosa,
     .name = "tutorialRosa",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialRosa,
     .imageIndex = 33,
     .tag = 8},
    {.id = A::tutorialWeiss,
     .name = "tutorialWeiss",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialWeiss,
     .imageIndex = 34,
     .tag = 9},
    {.id = A::tutorialViolett,
     .name = "tutorialViolett",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialViolett,
     .imageIndex = 35,
     .tag = 10},
    {.id = A::tutorialGold,
     .name = "tutorialGold",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialGold,
     .imageIndex = 36,
     .tag = 11},
    {.id = A::tutorialSilber,
     .name = "tutorialSilber",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialSilber,
     .imageIndex = 37,
     .tag = 12},
    {.id = A::tutorialBraun,
     .name = "tutorialBraun",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialBraun,
     .imageIndex = 38,
     .tag = 13},
    {.id = A::tutorialGrau,
     .name = "tutorialGrau",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialGrau,
     .imageIndex = 39,
     .tag = 14},
    {.id = A::tutorialAssoziierteBegriffe,
     .name = "tutorialAssoziierteBegriffe",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialAssoziierteBegriffe,
     .tag = 15},
    {.id = A::tutorialBeliebtesteUnbeliebteste,
     .name = "tutorialBeliebtesteUnbeliebteste",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialBeliebtesteUnbeliebteste,
     .tag = 16},
    {.id = A::tutorialReizkategorien,
     .name = "tutorialReizkategorien",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialReizkategorien,
     .tag = 17},
    {.id = A::tutorialFliesstext,
     .name = "tutorialFliesstext",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialFliesstext,
     .tag = 18},
    {.id = A::tutorialHeadlines,
     .name = "tutorialHeadlines",
     .kategorie = K::tutorial,
     .caption = Txt::tutorialHeadlines,
     .tag = 19},

    // Help
    {.id = A::hilfeInhalt,
     .name = "hilfeInhalt",
     .kategorie = K::hilfe,
     .caption = Txt::hilfeInhalt,
     .shortcut = "F1",
     .imageIndex = 5},
    {.id = A::hilfeInfo,
     .name = "hilfeInfo",
     .kategorie = K::hilfe,
     .caption = Txt::hilfeInfo,
     .imageIndex = 7},
    {.id = A::onlineCheckAufUpdate,
     .name = "onlineCheckAufUpdate",
     .kategorie = K::hilfe,
     .caption = Txt::onlineCheckAufUpdate,
     .imageIndex = 25},

    // Added later: the palette for other programs, the colour formats window.
    {.id = A::paletteExportieren,
     .name = "paletteExportieren",
     .kategorie = K::datei,
     .caption = Txt::paletteExportieren,
     .hint = Txt::paletteExportierenHint,
     .shortcut = "Ctrl+E"},
    {.id = A::farbformate,
     .name = "farbformate",
     .kategorie = K::bearbeiten,
     .caption = Txt::farbformate,
     .hint = Txt::farbformateHint},
    {.id = A::rueckgaengig,
     .name = "rueckgaengig",
     .kategorie = K::bearbeiten,
     .caption = Txt::undo,
     .hint = Txt::undoHint,
     .shortcut = "Ctrl+Z"},
    {.id = A::wiederherstellen,
     .name = "wiederherstellen",
     .kategorie = K::bearbeiten,
     .caption = Txt::redo,
     .hint = Txt::redoHint,
     .shortcut = "Ctrl+Shift+Z",
     .weitererShortcut = "Ctrl+Y"},
    {.id = A::verlauf,
     .name = "verlauf",
     .kategorie = K::bearbeiten,
     .caption = Txt::verlauf,
     .hint = Txt::verlaufHint},
    {.id = A::skalen,
     .name = "skalen",
     .kategorie = K::bearbeiten,
     .caption = Txt::skalen,
     .hint = Txt::skalenHint,
     .shortcut = "F7"},
}};

constexpr bool inAktionsOrdnung()
{
    for (int i = 0; i < aktionCount; ++i)
        if (static_cast<int>(aktionen[static_cast<std::size_t>(i)].id) != i)
            return false;
    return true;
}
static_assert(inAktionsOrdnung(), "action defs must follow the order of Aktion");

using E = MenuEntry;
constexpr E item(Aktion a)
{
    return {E::Art::aktion, a, MenuId::datei};
}
constexpr E trenner()
{
    return {E::Art::trenner, Aktion::Count, MenuId::datei};
}
constexpr E untermenue(MenuId m)
{
    return {E::Art::untermenue, Aktion::Count, m};
}

constexpr std::array dateiMenue{item(A::dateiOeffnen),
                                item(A::dateiSpeichern),
                                item(A::dateiSpeichernUnter),
                                item(A::paletteExportieren),
                                trenner(),
                                item(A::werteDrucken),
                                trenner(),
                                item(A::FileExit1)};

constexpr std::array bearbeitenMenue{item(A::rueckgaengig),
                                     item(A::wiederherstellen),
                                     item(A::verlauf),
                                     trenner(),
                                     item(A::alleWerteKopieren),
                                     item(A::farbformate),
                                     item(A::gezielteManuelleEingabeVonWerten),
                                     item(A::nurWebsichereFarbenAnzeigen),
                                     item(A::inWebsichereFarbenUmwandeln),
                                     item(A::farbenSeparatEinstellen),
                                     item(A::fixieren),
                                     item(A::kontrast),
                                     item(A::skalen),
                                     trenner(),
                                     item(A::einstellungenMenu)};

constexpr std::array ansichtMenue{item(A::farbstreifenVerstecken),
                                  untermenue(MenuId::farbbandtyp),
                                  trenner(),
                                  item(A::vollbild),
                                  item(A::programmOhneRand),
                                  trenner(),
                                  item(A::pipette),
                                  item(A::TextAnstelleFlaechen),
                                  trenner(),
                                  untermenue(MenuId::farbsehen)};

constexpr std::array farbbandtypMenue{item(A::realistisch), item(A::luminoes)};

constexpr std::array farbsehenMenue{item(A::farbsehenNormal), item(A::farbsehenProtanopie),
                                    item(A::farbsehenDeuteranopie), item(A::farbsehenTritanopie),
                                    item(A::farbsehenAchromatopsie)};

constexpr std::array modusMenue{item(A::zweierHarmonien), item(A::dreierHarmonien), item(A::viererHarmonien),
                                item(A::auffaecherungen), item(A::farbreihen)};

constexpr std::array tutorialMenue{
    item(A::tutorialStartseite),
    item(A::tutorialFarbkreis),
    trenner(),
    item(A::tutorialBlau),
    item(A::tutorialRot),
    item(A::tutorialGruen),
    item(A::tutorialGelb),
    item(A::tutorialOrange),
    item(A::tutorialSchwarz),
    item(A::tutorialRosa),
    item(A::tutorialWeiss),
    item(A::tutorialViolett),
    item(A::tutorialGold),
    item(A::tutorialSilber),
    item(A::tutorialBraun),
    item(A::tutorialGrau),
    trenner(),
    item(A::tutorialAssoziierteBegriffe),
    item(A::tutorialBeliebtesteUnbeliebteste),
    item(A::tutorialReizkategorien),
    trenner(),
    item(A::tutorialFliesstext),
    item(A::tutorialHeadlines),
};

constexpr std::array hilfeMenue{item(A::hilfeInhalt), item(A::hilfeInfo), item(A::onlineCheckAufUpdate)};

const std::array<MenuDef, menuCount> menues{{
    {MenuId::datei, "menuDatei", Txt::menuDatei, true, dateiMenue},
    {MenuId::bearbeiten, "menuBearbeiten", Txt::menuBearbeiten, true, bearbeitenMenue},
    {MenuId::ansicht, "menuAnsicht", Txt::menuAnsicht, true, ansichtMenue},
    {MenuId::modus, "menuModus", Txt::menuModus, true, modusMenue},
    {MenuId::tutorial, "menuTutorial", Txt::menuTutorial, true, tutorialMenue},
    {MenuId::hilfe, "menuHilfe", Txt::menuHilfe, true, hilfeMenue},
    {MenuId::farbbandtyp, "menuFarbbandtyp", Txt::menuFarbbandtyp, false, farbbandtypMenue},
    {MenuId::farbsehen, "menuFarbsehen", Txt::menuFarbsehen, false, farbsehenMenue},
}};

constexpr ToolBarEntry tb(Aktion a)
{
    return {a};
}
constexpr ToolBarEntry tbTrenner()
{
    return {std::nullopt};
}

constexpr std::array werkzeugleiste{
    tb(A::FileExit1),
    tbTrenner(),
    tb(A::fixieren),
    tb(A::farbstreifenVerstecken),
    tb(A::vollbild),
    tb(A::programmOhneRand),
    tb(A::TextAnstelleFlaechen),
    tbTrenner(),
    tb(A::realistisch),
    tb(A::luminoes),
    tbTrenner(),
    tb(A::zweierHarmonien),
    tb(A::dreierHarmonien),
    tb(A::viererHarmonien),
    tb(A::auffaecherungen),
    tb(A::farbreihen),
    tbTrenner(),
    tb(A::farbenSeparatEinstellen),
    tb(A::gezielteManuelleEingabeVonWerten),
    tb(A::nurWebsichereFarbenAnzeigen),
    tb(A::inWebsichereFarbenUmwandeln),
    tbTrenner(),
    tb(A::pipette),
};

struct Bild {
    int index;
    const char* datei;
};

constexpr std::array bilder{
    Bild{1, "open"},
    Bild{2, "save"},
    Bild{3, "save-as"},
    Bild{4, "print"},
    Bild{5, "help-contents"},
    Bild{6, "exit"},
    Bild{7, "info"},
    Bild{8, "copy-all"},
    Bild{9, "manual-input"},
    Bild{10, "adjust-separately"},
    Bild{11, "fix"},
    Bild{12, "settings"},
    Bild{13, "hide-band"},
    Bild{14, "band-realistic"},
    Bild{15, "band-luminous"},
    Bild{16, "mode-two"},
    Bild{17, "mode-three"},
    Bild{18, "mode-four"},
    Bild{19, "mode-fanning"},
    Bild{20, "mode-row"},
    Bild{21, "popup-window"},
    Bild{22, "web-safe-show"},
    Bild{23, "web-safe-convert"},
    Bild{24, "pipette"},
    Bild{25, "update-check"},
    Bild{26, "text-instead"},
    Bild{27, "colour-blue"},
    Bild{28, "colour-red"},
    Bild{29, "colour-green"},
    Bild{30, "colour-yellow"},
    Bild{31, "colour-orange"},
    Bild{32, "colour-black"},
    Bild{33, "colour-pink"},
    Bild{34, "colour-white"},
    Bild{35, "colour-violet"},
    Bild{36, "colour-gold"},
    Bild{37, "colour-silver"},
    Bild{38, "colour-brown"},
    Bild{39, "colour-grey"},
    Bild{44, "fullscreen"},
};

constexpr std::array<int, bilder.size()> bildIndizes = [] {
    std::array<int, bilder.size()> r{};
    for (std::size_t i = 0; i < bilder.size(); ++i)
        r[i] = bilder[i].index;
    return r;
}();

} // namespace

std::span<const ActionDef> actionDefs()
{
    return aktionen;
}

const ActionDef& actionDef(Aktion id)
{
    return aktionen.at(static_cast<std::size_t>(id));
}

std::optional<Aktion> findAktion(QStringView name)
{
    for (const ActionDef& s : aktionen)
        if (name == QLatin1StringView(s.name))
            return s.id;
    return std::nullopt;
}

const char* kategorieName(Kategorie k)
{
    switch (k) {
    case Kategorie::datei:
        return "Datei";
    case Kategorie::bearbeiten:
        return "Bearbeiten";
    case Kategorie::ansicht:
        return "Ansicht";
    case Kategorie::farbbandtyp:
        return "Farbbandtyp";
    case Kategorie::modus:
        return "Modus";
    case Kategorie::hilfe:
        return "Hilfe";
    case Kategorie::tutorial:
        return "Tutorial";
    case Kategorie::farbsehen:
        return "Farbsehen";
    }
    return "";
}

QKeySequence shortcutFor(const ActionDef& def, Sprache sprache)
{
    if (def.shortcut == nullptr)
        return {};
    const bool gilt = def.shortcutRolle == ShortcutRolle::immer ||
                      (def.shortcutRolle == ShortcutRolle::nurDeutsch && sprache == Sprache::deutsch) ||
                      (def.shortcutRolle == ShortcutRolle::nurEnglisch && sprache == Sprache::englisch);
    if (!gilt)
        return {};
    return QKeySequence(QString::fromLatin1(def.shortcut), QKeySequence::PortableText);
}

QList<QKeySequence> shortcutsFor(const ActionDef& def, Sprache sprache)
{
    QList<QKeySequence> alle;
    if (const QKeySequence erster = shortcutFor(def, sprache); !erster.isEmpty()) {
        alle.append(erster);
        if (def.weitererShortcut)
            alle.append(QKeySequence(QString::fromLatin1(def.weitererShortcut), QKeySequence::PortableText));
    }
    return alle;
}

std::span<const MenuDef> menuDefs()
{
    return menues;
}

const MenuDef& menuDef(MenuId id)
{
    const auto it = std::find_if(menues.begin(), menues.end(), [id](const MenuDef& m) { return m.id == id; });
    return *it; // every MenuId has an entry
}

std::span<const ToolBarEntry> toolBarLayout()
{
    return werkzeugleiste;
}

QString iconPfad(int imageIndex)
{
    for (const Bild& b : bilder)
        if (b.index == imageIndex)
            return QStringLiteral(":/icons/%1.svg").arg(QLatin1StringView(b.datei));
    return {};
}

std::span<const int> verwendeteBildIndizes()
{
    return bildIndizes;
}
