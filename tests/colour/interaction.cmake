# The band, the angle controls, the light/dark field and field selection,
# driven through the real main window.
target_sources(tinctora_ui_tests PRIVATE
  colour/InteractionFixture.h
  colour/InteractionBandTest.cpp
  colour/InteractionLightDarkTest.cpp
  colour/InteractionSelectionTest.cpp
)
