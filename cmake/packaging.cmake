# Debian package of what `cmake --install` puts in place: `cpack -G DEB` in the build folder.
set(GLYPH_PACKAGE_MAINTAINER "Glyphwright maintainers <maintainers@glyphwright.invalid>"
  CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_PACKAGE_NAME glyphwright)
set(CPACK_PACKAGE_VENDOR kelvaront)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bitmap font editor for microcontroller displays")
# Debian shows the description with its line breaks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Glyphwright edits fixed-cell bitmap fonts of 256 glyphs, with cells of 1 to 64"
  "pixels each way, for the dot-matrix LCDs and TFT panels that microcontrollers"
  "drive, and exports them as assembler include files, Arduino GFX headers,"
  "TFT_eSPI sources and dot-matrix demo pictures."
  "The package holds the desktop program glyphwright and the command-line"
  "converter glyphwright-cli for firmware builds.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GLYPH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(GLYPH_BUILD_GUI)
  # Plug-ins that Qt loads at run time, which shlibdeps cannot see: the SVG
  # icons need libqt6svg6; picture import and German standard texts are better with the others.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
endif()

include(CPack)
