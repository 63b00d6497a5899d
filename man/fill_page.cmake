# Fills in the manual page template IN from session_ranges.cmake (RANGES)
# and writes it to OUT. Every @NAME@ in the template must be set, so that a
# misspelt one stops the build rather than leave a gap in the page.
include("${RANGES}")
# The first number past the drill's menu, which the page names as odd input.
math(EXPR DRILL_PAST_LAST "${DRILL_TYPES} + 1")
file(READ "${IN}" template)
string(REGEX MATCHALL "@[A-Z_]+@" names "${template}")
foreach(name IN LISTS names)
  string(REGEX REPLACE "@(.*)@" "\\1" name "${name}")
  if(NOT DEFINED ${name})
    message(FATAL_ERROR " fill_page: ${IN} names @${name}@, which nothing sets")
  endif()
endforeach()
configure_file("${IN}" "${OUT}" @ONLY)
