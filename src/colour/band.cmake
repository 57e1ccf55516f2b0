# Band tables, band and wheel pictures, wheel rotation, light/dark overlay.
target_sources(tinctora_core PRIVATE
  colour/BandTables.cpp
  colour/BandPictures.cpp
  colour/Rotation.cpp
  colour/OverlayPicture.cpp
)
qt_add_resources(tinctora_core "band_overlay"
  PREFIX "/core"
  BASE ${CMAKE_SOURCE_DIR}/resources
  FILES ${CMAKE_SOURCE_DIR}/resources/overlay.png
)
