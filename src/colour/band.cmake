# Band tables, band and wheel pictures, wheel rotation, light/dark overlay.
target_sources(tinctora_core PRIVATE
  colour/BandTables.cpp
)
