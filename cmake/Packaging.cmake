# "cpack -G DEB" in the build folder makes a Debian package that installs below /usr.
set(CPACK_PACKAGE_NAME tinctora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tinctora developers <support@tinctora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-harmony tool for designers")
set(CPACK_PACKAGE_DESCRIPTION
"Pick a base hue on the realistic or luminous colour band, move each colour
towards light or dark, and Tinctora derives the harmonising colours: 2-, 3-
and 4-colour harmonies, fannings and colour rows, shown as fields with their
R, G, B and hex values. English and German interface, with a manual and a
colour tutorial.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plug-ins, so invisible to dpkg-shlibdeps: the SVG icons and the
# SQLite driver that Qt Help keeps its index in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite, qt6-translations-l10n")
# The tutorial pages open in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
