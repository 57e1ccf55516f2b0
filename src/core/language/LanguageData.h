#pragma once

#include "core/language/Texts.h"

#include <span>

// Raw German/English texts (UTF-8) of every entry; LanguageTable turns them
// into the QStrings of one language.
struct TextEntry {
    Txt id;
    const char* de;
    const char* en;
};

// One tutorial page name, relative to the tutorial folder.
struct TutorialPage {
    const char* de;
    const char* en;
};

inline constexpr int tutorialPageCount = 20;

std::span<const TextEntry> textEntries();      // indexed by Txt
std::span<const TutorialPage> tutorialPages(); // indexed by tutorial tag 0..19
