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
enum class Aktion : int {
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
    kontrast,
    einstellungenMenu,
    farbstreifenVerstecken,
    realistisch,
    luminoes,
    vollbild,
    programmOhneRand,
    pipette,
    TextAnstelleFlaechen,
    farbsehenNormal,
    farbsehenProtanopie,
    farbsehenDeuteranopie,
    farbsehenTritanopie,
    farbsehenAchromatopsie,
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
    paletteExportieren,
    farbformate,
    rueckgaengig,
    wiederherstellen,
    verlauf,
    skalen,
    Count // not an action
};

inline constexpr int aktionCount = static_cast<int>(Aktion::Count);

enum class Kategorie { datei, bearbeiten, ansicht, farbbandtyp, modus, hilfe, tutorial, farbsehen };

// Actions of one group exclude each other: exactly one of them is checked.
enum class Gruppe { keine, modus, farbbandtyp, farbsehen };

// Where a shortcut lives depends on the language: in English the menu shows
// no shortcut text for Open, Save and Print, and hidden actions carry the keys.
enum class ShortcutRolle {
    immer,       // the shortcut holds in both languages
    nurDeutsch,  // visible action that hands its shortcut on in English
    nurEnglisch, // hidden action that takes the shortcut in English
};

struct ActionDef {
    Aktion id;
    const char* name; // objectName of the QAction
    Kategorie kategorie;
    Txt caption;
    std::optional<Txt> hint = std::nullopt; // none: the caption without "&" serves as tool tip
    const char* shortcut = nullptr;         // portable key text ("Ctrl+O"), nullptr for none
    const char* weitererShortcut = nullptr; // a second key for the same action
    ShortcutRolle shortcutRolle = ShortcutRolle::immer;
    int imageIndex = -1; // -1: no image
    bool checkable = false;
    bool checkedAtStart = false;
    Gruppe gruppe = Gruppe::keine;
    bool sichtbar = true;                             // false: created invisible and never shown
    int tag = 0;                                      // tutorial actions: page index 0..19
    std::optional<Txt> toolBarCaption = std::nullopt; // tool bar items show only their image otherwise
    std::optional<Aktion> handlerVon = std::nullopt;  // hidden action that runs another action's handler
};

std::span<const ActionDef> actionDefs(); // indexed by Aktion
const ActionDef& actionDef(Aktion id);
std::optional<Aktion> findAktion(QStringView name);
const char* kategorieName(Kategorie k); // "Datei", "Bearbeiten", ...

// The key sequence an action carries in the given language (empty for none).
QKeySequence shortcutFor(const ActionDef& def, Sprache sprache);
// Every key sequence the action carries in the language, the first shown in the menu.
QList<QKeySequence> shortcutsFor(const ActionDef& def, Sprache sprache);

// Menus: the menu bar's menus in order; the band type menu sits inside the view menu.
enum class MenuId { datei, bearbeiten, ansicht, farbbandtyp, modus, tutorial, hilfe, farbsehen };
inline constexpr int menuCount = 8;

struct MenuEntry {
    enum class Art { aktion, trenner, untermenue };
    Art art;
    Aktion aktion = Aktion::Count;
    MenuId untermenue = MenuId::datei;
};

struct MenuDef {
    MenuId id;
    const char* name; // objectName of the QMenu
    Txt caption;
    bool inMenuBar; // false: reached only as a submenu
    std::span<const MenuEntry> eintraege;
};

std::span<const MenuDef> menuDefs(); // menu bar order, then submenus
const MenuDef& menuDef(MenuId id);

// Tool bar, left to right; a separator is an entry without action.
struct ToolBarEntry {
    std::optional<Aktion> aktion;
};
std::span<const ToolBarEntry> toolBarLayout();

// Resource path of the icon for an image index; empty when there is none.
QString iconPfad(int imageIndex);
std::span<const int> verwendeteBildIndizes(); // every image index an action uses, ascending
