# Window layout: the geometry (core) and putting it into effect (UI).
target_sources(tinctora_core PRIVATE
  tools/WindowLayout.h tools/WindowLayout.cpp
)
target_sources(tinctora_ui PRIVATE
  tools/WindowLayoutUi.h tools/WindowLayoutUi.cpp
)
