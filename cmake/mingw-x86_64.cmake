# Cross build of the same Windows program for x86-64. The product is the
# 32-bit build; this one serves machines that cannot run 32-bit code, where
# the Windows tests run on 64-bit Wine instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

find_program(TRELMO_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT TRELMO_MINGW_CXX)
  message(FATAL_ERROR "This cross build needs the mingw-w64 compiler x86_64-w64-mingw32-g++-posix: "
    "apt-get install g++-mingw-w64-x86-64-posix")
endif()

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian's wine command prefers the 32-bit loader whenever it is installed.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
