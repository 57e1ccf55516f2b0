# Seams for what the operating system provides: instance lock and messages,
# preferences store, shell open, window activation.
target_sources(tinctora_core PRIVATE
  platform/PathRecord.cpp
  platform/InstanceNames.cpp
  platform/PreferenceStore.cpp
  platform/PreferenceKeys.cpp
  platform/MemoryPreferenceStore.cpp
  platform/SettingsPreferenceStore.cpp
)
target_sources(tinctora_ui PRIVATE
  platform/SingleInstance.cpp
  platform/InstanceServer.cpp
  platform/WindowActivation.cpp
  platform/DesktopShellOpener.cpp
)
