if(TINCTORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # A report needs functions, files and lines, which line tables give; full debug info
  # (the build type's -g, which this overrides) only makes the build slower.
  add_compile_options(-g1)
endif()
