# The lines and branches of SOURCES that the fuzz targets' kept corpora
# reach, from clang's source-based coverage (the coverage tree's `coverage`
# target):
#   cmake -DPROGRAMS=PATHS -DKEPT_DIR=tests/fuzz/corpus -DSOURCE_DIR=TOP
#         -DSOURCES=GLOBS -DWORK_DIR=DIR -DPROFDATA=llvm-profdata -DCOV=llvm-cov
#         -P coverage.cmake
# Prints the summary, with paths from TOP, and writes every line with its
# count to WORK_DIR/coverage.txt.

file(GLOB old_profiles ${WORK_DIR}/*.profraw)
if(old_profiles)
  file(REMOVE ${old_profiles})
endif()
set(objects "")
foreach(program ${PROGRAMS})
  get_filename_component(target ${program} NAME)
  # Each input run once, by name: the targets carry no fuzzing
  # instrumentation in this tree.
  file(GLOB_RECURSE inputs ${KEPT_DIR}/${target}/*)
  set(ENV{LLVM_PROFILE_FILE} ${WORK_DIR}/${target}-%p.profraw)
  execute_process(COMMAND ${program} ${inputs} OUTPUT_FILE ${WORK_DIR}/${target}.log
    ERROR_FILE ${WORK_DIR}/${target}.log RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${target} failed on its kept corpus (log: ${WORK_DIR}/${target}.log)")
  endif()
  list(APPEND objects -object ${program})
endforeach()
list(REMOVE_AT objects 0)  # llvm-cov names its first program without -object

file(GLOB profiles ${WORK_DIR}/*.profraw)
set(profile ${WORK_DIR}/corpus.profdata)
execute_process(COMMAND ${PROFDATA} merge -sparse ${profiles} -o ${profile} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "llvm-profdata merge failed (${status})")
endif()
set(sources "")
foreach(pattern ${SOURCES})
  file(GLOB matched ${SOURCE_DIR}/${pattern})
  list(APPEND sources ${matched})
endforeach()
execute_process(COMMAND ${COV} report ${objects} -instr-profile=${profile} -show-functions=false ${sources}
  OUTPUT_VARIABLE report RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "llvm-cov report failed (${status})")
endif()
string(REPLACE "${SOURCE_DIR}/" "" report "${report}")
string(REGEX REPLACE "\n$" "" report "${report}")
# On standard output, where message() would write to standard error.
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${report}")
execute_process(COMMAND ${COV} show ${objects} -instr-profile=${profile} -show-line-counts-or-regions
  -show-branches=count ${sources} OUTPUT_FILE ${WORK_DIR}/coverage.txt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "llvm-cov show failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "(the lines with their counts: ${WORK_DIR}/coverage.txt)")
