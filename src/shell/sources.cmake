target_sources(tinctora_core PRIVATE
  shell/MainState.h
)
target_sources(tinctora_ui PRIVATE shell/MainState.h)
