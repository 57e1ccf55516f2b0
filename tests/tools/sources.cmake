# Preferences holder (core) and settings dialog (UI).
target_sources(tinctora_core_tests PRIVATE
  tools/RegistryFormTest.cpp
)
target_sources(tinctora_ui_tests PRIVATE
  tools/EinstellungenTest.cpp
)
