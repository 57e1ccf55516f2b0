# Language table, actions as data (core); menus, tool bar and the language switch (UI); tool bar icons.
target_sources(tinctora_core PRIVATE
  language/Texts.h
  language/LanguageData.h
  language/LanguageData.cpp
  language/LanguageTable.h
  language/LanguageTable.cpp
  language/Actions.h
  language/Actions.cpp
  language/ControlTexts.h
  language/ControlTexts.cpp
)
target_sources(tinctora_ui PRIVATE
  language/ActionRegistry.h
  language/ActionRegistry.cpp
  language/SpracheZuweisen.h
  language/SpracheZuweisen.cpp
)
