# cmake -DTREE=<build tree> -DPREFIX=<empty folder> -P install_check.cmake
cmake_minimum_required(VERSION 3.18)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${TREE} --prefix ${PREFIX}
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file bin/trelmo share/applications/trelmo.desktop share/icons/hicolor/32x32/apps/trelmo.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

# The menu entry starts the program by name, with the installed icon.
file(STRINGS ${PREFIX}/share/applications/trelmo.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=trelmo" "Icon=trelmo")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "trelmo.desktop lacks the line ${line}")
  endif()
endforeach()

# A PNG of 32 x 32: its signature, then the width and height of IHDR.
file(READ ${PREFIX}/share/icons/hicolor/32x32/apps/trelmo.png head LIMIT 24 HEX)
if(NOT head STREQUAL "89504e470d0a1a0a0000000d494844520000002000000020")
  message(FATAL_ERROR "the icon is not a 32 x 32 PNG: ${head}")
endif()
