cmake_minimum_required(VERSION 3.16)  # sets policies for -P mode
# A SCORM 1.2 package of one session of the browser page, for a learning
# platform's gradebook; run after the web build:
#   cmake -DPROGRAM=quiz -DSEED=42 -DTYPE=2 -DCOUNT=20 -P web/scorm_package.cmake
# PROGRAM quiz (default) or drill; SEED none for a fresh seed each attempt;
# TYPE 0 (random, default) or a number of the program's menu; COUNT 1 to
# 4294967295 (default 20). PAGE and OUT name the page and the zip, by default
# in build-web/; the menus' ranges are read from session_ranges.cmake, which
# the web build writes beside the page. Only CMake's own zip writer is used,
# so a machine with the web build needs nothing more.
set(max_seed 18446744073709551615)
set(max_count 4294967295)
set(mastery 70)
get_filename_component(web "${CMAKE_CURRENT_LIST_DIR}" ABSOLUTE)

# What is wrong is told in one line under CMake's own, from the top of the
# script (inside a function or macro CMake adds its call stack), and led by
# a blank, which keeps CMake from breaking it.
set(problem "")

# `value` as a decimal number from `low` to `high` without leading zeros,
# into `out`; digits alone, as the console takes them. Only the first
# problem is told.
function(check_number out value low high what)
  string(REGEX REPLACE "^0+([0-9])" "\\1" n "${value}")
  string(LENGTH "${n}" digits)
  string(LENGTH "${high}" most)
  if(problem OR NOT value MATCHES "^[0-9]+$" OR digits GREATER most OR
     (digits EQUAL most AND n STRGREATER high) OR (digits EQUAL 1 AND n LESS low))
    if(NOT problem)
      set(problem "${what} \"${value}\" is not a number from ${low} to ${high}" PARENT_SCOPE)
    endif()
    return()
  endif()
  set(${out} "${n}" PARENT_SCOPE)
endfunction()

# A macro, so that what it checks and its problem are the script's own.
macro(check_session)
  if(NOT DEFINED PROGRAM)
    set(PROGRAM quiz)
  endif()
  set(program "${PROGRAM}")
  set(highest ${DRILL_TYPES})
  if(program STREQUAL "quiz")
    set(highest ${QUIZ_TYPES})
  elseif(NOT program STREQUAL "drill")
    set(problem "the program \"${PROGRAM}\" is neither quiz nor drill")
  endif()
  if(NOT DEFINED TYPE)
    set(TYPE 0)
  endif()
  if(NOT DEFINED COUNT)
    set(COUNT 20)
  endif()
  check_number(type "${TYPE}" 0 ${highest} "the type")
  check_number(count "${COUNT}" 1 ${max_count} "the count")
  set(seed "")
  if(DEFINED SEED AND NOT SEED STREQUAL "")
    check_number(seed "${SEED}" 0 ${max_seed} "the seed")
  endif()
endmacro()

# The session as the page reads it from its meta element, the package's
# title, which names the console command of the same questions, and its name.
function(describe_session)
  set(params "program=${program}&type=${type}&count=${count}")
  if(program STREQUAL "quiz")
    set(command "formula-quiz")
  else()
    set(command "reaction-drill")
  endif()
  if(seed STREQUAL "")
    set(title "reaction-drill: ${command} --type ${type} --count ${count}, a fresh seed each attempt")
    set(name "reaction-drill-${program}-fresh-${type}-${count}")
  else()
    string(APPEND params "&seed=${seed}")
    set(title "reaction-drill: ${command} --seed ${seed} --type ${type} --count ${count}")
    set(name "reaction-drill-${program}-${seed}-${type}-${count}")
  endif()
  foreach(v params title name)
    set(${v} "${${v}}" PARENT_SCOPE)
  endforeach()
endfunction()

if(NOT DEFINED PAGE)
  set(PAGE "${web}/../build-web/reaction-drill.html")
endif()
get_filename_component(build "${PAGE}" DIRECTORY)
include("${build}/session_ranges.cmake" OPTIONAL RESULT_VARIABLE ranges)
if(NOT ranges)
  message(FATAL_ERROR " scorm_package: ${build} holds no session_ranges.cmake: run the web build first")
endif()
check_session()
describe_session()
# The page with the session in its meta element; a page without the element
# is not one this script knows.
set(empty "<meta name=\"reaction-drill-session\" content=\"\">")
set(page "")
if(EXISTS "${PAGE}")
  file(READ "${PAGE}" page)
endif()
string(FIND "${page}" "${empty}" at)
if(at EQUAL -1 AND NOT problem)
  set(problem "${PAGE} is not the web build's page: run the web build first")
endif()
if(problem)
  message(FATAL_ERROR " scorm_package: ${problem}")
endif()
string(REPLACE "&" "&amp;" escaped "${params}")
string(REPLACE "${empty}" "<meta name=\"reaction-drill-session\" content=\"${escaped}\">" page "${page}")
if(NOT DEFINED OUT)
  set(OUT "${web}/../build-web/${name}.zip")
endif()
get_filename_component(OUT "${OUT}" ABSOLUTE)

set(stage "${OUT}.files")
file(REMOVE_RECURSE "${stage}")
file(WRITE "${stage}/reaction-drill.html" "${page}")
set(NAME "${name}")
set(TITLE "${title}")
set(MASTERY "${mastery}")
configure_file("${web}/scorm/imsmanifest.xml.in" "${stage}/imsmanifest.xml" @ONLY)
set(schemas imscp_rootv1p1p2.xsd imsmd_rootv1p2p1.xsd adlcp_rootv1p2.xsd ims_xml.xsd)
foreach(schema IN LISTS schemas)
  file(COPY "${web}/scorm/${schema}" DESTINATION "${stage}")
endforeach()
file(REMOVE "${OUT}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E tar cf "${OUT}" --format=zip
          imsmanifest.xml reaction-drill.html ${schemas}
  WORKING_DIRECTORY "${stage}" RESULT_VARIABLE zipped)
file(REMOVE_RECURSE "${stage}")
if(NOT zipped EQUAL 0)
  message(FATAL_ERROR " scorm_package: could not write ${OUT}")
endif()
message(STATUS "SCORM package: ${OUT}")
