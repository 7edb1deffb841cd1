# What the two mingw-w64 toolchain files share; each sets the processor, the
# compiler's package and the Wine loader that runs its test programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TRELMO_MINGW_PROCESSOR})
set(prefix ${TRELMO_MINGW_PROCESSOR}-w64-mingw32)

find_program(TRELMO_MINGW_CXX ${prefix}-g++-posix)
if(NOT TRELMO_MINGW_CXX)
  message(FATAL_ERROR "This cross build needs the mingw-w64 compiler ${prefix}-g++-posix: "
    "apt-get install ${TRELMO_MINGW_PACKAGE}")
endif()

set(CMAKE_C_COMPILER ${prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained exe: no libgcc, libstdc++ or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the cross-built test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TRELMO_WINE})
