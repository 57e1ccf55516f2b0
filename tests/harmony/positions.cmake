# target_sources(tinctora_core_tests PRIVATE ...) / target_sources(tinctora_ui_tests PRIVATE ...)
