# Runs one script through trelmo-sim and compares its output with the
# expected file, line for line; with -DBLESS=ON writes the output (and an
# exit code other than 0) as the expected files instead (./dev.sh bless).
# A script runs in a folder of its own, with NAME.ini beside it as input.ini.
# RUNNER, when given, is the program that runs SIM (node, in a web tree).
# SCRIPT may instead be a NAME.link file: its one line, a game's link, is
# given to SIM in place of a script file, and NAME.out is still expected.
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(source_dir ${SCRIPT} DIRECTORY)
set(work ${WORK_DIR}/${name})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
if(EXISTS ${source_dir}/${name}.ini)
  configure_file(${source_dir}/${name}.ini ${work}/input.ini COPYONLY)
endif()
set(input ${SCRIPT})
if(SCRIPT MATCHES "[.]link$")
  file(STRINGS ${SCRIPT} input LIMIT_COUNT 1)
endif()
execute_process(COMMAND ${RUNNER} ${SIM} ${input} WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE code)
if(BLESS)
  file(WRITE ${EXPECTED} "${actual}")
  if(code STREQUAL "0")
    file(REMOVE ${EXPECTED}.code)
  else()
    file(WRITE ${EXPECTED}.code "${code}\n")
  endif()
  return()
endif()
if(EXISTS ${EXPECTED}.code)
  file(READ ${EXPECTED}.code expected_code)
  string(STRIP "${expected_code}" expected_code)
else()
  set(expected_code 0)
endif()
if(NOT code STREQUAL expected_code)
  message(FATAL_ERROR "trelmo-sim exited with ${code}, expected ${expected_code}: ${errors}")
endif()
if(NOT EXISTS ${EXPECTED})
  message(FATAL_ERROR "${EXPECTED} is missing: ./dev.sh bless writes it")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  set(got ${work}/actual.out)
  file(WRITE ${got} "${actual}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; see ${got}. "
    "If the change is meant, ./dev.sh bless writes the new expected outputs.")
endif()
