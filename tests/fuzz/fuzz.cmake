# How a fuzz target runs, for the fuzz tree's tests and targets
# (tests/fuzz/CMakeLists.txt):
#   cmake -DACTION=replay|run|keep -DTARGET=NAME -DPROGRAM=PATH -DKEPT=DIR
#         -DSEEDS=GLOB -DWORK_DIR=DIR -P fuzz.cmake
#   cmake -DACTION=totals -DTARGETS=NAMES -DWORK_DIR=DIR -P fuzz.cmake
# replay  every input of the kept corpus KEPT once: a regression suite.
# run     TRELMO_FUZZ_SECONDS (default 30) of fuzzing from the kept corpus
#         and the SEEDS, in WORK_DIR/corpus/NAME, with the seed
#         TRELMO_FUZZ_SEED (0, the default: libFuzzer picks one; the test
#         command fixes it so that a run repeats). An input that fails is
#         left in WORK_DIR/crash-*.
# totals  how many inputs each target's last run tried, and how fast.
# keep    folds what the last run found into the kept corpus: libFuzzer's
#         merge keeps the fewest inputs that reach every branch the old
#         corpus and the new inputs reach (branches, not how often each
#         runs: a few hundred inputs).
# Allocation stacks are left out of ASan's reports and its quarantine kept
# small, for speed, unless ASAN_OPTIONS says otherwise: `PROGRAM FILE`
# replays a failing input with the full report.

set(limits -max_len=4096 -timeout=10)
if(NOT DEFINED ENV{ASAN_OPTIONS})
  set(ENV{ASAN_OPTIONS} malloc_context_size=0:quarantine_size_mb=16)
endif()
set(ENV{UBSAN_OPTIONS} print_stacktrace=1)

# A line on standard output, where message() would write to standard error.
function(say text)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${text}")
endfunction()

# Runs the target with ARGN, its output in WORK_DIR/LOG; when it fails, shows
# the report's main lines and stops.
function(run_target log)
  execute_process(COMMAND ${PROGRAM} ${ARGN} OUTPUT_FILE ${WORK_DIR}/${log} ERROR_FILE ${WORK_DIR}/${log}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(STRINGS ${WORK_DIR}/${log} report REGEX "ERROR|SUMMARY|${TARGET}:")
    list(SUBLIST report 0 20 report)
    list(JOIN report "\n" report)
    message(FATAL_ERROR "${report}\n${TARGET} found a fault; the input is in ${WORK_DIR}/crash-* "
      "or the kept corpus (log: ${WORK_DIR}/${log})")
  endif()
endfunction()

function(count_inputs out dir)
  file(GLOB inputs ${dir}/*)
  list(LENGTH inputs count)
  set(${out} ${count} PARENT_SCOPE)
endfunction()

set(found ${WORK_DIR}/corpus/${TARGET})
if(ACTION STREQUAL replay)
  count_inputs(count ${KEPT})
  say("== ${TARGET}: the kept corpus, ${count} inputs")
  run_target(${TARGET}-kept.log -runs=0 ${limits} ${KEPT})

elseif(ACTION STREQUAL run)
  set(seconds 30)
  if(DEFINED ENV{TRELMO_FUZZ_SECONDS})
    set(seconds $ENV{TRELMO_FUZZ_SECONDS})
  endif()
  set(seed 0)
  if(DEFINED ENV{TRELMO_FUZZ_SEED})
    set(seed $ENV{TRELMO_FUZZ_SEED})
  endif()
  file(GLOB inputs ${KEPT}/* ${SEEDS})
  file(COPY ${inputs} DESTINATION ${found})
  say("== ${TARGET} for ${seconds}s")
  run_target(${TARGET}.log -max_total_time=${seconds} ${limits} -seed=${seed} -artifact_prefix=${WORK_DIR}/
    -print_final_stats=1 ${found})
  file(STRINGS ${WORK_DIR}/${TARGET}.log runs REGEX "^stat::number_of_executed_units:")
  file(STRINGS ${WORK_DIR}/${TARGET}.log rate REGEX "^stat::average_exec_per_sec:")
  string(REGEX REPLACE "^[^:]*::[^:]*: *" "" runs "${runs}")
  string(REGEX REPLACE "^[^:]*::[^:]*: *" "" rate "${rate}")
  file(WRITE ${WORK_DIR}/${TARGET}.totals "${runs};${seconds};${rate}")

elseif(ACTION STREQUAL totals)
  say("== fuzzing totals")
  foreach(target ${TARGETS})
    file(READ ${WORK_DIR}/${target}.totals totals)
    list(GET totals 0 runs)
    list(GET totals 1 seconds)
    list(GET totals 2 rate)
    say("${target}: ${runs} inputs in ${seconds} s, ${rate} a second")
    if(target STREQUAL settings_fuzz)
      # An input makes two round trips: into a new file and over itself.
      math(EXPR round_trips "2 * ${runs}")
      math(EXPR round_trip_rate "2 * ${rate}")
      set(settings_line "settings round trips: ${round_trips}, ${round_trip_rate} a second")
    endif()
  endforeach()
  if(DEFINED settings_line)
    say("${settings_line}")
  endif()

elseif(ACTION STREQUAL keep)
  if(NOT IS_DIRECTORY ${found})
    message(FATAL_ERROR "${found} is missing: the fuzz target's run finds the inputs to keep")
  endif()
  set(merged ${WORK_DIR}/merged/${TARGET})
  file(REMOVE_RECURSE ${merged})
  file(MAKE_DIRECTORY ${merged})
  run_target(${TARGET}-merge.log -merge=1 -use_counters=0 ${limits} ${merged} ${KEPT} ${found})
  file(REMOVE_RECURSE ${KEPT})
  file(COPY ${merged}/ DESTINATION ${KEPT})
  count_inputs(count ${KEPT})
  say("== ${TARGET}: ${count} inputs kept")

else()
  message(FATAL_ERROR "ACTION is replay, run, totals or keep, not '${ACTION}'")
endif()
