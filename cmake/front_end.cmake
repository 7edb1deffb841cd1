# Which front end this tree builds, chosen once per tree and kept in its
# cache: win32 (trelmo.exe), gtk (the Linux program), web (trelmo.html) or
# none (the core, the tools and the tests alone). Unless told, the
# platform's own: win32 under a Windows toolchain; web under Emscripten;
# gtk where GTK 3, PulseAudio and X11's headers are installed, none where
# they are not, and in a fuzzing tree.

# GTK 3, PulseAudio and X11 through the build machine's pkg-config; never
# asked under a cross toolchain.
macro(trelmo_find_gtk_packages)
  find_package(PkgConfig QUIET)
  if(PkgConfig_FOUND)
    pkg_check_modules(GTK3 QUIET IMPORTED_TARGET gtk+-3.0)
    pkg_check_modules(PULSE QUIET IMPORTED_TARGET libpulse-simple)
    pkg_check_modules(X11 QUIET IMPORTED_TARGET x11)
  endif()
  if(GTK3_FOUND AND PULSE_FOUND AND X11_FOUND)
    set(TRELMO_GTK_PACKAGES_FOUND TRUE)
  else()
    set(TRELMO_GTK_PACKAGES_FOUND FALSE)
  endif()
endmacro()

# The store reaches the settings file through the system's profile functions
# on Windows (win32/), so a Windows tree always builds that front end.
if(WIN32)
  set(front_ends win32)
elseif(EMSCRIPTEN)
  set(front_ends web none)
else()
  set(front_ends gtk none)
endif()
list(JOIN front_ends ", " choices)

if(NOT DEFINED CACHE{TRELMO_FRONT_END})
  list(GET front_ends 0 front_end)
  if(front_end STREQUAL gtk)
    if(TRELMO_FUZZ)
      set(front_end none)
    else()
      trelmo_find_gtk_packages()
      if(NOT TRELMO_GTK_PACKAGES_FOUND)
        set(front_end none)
        message(STATUS "GTK 3, libpulse-simple or X11 headers missing: the Linux program is not built "
          "(apt-get install libgtk-3-dev libpulse-dev, then configure with -DTRELMO_FRONT_END=gtk)")
      endif()
    endif()
  endif()
  set(TRELMO_FRONT_END ${front_end} CACHE STRING "The front end this tree builds: ${choices}")
endif()
set_property(CACHE TRELMO_FRONT_END PROPERTY STRINGS ${front_ends})
if(NOT TRELMO_FRONT_END IN_LIST front_ends)
  message(FATAL_ERROR "TRELMO_FRONT_END is ${TRELMO_FRONT_END}; this platform builds ${choices}")
endif()

if(TRELMO_FRONT_END STREQUAL gtk)
  trelmo_find_gtk_packages()
  if(NOT TRELMO_GTK_PACKAGES_FOUND)
    message(FATAL_ERROR "The Linux program needs the GTK 3, libpulse-simple and X11 headers "
      "(apt-get install libgtk-3-dev libpulse-dev), or configure with -DTRELMO_FRONT_END=none")
  endif()
endif()
message(STATUS "Front end: ${TRELMO_FRONT_END}")
