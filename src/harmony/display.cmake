target_sources(tinctora_ui PRIVATE
  harmony/DisplayParts.h harmony/DisplayParts.cpp
  harmony/FieldDisplay.h harmony/FieldDisplay.cpp
  harmony/ModeActions.h harmony/ModeActions.cpp
)
