target_sources(tinctora_bench PRIVATE angle_bench.cpp)
