# Cross build of the 32-bit Windows program and its test suites.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

find_program(TRELMO_MINGW_CXX i686-w64-mingw32-g++-posix)
if(NOT TRELMO_MINGW_CXX)
  message(FATAL_ERROR "This cross build needs the mingw-w64 compiler i686-w64-mingw32-g++-posix: "
    "apt-get install g++-mingw-w64-i686-posix")
endif()

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained exe: no libgcc, libstdc++ or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the cross-built test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
