target_sources(tinctora_ui PRIVATE
  colour/BandAngleControls.h colour/BandAngleControls.cpp
  colour/LightDarkField.h colour/LightDarkField.cpp
  harmony/FieldSelection.h harmony/FieldSelection.cpp
)
