# The field display, harmony modes and row panels on the real main window.
target_sources(tinctora_ui_tests PRIVATE
  harmony/DisplayFixture.h
  harmony/ModeSwitchTest.cpp
  harmony/ModeRowsTest.cpp
  harmony/DisplayPaintingTest.cpp
)
