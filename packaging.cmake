# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT

# A Debian package: cpack -G DEB in the build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvera)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvera developers")
set(CPACK_PACKAGE_CONTACT "Tolvera developers <dev@tolvera.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "J antenna cut-length calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a transmit frequency in MHz and read the cut dimensions of a J antenna\n\
bent from one tube, and the total tube length, in millimetres, beside a\n\
labelled diagram. Texts in Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Not found by the library scan: the X11 platform plugin. The Song face the
# layout is measured for is inside the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts in Chinese (context menus).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
