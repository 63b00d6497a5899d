cmake_minimum_required(VERSION 3.16)  # sets policies for -P mode
# cmake -DTEMPLATE=.. -DCSS=.. -DAPP_JS="a.js|b.js" -DCORE_JS=.. -DOUT=.. -P assemble.cmake
# Inlines CSS, the core and the page's scripts (in the order given, one after
# the other) into the HTML template -> one self-contained file.
foreach(v TEMPLATE CSS APP_JS CORE_JS OUT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "assemble.cmake: -D${v}=... missing")
  endif()
endforeach()

file(READ "${TEMPLATE}" page)
file(READ "${CSS}" css)
file(READ "${CORE_JS}" core_js)
set(app_js "")
string(REPLACE "|" ";" app_scripts "${APP_JS}")
foreach(script IN LISTS app_scripts)
  file(READ "${script}" text)
  string(APPEND app_js "${text}")
endforeach()

# Inside <script>, the HTML parser ends the element at "</script" (any case) and
# "<!--" ... "<script" switches it into the double-escaped state. In JS source
# "<\/" == "</" inside strings/regex/template literals, so rewrite those tokens.
function(make_script_safe var)
  set(s "${${var}}")
  string(REGEX REPLACE "<(/[Ss][Cc][Rr][Ii][Pp][Tt])" "<\\\\\\1" s "${s}")
  string(REPLACE "<!--" "<\\!--" s "${s}")
  string(REGEX MATCH "<[Ss][Cc][Rr][Ii][Pp][Tt]" hit "${s}")
  if(hit)
    message(FATAL_ERROR "assemble.cmake: '<script' inside inlined JS; refusing")
  endif()
  set(${var} "${s}" PARENT_SCOPE)
endfunction()
make_script_safe(core_js)
make_script_safe(app_js)
string(FIND "${css}" "</" css_close)
if(NOT css_close EQUAL -1)
  message(FATAL_ERROR "assemble.cmake: '</' inside CSS; refusing")
endif()

foreach(ph "/*INLINE:CSS*/" "/*INLINE:CORE_JS*/" "/*INLINE:APP_JS*/")
  string(FIND "${page}" "${ph}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "assemble.cmake: placeholder ${ph} missing in ${TEMPLATE}")
  endif()
endforeach()
string(REPLACE "/*INLINE:CSS*/" "${css}" page "${page}")
string(REPLACE "/*INLINE:CORE_JS*/" "${core_js}" page "${page}")
string(REPLACE "/*INLINE:APP_JS*/" "${app_js}" page "${page}")
file(WRITE "${OUT}" "${page}")
