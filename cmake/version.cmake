# The program's version, read from the one place it is written: the version
# block of resources/trelmo.rc (FILEVERSION a,b,c,d). TRELMO_VERSION is
# "a.b.c.d"; a change to the block reconfigures the tree.
set(version_block ${CMAKE_SOURCE_DIR}/resources/trelmo.rc)
file(STRINGS ${version_block} version_line REGEX "^FILEVERSION ")
string(REGEX MATCH "([0-9]+),([0-9]+),([0-9]+),([0-9]+)" version_digits "${version_line}")
if(NOT version_digits)
  message(FATAL_ERROR "no FILEVERSION line in ${version_block}")
endif()
string(REPLACE "," "." TRELMO_VERSION "${version_digits}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_block})
