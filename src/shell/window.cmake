# target_sources(...)
