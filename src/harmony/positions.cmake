# target_sources(tinctora_core PRIVATE ...) / target_sources(tinctora_ui PRIVATE ...)
