target_sources(tinctora_core_tests PRIVATE
  language/LanguageTableTest.cpp
  language/ActionsTest.cpp
)
target_sources(tinctora_ui_tests PRIVATE
  language/SpracheZuweisenTest.cpp
  language/IconsTest.cpp
)
