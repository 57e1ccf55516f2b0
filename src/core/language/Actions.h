#pragma once

#include "core/language/LanguageTable.h"
#include "core/language/Texts.h"

#include <QKeySequence>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// Every action of the main window, named as its handler expects
// (<name>Execute). The order is the order of the action table.
enum class ActionId : int {
    dateiOeffnen,
    dateiSpeichern,
    dateiSpeichernUnter,
    werteDrucken,
    FileExit1,
    ShortCutStrgP,
    ShortCutStrgS,
    ShortCutStrgO,
    alleWerteKopieren,
    Action1,
    gezielteManuelleEingabeVonWerten,
    nurWebsichereFarbenAnzeigen,
    inWebsichereFarbenUmwandeln,
    farbenSeparatEinstellen,
    fixieren,
    contrast,
    einstellungenMenu,
    farbstreifenVerstecken,
    realistisch,
    luminoes,
    vollbild,
    programmOhneRand,
    pipette,
    TextAnstelleFlaechen,
    colourVisionNormal,
    colourVisionProtanopia,
    colourVisionDeuteranopia,
    colourVisionTritanopia,
    colourVisionAchromatopsia,
    zweierHarmonien,
    dreierHarmonien,
    viererHarmonien,
    auffaecherungen,
    farbreihen,
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
    hilfeInhalt,
    hilfeInfo,
    onlineCheckAufUpdate,
    exportPalette,
    colourFormats,
    undo,
    restoreStep,
    history,
    colourScales,
    importPalette,
    pasteColours,
    gamutWarning,
    simulatePrint,
    Count // not an action
};

inline constexpr int actionCount = static_cast<int>(ActionId::Count);

enum class Category {
    fileItem,
    editing,
    viewOptions,
    colourBandType,
    harmonyMode,
    help,
    tutorial,
    colourVision
};

// Actions of one group exclude each other: exactly one of them is checked.
enum class ExclusiveGroup { none, harmonyMode, colourBandType, colourVision };

// Where a shortcut lives depends on the language: in English the menu shows
// no shortcut text for Open, Save and Print, and hidden actions carry the keys.
enum class ShortcutRole {
    always,      // the shortcut holds in both languages
    germanOnly,  // visible action that hands its shortcut on in English
    englishOnly, // hidden action that takes the shortcut in English
};

struct ActionDef {
    ActionId id;
    const char* name; // objectName of the QAction
    Category category;
    Txt caption;
    std::optional<Txt> hint = std::nullopt; // none: the caption without "&" serves as tool tip
    const char* shortcut = nullptr;         // portable key text ("Ctrl+O"), nullptr for none
    const char* secondShortcut = nullptr;   // a second key for the same action
    ShortcutRole shortcutRole = ShortcutRole::always;
    int imageIndex = -1; // -1: no image
    bool checkable = false;
    bool checkedAtStart = false;
    ExclusiveGroup exclusiveGroup = ExclusiveGroup::none;
    bool visible = true;                               // false: created invisible and never shown
    int tag = 0;                                       // tutorial actions: page index 0..19
    std::optional<Txt> toolBarCaption = std::nullopt;  // tool bar items show only their image otherwise
    std::optional<ActionId> handlerVon = std::nullopt; // hidden action that runs another action's handler
};

std::span<const ActionDef> actionDefs(); // indexed by ActionId
const ActionDef& actionDef(ActionId id);
std::optional<ActionId> findAction(QStringView name);
const char* categoryName(Category k); // "Datei", "Bearbeiten", ...

// The key sequence an action carries in the given language (empty for none).
QKeySequence shortcutFor(const ActionDef& def, Language uiLanguage);
// Every key sequence the action carries in the language, the first shown in the menu.
QList<QKeySequence> shortcutsFor(const ActionDef& def, Language uiLanguage);

// Menus: the menu bar's menus in order; the band type menu sits inside the view menu.
enum class MenuId {
    fileItem,
    editing,
    viewOptions,
    colourBandType,
    harmonyMode,
    tutorial,
    help,
    colourVision
};
inline constexpr int menuCount = 8;

struct MenuEntry {
    enum class EntryKind { actionItem, separator, submenu };
    EntryKind variety;
    ActionId actionItem = ActionId::Count;
    MenuId submenu = MenuId::fileItem;
};

struct MenuDef {
    MenuId id;
    const char* name; // objectName of the QMenu
    Txt caption;
    bool inMenuBar; // false: reached only as a submenu
    std::span<const MenuEntry> entryItems;
};

std::span<const MenuDef> menuDefs(); // menu bar order, then submenus
const MenuDef& menuDef(MenuId id);

// Tool bar, left to right; a separator is an entry without action.
struct ToolBarEntry {
    std::optional<ActionId> actionItem;
};
std::span<const ToolBarEntry> toolBarLayout();

// Name of the icon for an image index (its file in resources/icons without ".svg");
// empty when there is none.
QString iconName(int imageIndex);
std::span<const int> usedImageIndices(); // every image index an action uses, ascending
