target_sources(tinctora_core_tests PRIVATE
  harmony/RecomputeFakes.h
  harmony/PositionsGeometryTest.cpp
  harmony/RecomputeTest.cpp
  harmony/FieldColoursTest.cpp
)
