# The Debian package: `cpack -G DEB` in the build folder makes
# fotlex_<version>_<arch>.deb from what `cmake --install` puts in place.
set(CPACK_PACKAGE_NAME fotlex)
set(CPACK_PACKAGE_VENDOR "Fotlex")
set(CPACK_PACKAGE_CONTACT "Fotlex developers <fotlex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename photos after the moment they were taken")
set(CPACK_PACKAGE_DESCRIPTION
    "Fotlex lists a folder's photos with a preview, their EXIF data and a summary,
and renames the selected ones after their capture time as
YYYY-MM-DD - HH-MM-SS.jpg. It speaks German, or English under any other
language. The package also holds fotlex-cli, which does the same on the
command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries the programs link come from dpkg-shlibdeps; these are loaded
# at run time and show in no link: Qt's image plugins (TIFF previews), its
# German texts for standard buttons and dialogs, and xdg-open, which shows a
# photo in the desktop's viewer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, qt6-translations-l10n, xdg-utils")
include(CPack)
