# target_sources(tinctora_bench PRIVATE ...)
