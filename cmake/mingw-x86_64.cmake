# Cross build of the same Windows program for x86-64. It serves machines
# that cannot run 32-bit code, where the Windows tests run on 64-bit Wine
# instead (tools/test-env.sh).
set(TRELMO_MINGW_PROCESSOR x86_64)
set(TRELMO_MINGW_PACKAGE g++-mingw-w64-x86-64-posix)
# Debian's wine command prefers the 32-bit loader whenever it is installed.
set(TRELMO_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
