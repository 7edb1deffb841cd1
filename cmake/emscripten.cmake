# A web tree (cmake --preset web): the core and trelmo-sim compiled to
# WebAssembly, the program run by node. The preset names Emscripten's
# toolchain file, which is all that emcmake would add besides a test
# emulator that this project does not use.

# The node that runs the tree's programs in its tests. (The emulator that
# emcmake sets passes node a flag that node 20 refuses.)
find_program(TRELMO_NODE NAMES node nodejs)
if(NOT TRELMO_NODE)
  message(FATAL_ERROR "A web tree runs trelmo-sim under node: apt-get install nodejs")
endif()

# Emscripten's JavaScript passes at link time load Debian's node modules
# (acorn) from /usr/share/nodejs, where only Debian's own node looks
# unasked: with any other node, every link is told where they are.
execute_process(COMMAND ${TRELMO_NODE} -e "require('acorn')"
  RESULT_VARIABLE acorn_missing OUTPUT_QUIET ERROR_QUIET)
if(acorn_missing AND EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()

# The page is fetched whole before it runs: size comes before speed, for
# the core as for the page's own code, and what no entry point reaches is
# left out across the libraries at the link.
string(REPLACE "-O3" "-Oz" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
string(APPEND CMAKE_CXX_FLAGS_RELEASE " -flto")
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -flto")
