# target_sources(tinctora_ui_tests PRIVATE ...)
