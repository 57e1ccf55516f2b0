# Wheel rotation, band pictures, overlay decoding.
target_sources(tinctora_bench PRIVATE band_bench.cpp)
