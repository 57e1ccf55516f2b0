# Band tables, band and wheel pictures, wheel rotation, light/dark overlay.
target_sources(tinctora_core_tests PRIVATE
  colour/BandTablesTest.cpp
  colour/BandPicturesTest.cpp
  colour/RotationTest.cpp
  colour/OverlayPictureTest.cpp
)
