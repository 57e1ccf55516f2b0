#include "core/language/Actions.h"

#include <algorithm>
#include <array>

namespace
{

using K = Category;
using A = ActionId;

// Tool bar items without a named caption show only their image; every action
// on the tool bar therefore has an image index.
constexpr std::array<ActionDef, actionCount> actionSet{{
    // File
    {.id = A::dateiOeffnen,
     .name = "dateiOeffnen",
     .category = K::fileItem,
     .caption = Txt::dateiOeffnen,
     .shortcut = "Ctrl+O",
     .shortcutRole = ShortcutRole::germanOnly,
     .imageIndex = 1},
    {.id = A::dateiSpeichern,
     .name = "dateiSpeichern",
     .category = K::fileItem,
     .caption = Txt::dateiSpeichern,
     .shortcut = "Ctrl+S",
     .shortcutRole = ShortcutRole::germanOnly,
     .imageIndex = 2},
    {.id = A::dateiSpeichernUnter,
     .name = "dateiSpeichernUnter",
     .category = K::fileItem,
     .caption = Txt::dateiSpeichernUnter,
     .imageIndex = 3},
    {.id = A::werteDrucken,
     .name = "werteDrucken",
     .category = K::fileItem,
     .caption = Txt::werteDrucken,
     .shortcut = "Ctrl+P",
     .shortcutRole = ShortcutRole::germanOnly,
     .imageIndex = 4},
    {.id = A::FileExit1,
     .name = "FileExit1",
     .category = K::fileItem,
     .caption = Txt::FileExit1,
     .hint = Txt::FileExit1Hint,
     .shortcut = "Alt+F4",
     .imageIndex = 6},
    {.id = A::ShortCutStrgP,
     .name = "ShortCutStrgP",
     .category = K::fileItem,
     .caption = Txt::werteDrucken,
     .shortcut = "Ctrl+P",
     .shortcutRole = ShortcutRole::englishOnly,
     .handlerVon = A::werteDrucken},
    {.id = A::ShortCutStrgS,
     .name = "ShortCutStrgS",
     .category = K::fileItem,
     .caption = Txt::dateiSpeichern,
     .shortcut = "Ctrl+S",
     .shortcutRole = ShortcutRole::englishOnly,
     .handlerVon = A::dateiSpeichern},
    {.id = A::ShortCutStrgO,
     .name = "ShortCutStrgO",
     .category = K::fileItem,
     .caption = Txt::dateiOeffnen,
     .shortcut = "Ctrl+O",
     .shortcutRole = ShortcutRole::englishOnly,
     .handlerVon = A::dateiOeffnen},

    // Edit
    {.id = A::alleWerteKopieren,
     .name = "alleWerteKopieren",
     .category = K::editing,
     .caption = Txt::alleWerteKopieren,
     .shortcut = "Alt+C",
     .imageIndex = 8},
    {.id = A::Action1,
     .name = "Action1",
     .category = K::editing,
     .caption = Txt::copyToClipboard,
     .shortcut = "Ctrl+C"},
    {.id = A::gezielteManuelleEingabeVonWerten,
     .name = "gezielteManuelleEingabeVonWerten",
     .category = K::editing,
     .caption = Txt::gezielteManuelleEingabeVonWerten,
     .hint = Txt::gezielteManuelleEingabeVonWertenHint,
     .imageIndex = 9},
    {.id = A::nurWebsichereFarbenAnzeigen,
     .name = "nurWebsichereFarbenAnzeigen",
     .category = K::editing,
     .caption = Txt::nurWebsichereFarbenAnzeigen,
     .hint = Txt::nurWebsichereFarbenAnzeigenHint,
     .imageIndex = 22,
     .checkable = true,
     .visible = false},
    {.id = A::inWebsichereFarbenUmwandeln,
     .name = "inWebsichereFarbenUmwandeln",
     .category = K::editing,
     .caption = Txt::inWebsichereFarbenUmwandeln,
     .hint = Txt::inWebsichereFarbenUmwandelnHint,
     .imageIndex = 23,
     .visible = false},
    {.id = A::farbenSeparatEinstellen,
     .name = "farbenSeparatEinstellen",
     .category = K::editing,
     .caption = Txt::farbenSeparatEinstellen,
     .hint = Txt::farbenSeparatEinstellenHint,
     .imageIndex = 10,
     .checkable = true},
    {.id = A::fixieren,
     .name = "fixieren",
     .category = K::editing,
     .caption = Txt::fixieren,
     .hint = Txt::fixierenHint,
     .imageIndex = 11,
     .checkable = true},
    {.id = A::contrast,
     .name = "kontrast",
     .category = K::editing,
     .caption = Txt::contrast,
     .hint = Txt::contrastHint,
     .shortcut = "Ctrl+Shift+K"},
    {.id = A::einstellungenMenu,
     .name = "einstellungenMenu",
     .category = K::editing,
     .caption = Txt::einstellungenMenu,
     .imageIndex = 12},

    // View
    {.id = A::farbstreifenVerstecken,
     .name = "farbstreifenVerstecken",
     .category = K::viewOptions,
     .caption = Txt::farbstreifenVerstecken,
     .hint = Txt::farbstreifenVersteckenHint,
     .shortcut = "F8",
     .imageIndex = 13,
     .checkable = true},
    {.id = A::realistisch,
     .name = "realistisch",
     .category = K::colourBandType,
     .caption = Txt::realistisch,
     .hint = Txt::realistischHint,
     .shortcut = "Alt+R",
     .imageIndex = 14,
     .checkable = true,
     .checkedAtStart = true,
     .exclusiveGroup = ExclusiveGroup::colourBandType},
    {.id = A::luminoes,
     .name = "luminoes",
     .category = K::colourBandType,
     .caption = Txt::luminoes,
     .hint = Txt::luminoesHint,
     .shortcut = "Alt+L",
     .imageIndex = 15,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::colourBandType},
    {.id = A::vollbild,
     .name = "vollbild",
     .category = K::viewOptions,
     .caption = Txt::vollbild,
     .hint = Txt::vollbildHint,
     .shortcut = "F9",
     .imageIndex = 21,
     .toolBarCaption = Txt::vollbildToolBar},
    {.id = A::programmOhneRand,
     .name = "programmOhneRand",
     .category = K::viewOptions,
     .caption = Txt::programmOhneRand,
     .hint = Txt::programmOhneRandHint,
     .imageIndex = 44,
     .checkable = true,
     .toolBarCaption = Txt::programmOhneRandToolBar},
    {.id = A::pipette,
     .name = "pipette",
     .category = K::viewOptions,
     .caption = Txt::pipette,
     .hint = Txt::pipetteHint,
     .shortcut = "F12",
     .imageIndex = 24},
    {.id = A::TextAnstelleFlaechen,
     .name = "TextAnstelleFlaechen",
     .category = K::viewOptions,
     .caption = Txt::TextAnstelleFlaechen,
     .hint = Txt::TextAnstelleFlaechenHint,
     .imageIndex = 26,
     .checkable = true},

    // Colour vision: not stored, normal at every start
    {.id = A::colourVisionNormal,
     .name = "farbsehenNormal",
     .category = K::colourVision,
     .caption = Txt::colourVisionNormal,
     .checkable = true,
     .checkedAtStart = true,
     .exclusiveGroup = ExclusiveGroup::colourVision},
    {.id = A::colourVisionProtanopia,
     .name = "farbsehenProtanopie",
     .category = K::colourVision,
     .caption = Txt::colourVisionProtanopia,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::colourVision},
    {.id = A::colourVisionDeuteranopia,
     .name = "farbsehenDeuteranopie",
     .category = K::colourVision,
     .caption = Txt::colourVisionDeuteranopia,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::colourVision},
    {.id = A::colourVisionTritanopia,
     .name = "farbsehenTritanopie",
     .category = K::colourVision,
     .caption = Txt::colourVisionTritanopia,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::colourVision},
    {.id = A::colourVisionAchromatopsia,
     .name = "farbsehenAchromatopsie",
     .category = K::colourVision,
     .caption = Txt::colourVisionAchromatopsia,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::colourVision},

    // Mode
    {.id = A::zweierHarmonien,
     .name = "zweierHarmonien",
     .category = K::harmonyMode,
     .caption = Txt::zweierHarmonien,
     .hint = Txt::zweierHarmonienHint,
     .shortcut = "F2",
     .imageIndex = 16,
     .checkable = true,
     .checkedAtStart = true,
     .exclusiveGroup = ExclusiveGroup::harmonyMode},
    {.id = A::dreierHarmonien,
     .name = "dreierHarmonien",
     .category = K::harmonyMode,
     .caption = Txt::dreierHarmonien,
     .hint = Txt::dreierHarmonienHint,
     .shortcut = "F3",
     .imageIndex = 17,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::harmonyMode},
    {.id = A::viererHarmonien,
     .name = "viererHarmonien",
     .category = K::harmonyMode,
     .caption = Txt::viererHarmonien,
     .hint = Txt::viererHarmonienHint,
     .shortcut = "F4",
     .imageIndex = 18,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::harmonyMode},
    {.id = A::auffaecherungen,
     .name = "auffaecherungen",
     .category = K::harmonyMode,
     .caption = Txt::auffaecherungen,
     .hint = Txt::auffaecherungenHint,
     .shortcut = "F5",
     .imageIndex = 19,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::harmonyMode},
    {.id = A::farbreihen,
     .name = "farbreihen",
     .category = K::harmonyMode,
     .caption = Txt::farbreihen,
     .hint = Txt::farbreihenHint,
     .shortcut = "F6",
     .imageIndex = 20,
     .checkable = true,
     .exclusiveGroup = ExclusiveGroup::harmonyMode},

    // Tutorial: the tag selects the page; the colour pages have images 27..39
    {.id = A::tutorialStartseite,
     .name = "tutorialStartseite",
     .category = K::tutorial,
     .caption = Txt::tutorialStartseite,
     .shortcut = "Alt+F1",
     .tag = 0},
    {.id = A::tutorialFarbkreis,
     .name = "tutorialFarbkreis",
     .category = K::tutorial,
     .caption = Txt::tutorialFarbkreis,
     .tag = 1},
    {.id = A::tutorialBlau,
     .name = "tutorialBlau",
     .category = K::tutorial,
     .caption = Txt::tutorialBlau,
     .imageIndex = 27,
     .tag = 2},
    {.id = A::tutorialRot,
     .name = "tutorialRot",
     .category = K::tutorial,
     .caption = Txt::tutorialRot,
     .imageIndex = 28,
     .tag = 3},
    {.id = A::tutorialGruen,
     .name = "tutorialGruen",
     .category = K::tutorial,
     .caption = Txt::tutorialGruen,
     .imageIndex = 29,
     .tag = 4},
    {.id = A::tutorialGelb,
     .name = "tutorialGelb",
     .category = K::tutorial,
     .caption = Txt::tutorialGelb,
     .imageIndex = 30,
     .tag = 5},
    {.id = A::tutorialOrange,
     .name = "tutorialOrange",
     .category = K::tutorial,
     .caption = Txt::tutorialOrange,
     .imageIndex = 31,
     .tag = 6},
    {.id = A::tutorialSchwarz,
     .name = "tutorialSchwarz",
     .category = K::tutorial,
     .caption = Txt::tutorialSchwarz,
     .imageIndex = 32,
     .tag = 7},
    {.id = A::tutorialRosa,
     .name = "tutorialRosa",
     .category = K::tutorial,
     .caption = Txt::tutorialRosa,
     .imageIndex = 33,
     .tag = 8},
    {.id = A::tutorialWeiss,
     .name = "tutorialWeiss",
     .category = K::tutorial,
     .caption = Txt::tutorialWeiss,
     .imageIndex = 34,
     .tag = 9},
    {.id = A::tutorialViolett,
     .name = "tutorialViolett",
     .category = K::tutorial,
     .caption = Txt::tutorialViolett,
     .imageIndex = 35,
     .tag = 10},
    {.id = A::tutorialGold,
     .name = "tutorialGold",
     .category = K::tutorial,
     .caption = Txt::tutorialGold,
     .imageIndex = 36,
     .tag = 11},
    {.id = A::tutorialSilber,
     .name = "tutorialSilber",
     .category = K::tutorial,
     .caption = Txt::tutorialSilber,
     .imageIndex = 37,
     .tag = 12},
    {.id = A::tutorialBraun,
     .name = "tutorialBraun",
     .category = K::tutorial,
     .caption = Txt::tutorialBraun,
     .imageIndex = 38,
     .tag = 13},
    {.id = A::tutorialGrau,
     .name = "tutorialGrau",
     .category = K::tutorial,
     .caption = Txt::tutorialGrau,
     .imageIndex = 39,
     .tag = 14},
    {.id = A::tutorialAssoziierteBegriffe,
     .name = "tutorialAssoziierteBegriffe",
     .category = K::tutorial,
     .caption = Txt::tutorialAssoziierteBegriffe,
     .tag = 15},
    {.id = A::tutorialBeliebtesteUnbeliebteste,
     .name = "tutorialBeliebtesteUnbeliebteste",
     .category = K::tutorial,
     .caption = Txt::tutorialBeliebtesteUnbeliebteste,
     .tag = 16},
    {.id = A::tutorialReizkategorien,
     .name = "tutorialReizkategorien",
     .category = K::tutorial,
     .caption = Txt::tutorialReizkategorien,
     .tag = 17},
    {.id = A::tutorialFliesstext,
     .name = "tutorialFliesstext",
     .category = K::tutorial,
     .caption = Txt::tutorialFliesstext,
     .tag = 18},
    {.id = A::tutorialHeadlines,
     .name = "tutorialHeadlines",
     .category = K::tutorial,
     .caption = Txt::tutorialHeadlines,
     .tag = 19},

    // Help
    {.id = A::hilfeInhalt,
     .name = "hilfeInhalt",
     .category = K::help,
     .caption = Txt::hilfeInhalt,
     .shortcut = "F1",
     .imageIndex = 5},
    {.id = A::hilfeInfo,
     .name = "hilfeInfo",
     .category = K::help,
     .caption = Txt::hilfeInfo,
     .imageIndex = 7},
    {.id = A::onlineCheckAufUpdate,
     .name = "onlineCheckAufUpdate",
     .category = K::help,
     .caption = Txt::onlineCheckAufUpdate,
     .imageIndex = 25},

    // Added later: the palette for other programs, the colour formats window.
    {.id = A::exportPalette,
     .name = "paletteExportieren",
     .category = K::fileItem,
     .caption = Txt::exportPalette,
     .hint = Txt::exportPaletteHint,
     .shortcut = "Ctrl+E"},
    {.id = A::colourFormats,
     .name = "farbformate",
     .category = K::editing,
     .caption = Txt::colourFormats,
     .hint = Txt::colourFormatsHint,
     .shortcut = "Ctrl+Shift+F"},
    {.id = A::undo,
     .name = "rueckgaengig",
     .category = K::editing,
     .caption = Txt::undo,
     .hint = Txt::undoHint,
     .shortcut = "Ctrl+Z"},
    {.id = A::restoreStep,
     .name = "wiederherstellen",
     .category = K::editing,
     .caption = Txt::redo,
     .hint = Txt::redoHint,
     .shortcut = "Ctrl+Shift+Z",
     .secondShortcut = "Ctrl+Y"},
    {.id = A::history,
     .name = "verlauf",
     .category = K::editing,
     .caption = Txt::history,
     .hint = Txt::historyHint,
     .shortcut = "Ctrl+Shift+H"},
    {.id = A::colourScales,
     .name = "skalen",
     .category = K::editing,
     .caption = Txt::colourScales,
     .hint = Txt::colourScalesHint,
     .shortcut = "F7"},
    {.id = A::importPalette,
     .name = "paletteImportieren",
     .category = K::fileItem,
     .caption = Txt::importPalette,
     .hint = Txt::importPaletteHint},
    {.id = A::pasteColours,
     .name = "farbenEinfuegen",
     .category = K::editing,
     .caption = Txt::pasteColours,
     .hint = Txt::pasteColoursHint,
     .shortcut = "Ctrl+V"},
    // Not stored: off at every start
    {.id = A::gamutWarning,
     .name = "farbumfangswarnung",
     .category = K::viewOptions,
     .caption = Txt::gamutWarning,
     .checkable = true},
    {.id = A::simulatePrint,
     .name = "druckSimulieren",
     .category = K::viewOptions,
     .caption = Txt::simulatePrint,
     .checkable = true},
}};

constexpr bool inActionOrder()
{
    for (int i = 0; i < actionCount; ++i)
        if (static_cast<int>(actionSet[static_cast<std::size_t>(i)].id) != i)
            return false;
    return true;
}
static_assert(inActionOrder(), "action defs must follow the order of Aktion");

using E = MenuEntry;
constexpr E item(ActionId a)
{
    return {E::EntryKind::actionItem, a, MenuId::fileItem};
}
constexpr E separator()
{
    return {E::EntryKind::separator, ActionId::Count, MenuId::fileItem};
}
constexpr E submenu(MenuId m)
{
    return {E::EntryKind::submenu, ActionId::Count, m};
}

constexpr std::array fileMenu{item(A::dateiOeffnen),
                              item(A::dateiSpeichern),
                              item(A::dateiSpeichernUnter),
                              item(A::importPalette),
                              item(A::exportPalette),
                              separator(),
                              item(A::werteDrucken),
                              separator(),
                              item(A::FileExit1)};

constexpr std::array editMenu{item(A::undo),
                              item(A::restoreStep),
                              item(A::history),
                              separator(),
                              item(A::alleWerteKopieren),
                              item(A::pasteColours),
                              item(A::colourFormats),
                              item(A::gezielteManuelleEingabeVonWerten),
                              item(A::nurWebsichereFarbenAnzeigen),
                              item(A::inWebsichereFarbenUmwandeln),
                              item(A::farbenSeparatEinstellen),
                              item(A::fixieren),
                              item(A::contrast),
                              item(A::colourScales),
                              separator(),
                              item(A::einstellungenMenu)};

constexpr std::array viewMenu{item(A::farbstreifenVerstecken),
                              submenu(MenuId::colourBandType),
                              separator(),
                              item(A::vollbild),
                              item(A::programmOhneRand),
                              separator(),
                              item(A::pipette),
                              item(A::TextAnstelleFlaechen),
                              separator(),
                              submenu(MenuId::colourVision),
                              item(A::gamutWarning),
                              item(A::simulatePrint)};

constexpr std::array colourBandTypeMenu{item(A::realistisch), item(A::luminoes)};

constexpr std::array colourVisionMenu{item(A::colourVisionNormal), item(A::colourVisionProtanopia),
                                      item(A::colourVisionDeuteranopia), item(A::colourVisionTritanopia),
                                      item(A::colourVisionAchromatopsia)};

constexpr std::array harmonyModeMenu{item(A::zweierHarmonien), item(A::dreierHarmonien),
                                     item(A::viererHarmonien), item(A::auffaecherungen), item(A::farbreihen)};

constexpr std::array tutorialMenu{
    item(A::tutorialStartseite),
    item(A::tutorialFarbkreis),
    separator(),
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
    separator(),
    item(A::tutorialAssoziierteBegriffe),
    item(A::tutorialBeliebtesteUnbeliebteste),
    item(A::tutorialReizkategorien),
    separator(),
    item(A::tutorialFliesstext),
    item(A::tutorialHeadlines),
};

constexpr std::array helpMenu{item(A::hilfeInhalt), item(A::hilfeInfo), item(A::onlineCheckAufUpdate)};

const std::array<MenuDef, menuCount> menus{{
    {MenuId::fileItem, "menuDatei", Txt::menuFile, true, fileMenu},
    {MenuId::editing, "menuBearbeiten", Txt::menuEdit, true, editMenu},
    {MenuId::viewOptions, "menuAnsicht", Txt::menuView, true, viewMenu},
    {MenuId::harmonyMode, "menuModus", Txt::menuHarmonyMode, true, harmonyModeMenu},
    {MenuId::tutorial, "menuTutorial", Txt::menuTutorial, true, tutorialMenu},
    {MenuId::help, "menuHilfe", Txt::menuHelp, true, helpMenu},
    {MenuId::colourBandType, "menuFarbbandtyp", Txt::menuBandType, false, colourBandTypeMenu},
    {MenuId::colourVision, "menuFarbsehen", Txt::menuColourVision, false, colourVisionMenu},
}};

constexpr ToolBarEntry tb(ActionId a)
{
    return {a};
}
constexpr ToolBarEntry toolBarSeparator()
{
    return {std::nullopt};
}

constexpr std::array toolBarEntries{
    tb(A::FileExit1),
    toolBarSeparator(),
    tb(A::fixieren),
    tb(A::farbstreifenVerstecken),
    tb(A::vollbild),
    tb(A::programmOhneRand),
    tb(A::TextAnstelleFlaechen),
    toolBarSeparator(),
    tb(A::realistisch),
    tb(A::luminoes),
    toolBarSeparator(),
    tb(A::zweierHarmonien),
    tb(A::dreierHarmonien),
    tb(A::viererHarmonien),
    tb(A::auffaecherungen),
    tb(A::farbreihen),
    toolBarSeparator(),
    tb(A::farbenSeparatEinstellen),
    tb(A::gezielteManuelleEingabeVonWerten),
    tb(A::nurWebsichereFarbenAnzeigen),
    tb(A::inWebsichereFarbenUmwandeln),
    toolBarSeparator(),
    tb(A::pipette),
};

struct Bild {
    int index;
    const char* fileItem;
};

constexpr std::array pictures{
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

constexpr std::array<int, pictures.size()> imageIndices = [] {
    std::array<int, pictures.size()> r{};
    for (std::size_t i = 0; i < pictures.size(); ++i)
        r[i] = pictures[i].index;
    return r;
}();

} // namespace

std::span<const ActionDef> actionDefs()
{
    return actionSet;
}

const ActionDef& actionDef(ActionId id)
{
    return actionSet.at(static_cast<std::size_t>(id));
}

std::optional<ActionId> findAction(QStringView name)
{
    for (const ActionDef& s : actionSet)
        if (name == QLatin1StringView(s.name))
            return s.id;
    return std::nullopt;
}

const char* categoryName(Category k)
{
    switch (k) {
    case Category::fileItem:
        return "Datei";
    case Category::editing:
        return "Bearbeiten";
    case Category::viewOptions:
        return "Ansicht";
    case Category::colourBandType:
        return "Farbbandtyp";
    case Category::harmonyMode:
        return "Modus";
    case Category::help:
        return "Hilfe";
    case Category::tutorial:
        return "Tutorial";
    case Category::colourVision:
        return "Farbsehen";
    }
    return "";
}

QKeySequence shortcutFor(const ActionDef& def, Language uiLanguage)
{
    if (def.shortcut == nullptr)
        return {};
    const bool gilt = def.shortcutRole == ShortcutRole::always ||
                      (def.shortcutRole == ShortcutRole::germanOnly && uiLanguage == Language::german) ||
                      (def.shortcutRole == ShortcutRole::englishOnly && uiLanguage == Language::english);
    if (!gilt)
        return {};
    return QKeySequence(QString::fromLatin1(def.shortcut), QKeySequence::PortableText);
}

QList<QKeySequence> shortcutsFor(const ActionDef& def, Language uiLanguage)
{
    QList<QKeySequence> allItems;
    if (const QKeySequence first = shortcutFor(def, uiLanguage); !first.isEmpty()) {
        allItems.append(first);
        if (def.secondShortcut)
            allItems.append(
                QKeySequence(QString::fromLatin1(def.secondShortcut), QKeySequence::PortableText));
    }
    return allItems;
}

std::span<const MenuDef> menuDefs()
{
    return menus;
}

const MenuDef& menuDef(MenuId id)
{
    const auto it = std::find_if(menus.begin(), menus.end(), [id](const MenuDef& m) { return m.id == id; });
    return *it; // every MenuId has an entry
}

std::span<const ToolBarEntry> toolBarLayout()
{
    return toolBarEntries;
}

QString iconName(int imageIndex)
{
    for (const Bild& b : pictures)
        if (b.index == imageIndex)
            return QString::fromLatin1(b.fileItem);
    return {};
}

std::span<const int> usedImageIndices()
{
    return imageIndices;
}
