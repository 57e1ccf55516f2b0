# Band drags through the main window's widgets, painting included.
target_sources(tinctora_bench PRIVATE banddrag_bench.cpp)
