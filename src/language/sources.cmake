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

# Tool bar and menu icons, one SVG per image index (see iconPfad in Actions.cpp).
qt_add_resources(tinctora_ui "icons"
  PREFIX "/"
  BASE ${CMAKE_SOURCE_DIR}/resources
  FILES
  ${CMAKE_SOURCE_DIR}/resources/icons/adjust-separately.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/band-luminous.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/band-realistic.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-black.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-blue.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-brown.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-gold.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-green.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-grey.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-orange.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-pink.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-red.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-silver.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-violet.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-white.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/colour-yellow.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/copy-all.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/exit.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/fix.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/fullscreen.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/help-contents.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/hide-band.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/info.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/manual-input.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/mode-fanning.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/mode-four.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/mode-row.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/mode-three.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/mode-two.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/open.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/pipette.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/popup-window.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/print.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/save-as.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/save.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/settings.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/text-instead.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/update-check.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/web-safe-convert.svg
  ${CMAKE_SOURCE_DIR}/resources/icons/web-safe-show.svg
)
