#pragma once

#include "core/language/ControlTexts.h"

#include <span>

class ActionRegistry;
class LanguageTable;
class QMainWindow;
class QWidget;

// Puts the language table's texts on the main window: menu captions, action
// captions, hints and shortcuts (with the English shortcut move), the window
// caption, the captions and hints of the named controls, the list items of
// the three list boxes, the sample texts and the pop-up menus.
void spracheZuweisen(QMainWindow& form, const LanguageTable& texte, const ActionRegistry& aktionen);

// Parts of the above, also used by the registry and by other windows.
void aktionsTexteSetzen(const ActionRegistry& aktionen, const LanguageTable& texte);
void menueTexteSetzen(const ActionRegistry& aktionen, const LanguageTable& texte);

// Sets each listed text on the window's child of that name (widget, action
// or menu). Children that belong to another top-level window are left alone,
// and names the window lacks are skipped.
void steuerelementTexteSetzen(QWidget& fenster, std::span<const ControlText> liste,
                              const LanguageTable& texte);

// Fills the named combo boxes and selects their start index without firing
// their change handlers.
void comboBoxenFuellen(QWidget& fenster, std::span<const ComboTexte> liste, const LanguageTable& texte);

// Gives the named text edits their lines.
void zeilenTexteSetzen(QWidget& fenster, std::span<const ZeilenTexte> liste, const LanguageTable& texte);
