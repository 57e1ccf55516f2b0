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
void spracheZuweisen(QMainWindow& form, const LanguageTable& textSet, const ActionRegistry& actionSet);

// Sets each listed text on the window's child of that name (widget, action
// or menu). Children that belong to another top-level window are left alone,
// and names the window lacks are skipped.
void setControlTexts(QWidget& topWindow, std::span<const ControlText> items, const LanguageTable& textSet);

// Fills the named combo boxes and selects their start index without firing
// their change handlers.
void fillComboBoxes(QWidget& topWindow, std::span<const ComboTexts> items, const LanguageTable& textSet);

// Gives the named text edits their lines.
void setLineTexts(QWidget& topWindow, std::span<const LineTexts> items, const LanguageTable& textSet);
