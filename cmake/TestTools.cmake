# Programs that some tests need. Where one is missing those tests are left out, so a
# developer without, say, Xvfb still gets the rest; under CI=true a smaller suite would
# pass unnoticed, so there a missing program stops the configure instead.
function(tinctora_test_tool var program package)
  find_program(${var} ${program})
  if(${var})
    return()
  endif()
  if("$ENV{CI}" STREQUAL "true")
    message(FATAL_ERROR "${program} (package ${package}) not found: under CI=true every test must run "
                        "(scripts/install-deps.sh installs it)")
  endif()
  message(STATUS "${program} (package ${package}) not found: the tests that need it are left out")
endfunction()
