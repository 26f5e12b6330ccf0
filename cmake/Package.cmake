# `make package`: a Debian package of what `cmake --install` puts in place,
# for /usr. Its dependencies are what dpkg-shlibdeps finds for the libraries
# the editor links; Debian's libqt6gui6 brings the X11 platform plugin along.
set(QUORVANE_PACKAGE_CONTACT "Quorvane developers <developers@quorvane.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "${QUORVANE_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Pokemon Red/Blue/Yellow battery saves")
# Debian wants the long description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quorvane loads the battery save (.sav file) of Pokemon Red, Blue or Yellow,"
  "shows each member of the party and lets you change its species, level,"
  "stats, experience, moves, nickname, OT name and OT ID, then writes the save"
  "back with the types, Pokedex flags and checksum the game expects. Single"
  "party members can be exported to and imported from .pkm files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the window asks for when the Windows ones are missing; without
# them fontconfig substitutes others, and captions may come out wider.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
