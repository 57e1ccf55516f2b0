# The main window: construction with first show, and relayout on resize.
target_sources(tinctora_bench PRIVATE window_bench.cpp)
