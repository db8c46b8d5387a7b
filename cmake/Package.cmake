# A Debian package (`cpack -G DEB` in the build folder) of everything the install rules put under
# the prefix: the program, its help document and seed file, the desktop entry, the icons and the
# metainfo, and the import plug-ins in ${TINTORA_PLUGIN_INSTALL_DIR} (cmake/TintoraPluginHost.cmake),
# for which dpkg-shlibdeps adds the libraries they link to the package's dependencies.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintora)
set(CPACK_PACKAGE_VENDOR "Tintora developers")
set(CPACK_PACKAGE_CONTACT "Tintora developers <tintora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker that writes HTML colour values and tags")
set(CPACK_PACKAGE_DESCRIPTION "Tintora is a small helper for people who write HTML pages by \
hand. Pick a colour and it gives you the colour value in one of ten attribute forms, a FONT tag \
whose text runs through a colour gradient, or a BODY tag with the page colours, ready on the \
clipboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for the IPA P Gothic font; the platform's dialogs speak Japanese with
# Qt's translations; the copy sound plays through libcanberra, opened when it is first needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libcanberra0, sound-theme-freedesktop")
include(CPack)
