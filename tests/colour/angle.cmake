target_sources(tinctora_core_tests PRIVATE
  colour/AngleLinesTest.cpp
  colour/AnglePictureTest.cpp
)
