# libFuzzer build (TINCTORA_FUZZ): clang only. Everything built is instrumented for
# coverage and checked by ASan and UBSan; the fuzz programs add libFuzzer's main.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TINCTORA_FUZZ needs clang with libFuzzer (packages clang, libclang-rt-14-dev): "
                      "configure with CXX=clang++, as scripts/fuzz.sh does")
endif()
if(TINCTORA_SANITIZE)
  message(FATAL_ERROR "TINCTORA_FUZZ brings its own sanitizers; leave TINCTORA_SANITIZE off")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
