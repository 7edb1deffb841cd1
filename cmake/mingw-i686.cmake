# Cross build of the 32-bit Windows program, the one that ships, and its
# test suites.
set(TRELMO_MINGW_PROCESSOR i686)
set(TRELMO_MINGW_PACKAGE g++-mingw-w64-i686-posix)
set(TRELMO_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
