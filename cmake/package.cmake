# cpack -G DEB: the Linux program as a Debian package, trelmo_<version>_<arch>.deb,
# holding what cmake --install puts under /usr. Its dependencies are read
# from the program's libraries (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_PACKAGE_NAME trelmo)
# All four parts of the version block, where CPack would take three.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trelmo")
set(CPACK_PACKAGE_CONTACT "Trelmo developers <trelmo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classic falling-piece puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "Shapes of four to seven square cells fall into a well ten cells wide;
every row filled is cleared and scored. Speed levels, starting rows, 7 or 11
shape kinds, an inversion mode and a table of the ten best scores. The
game's texts are in Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TRELMO_HOMEPAGE})
# The Chinese texts need a font that holds them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
include(CPack)
