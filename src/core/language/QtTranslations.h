#pragma once

#include "core/language/LanguageTable.h"

// Loads Qt's own translation for the interface language (its dialog buttons,
// file dialogs and command-line usage lines) into the running application.
// English needs none; a missing translation leaves Qt's English texts.
// Returns whether a translation was installed.
bool installQtTranslations(Language uiLanguage);
