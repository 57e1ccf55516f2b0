# Several SVG pictures side by side in one SVG, each drawn into a square of its own
# (nested <svg> elements clip to their square, so no stroke reaches a neighbour).
# The build renders such a strip once per size: a start then decodes one PNG for all
# the icons it shows instead of one per icon.
#
#   tinctora_svg_strip(<out.svg> <width> <height> <file|x|edge> ... [REPLACE <from> <to>])
#
# Each entry places <file> at (x, 0) in a square of <edge> units; the strip's units
# are its pixels at scale 1. REPLACE swaps a colour throughout (the dark shade).
function(tinctora_svg_strip out_svg width height)
  cmake_parse_arguments(PARSE_ARGV 3 strip "" "" "REPLACE")
  set(body "")
  foreach(entry ${strip_UNPARSED_ARGUMENTS})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 file)
    list(GET parts 1 x)
    list(GET parts 2 edge)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} picture)
    string(REGEX REPLACE "<\\?xml[^>]*>" "" picture "${picture}")
    string(REGEX MATCH "<svg[^>]*>" root "${picture}")
    if(NOT root)
      message(FATAL_ERROR "${file} has no <svg> element")
    endif()
    string(REGEX REPLACE " (width|height|x|y)=\"[^\"]*\"" "" placed "${root}")
    string(REPLACE "<svg" "<svg x=\"${x}\" y=\"0\" width=\"${edge}\" height=\"${edge}\"" placed "${placed}")
    string(REPLACE "${root}" "${placed}" picture "${picture}")
    # Ids are the document's: each picture's get a prefix of their own, or the first
    # picture's gradient "g" would paint every other "g".
    string(REPLACE "id=\"" "id=\"p${x}-" picture "${picture}")
    string(REPLACE "url(#" "url(#p${x}-" picture "${picture}")
    string(REPLACE "href=\"#" "href=\"#p${x}-" picture "${picture}")
    string(APPEND body "${picture}\n")
  endforeach()
  if(strip_REPLACE)
    list(GET strip_REPLACE 0 from)
    list(GET strip_REPLACE 1 to)
    string(REPLACE "${from}" "${to}" body "${body}")
  endif()
  file(CONFIGURE OUTPUT ${out_svg} CONTENT
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"${width}\" height=\"${height}\" viewBox=\"0 0 ${width} ${height}\">\n${body}</svg>\n"
    @ONLY)
endfunction()
