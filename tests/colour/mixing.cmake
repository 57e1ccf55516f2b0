target_sources(tinctora_core_tests PRIVATE
  colour/ConversionsTest.cpp
  colour/LightDarkMixTest.cpp
  colour/LightDarkFieldTest.cpp
)
