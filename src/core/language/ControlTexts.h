#pragma once

#include "core/language/Texts.h"

#include <QString>

#include <span>
#include <vector>

// Texts that the language switch puts on named controls of a window. The
// window names its controls as listed; a control it lacks is skipped.
enum class ControlProperty {
    text,           // caption: button, label, menu item, submenu title, status panel
    hint,           // tool tip
    accessibleName, // what screen readers say of a control without a caption
};

struct ControlText {
    QString name;
    ControlProperty controlProperty;
    Txt txt;
    QString prefix = {}; // put before the text (status panel 0 starts with two blanks)
};

struct ComboTexts {
    const char* name;
    std::span<const Txt> entryItems;
    int index;        // selected after filling
    int dropDownRows; // 0: leave the control's own setting
};

struct LineTexts {
    const char* name;
    std::span<const Txt> rowList;
};

// Object names of the two status bar panels the main window provides.
inline constexpr const char* statusPanel0Name = "StatusBar1Panel0";
inline constexpr const char* statusPanel1Name = "StatusBar1Panel1";

// Captions and hints of the main window's controls: value texts, swatches and
// radio buttons of the four fields (the buttons' accessible names too), Button1,
// the status panels, ComboBox2's hint.
std::vector<ControlText> mainWindowTexts();

// Entries of the rich edits' text pop-up menu and of the value pop-up menu.
std::vector<ControlText> popupMenuTexts();

// The three list boxes of the main window: items and start index.
std::span<const ComboTexts> mainWindowComboBoxes();

// RichEdit1..RichEdit3: the two sample lines of text instead of fields.
std::span<const LineTexts> mainWindowRowTexts();

// The status text of each harmony mode, by stored mode number 0..4.
Txt harmonyModeStatusText(int modeNumber);
