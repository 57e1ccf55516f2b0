target_sources(tinctora_core PRIVATE
  harmony/RecomputeHooks.h
  harmony/Positions.h harmony/Positions.cpp
  harmony/FieldColours.h harmony/FieldColours.cpp
)
