# Preferences holder (core) and settings dialog (UI).
target_sources(tinctora_core PRIVATE
  tools/RegistryForm.cpp
)
target_sources(tinctora_ui PRIVATE
  tools/Einstellungen.cpp
)
