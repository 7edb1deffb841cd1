# The texts are GBK bytes whatever the compiler. They are written in UTF-8,
# turned into GBK by iconv when the tree is configured, and reach the
# compiler as string literals made of byte escapes only ("\xCF\xC2..."),
# which every compiler reads alike. A text that GBK cannot hold stops the
# configure.
#
# Also a script, which writes one table's header:
#   cmake -DTABLE=texts.txt -DHEADER=texts.h [-DFORM=MACROS] -P gbk_texts.cmake

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.18)
endif()

find_program(TRELMO_ICONV iconv)
if(NOT TRELMO_ICONV)
  message(FATAL_ERROR "iconv is missing; it turns the texts into GBK (Debian's libc-bin)")
endif()

# Sets `out` to the GBK bytes of the UTF-8 file `source`, each written as a
# \xHH escape; `what` names the text in the error.
function(trelmo_gbk_escapes out source what)
  set(converted ${CMAKE_CURRENT_BINARY_DIR}/trelmo_gbk.tmp)
  execute_process(COMMAND ${TRELMO_ICONV} -f UTF-8 -t GBK ${source}
    OUTPUT_FILE ${converted} ERROR_VARIABLE problem RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE ${converted})
    string(STRIP "${problem}" problem)
    message(FATAL_ERROR "${what} cannot be converted to GBK (${problem})")
  endif()
  file(READ ${converted} hex HEX)
  file(REMOVE ${converted})
  string(TOUPPER "${hex}" hex)
  string(REGEX REPLACE "(..)" "\\\\x\\1" escapes "${hex}")
  set(${out} "${escapes}" PARENT_SCOPE)
endfunction()

# Writes `header` from the UTF-8 table `table`, whose lines are blank,
# comments (#) or NAME "text": the text between the quotes, as it stands,
# with no escapes. FORM ARRAYS (the default) defines each as an inline
# constexpr char array; FORM MACROS as a macro for the literal, which tests
# splice into longer literals. The header keeps its time stamp when its
# content stays the same.
function(trelmo_gbk_texts table header)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "FORM" "")
  if(NOT arg_FORM)
    set(arg_FORM ARRAYS)
  endif()
  if(NOT arg_FORM MATCHES "^(ARRAYS|MACROS)$")
    message(FATAL_ERROR "trelmo_gbk_texts: FORM is ARRAYS or MACROS, not ${arg_FORM}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(RELATIVE_PATH shown ${CMAKE_SOURCE_DIR} ${table})
  if(shown MATCHES "^\\.\\./")
    set(shown ${table})
  endif()

  get_filename_component(header_dir ${header} DIRECTORY)
  file(MAKE_DIRECTORY ${header_dir})
  set(one_text ${header}.text)
  set(body "#pragma once\n// Generated from ${shown}, where the texts are written; edit them there.\n")
  set(names "")
  # Line by line without CMake lists, so that a text may hold ';' or '['.
  file(READ ${table} rest)
  set(number 0)
  while(NOT rest STREQUAL "")
    math(EXPR number "${number} + 1")
    string(FIND "${rest}" "\n" end)
    if(end EQUAL -1)
      set(line "${rest}")
      set(rest "")
    else()
      string(SUBSTRING "${rest}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${rest}" ${end} -1 rest)
    endif()
    string(REGEX REPLACE "\r$" "" line "${line}")
    if(line MATCHES "^[ \t]*(#.*)?$")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)[ \t]+\"([^\"]*)\"[ \t]*$")
      message(FATAL_ERROR "${shown}:${number}: not NAME \"text\": ${line}")
    endif()
    set(name ${CMAKE_MATCH_1})
    set(text "${CMAKE_MATCH_2}")
    if(name IN_LIST names)
      message(FATAL_ERROR "${shown}:${number}: ${name} is defined twice")
    endif()
    list(APPEND names ${name})
    file(WRITE ${one_text} "${text}")
    trelmo_gbk_escapes(escapes ${one_text} "${shown}:${number}: ${name}")
    if(arg_FORM STREQUAL ARRAYS)
      string(APPEND body "inline constexpr char ${name}[] = \"${escapes}\";  // \"${text}\"\n")
    else()
      string(APPEND body "#define ${name} \"${escapes}\"  // \"${text}\"\n")
    endif()
  endwhile()
  file(REMOVE ${one_text})

  file(WRITE ${header}.new "${body}")
  configure_file(${header}.new ${header} COPYONLY)
  file(REMOVE ${header}.new)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT DEFINED FORM)
    set(FORM ARRAYS)
  endif()
  trelmo_gbk_texts(${TABLE} ${HEADER} FORM ${FORM})
endif()
