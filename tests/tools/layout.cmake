# Window layout geometry (core).
target_sources(tinctora_core_tests PRIVATE
  tools/WindowLayoutTest.cpp
)
