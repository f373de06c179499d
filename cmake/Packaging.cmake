# Packaging.cmake: the Debian package, made with `cpack -G DEB` from a
# configured and built tree. Installs under /usr; the package takes its
# library dependencies from dpkg-shlibdeps (package dpkg-dev).
set(CPACK_PACKAGE_NAME tessra)
set(CPACK_PACKAGE_VENDOR "Tessra maintainers")
set(CPACK_PACKAGE_CONTACT "Tessra maintainers <maintainers@users.noreply.c-seed-4f31d276.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "5 x 5 sliding-picture puzzle")
# CPack puts the summary above this text as the description's first line.
set(CPACK_PACKAGE_DESCRIPTION "\
Tessra cuts a BMP picture of your choice into 25 pieces, takes one piece out
and deals the rest at random. Double-click a piece next to the blank cell to
slide it in until the whole picture is back. A small preview shows the whole
picture and where the selected piece belongs. The interface is in Japanese.")

# The package carries a three-part version even while the project has two.
set(tessraPatch "${PROJECT_VERSION_PATCH}")
if(tessraPatch STREQUAL "")
  set(tessraPatch 0)
endif()
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${tessraPatch}")

set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface texts are Japanese: without a Japanese font they show as boxes,
# and without Qt's translations the toolkit's own dialogs are in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")

include(CPack)
