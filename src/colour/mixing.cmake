target_sources(tinctora_core PRIVATE
  colour/Rounding.h
  colour/Conversions.h colour/Conversions.cpp
  colour/LightDark.h colour/LightDark.cpp
)
