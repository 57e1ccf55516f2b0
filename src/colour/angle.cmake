target_sources(tinctora_core PRIVATE
  colour/AngleLines.h colour/AngleLines.cpp
  colour/AnglePicture.h colour/AnglePicture.cpp
)
