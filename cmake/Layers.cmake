# Every include names its layer ("core/…", "ui/…", "platform/…"). Each library's
# include root holds its own layer alone, so a library sees only the layers it
# links: a core file that reaches for "ui/…" does not compile.
function(tinctora_layer_root target layer)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${layer} ${root}/${layer} RESULT failed SYMBOLIC)
  if(failed)
    # No symbolic links on this file system: the whole source root, without the guard.
    set(root ${PROJECT_SOURCE_DIR}/src)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
