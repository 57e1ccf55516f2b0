# One place for the warning set; every target of ours calls tinctora_warnings().
function(tinctora_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wconversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual)
  if(TINCTORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
