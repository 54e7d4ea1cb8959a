# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT

# A Debian package (cpack -G DEB in the build tree), or for Windows an
# installer and a portable zip (cpack in build-windows).
set(CPACK_PACKAGE_NAME tolvera)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvera developers")
set(CPACK_PACKAGE_CONTACT "Tolvera developers <dev@tolvera.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "J antenna cut-length calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a transmit frequency in MHz and read the cut dimensions of a J antenna\n\
bent from one tube, and the total tube length, in millimetres, beside a\n\
labelled diagram. Texts in Simplified Chinese. With nec2c installed it\n\
simulates the antenna as calculated (NEC-2, free space): SWR curve, gain,\n\
and the lengths corrected for the builder's own tube.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # Licences beside the program: ours, the face's, and a notice of all
    # that is linked in with the licence texts (collected from Qt's source
    # when the cross Qt was built).
    get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
    file(READ ${qt_prefix}/source-version TOLVERA_QT_SOURCE_VERSION)
    string(STRIP "${TOLVERA_QT_SOURCE_VERSION}" TOLVERA_QT_SOURCE_VERSION)
    set(notices ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
    configure_file(data/windows-notices.txt.in ${notices} @ONLY)
    file(GLOB_RECURSE licence_texts LIST_DIRECTORIES false RELATIVE ${qt_prefix}/licenses ${qt_prefix}/licenses/*)
    list(SORT licence_texts)
    list(APPEND licence_texts mingw-w64)
    foreach(text ${licence_texts})
        if(text STREQUAL "mingw-w64")
            set(path /usr/share/doc/mingw-w64-common/copyright)
        else()
            set(path ${qt_prefix}/licenses/${text})
        endif()
        file(READ ${path} body)
        file(APPEND ${notices} "\n\n==== ${text} ====\n\n${body}")
    endforeach()
    install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
    install(FILES LICENSES/Arphic-1999.txt DESTINATION . RENAME LICENSE-font.txt)
    install(FILES ${notices} DESTINATION .)
    # nec2c.exe, a separate program the prediction runs, with its licence
    # texts and the source it was built from, as its GPL asks.
    if(TOLVERA_NEC2C_DIR)
        install(PROGRAMS ${TOLVERA_NEC2C_DIR}/nec2c.exe DESTINATION .)
        install(FILES ${TOLVERA_NEC2C_DIR}/COPYING.txt ${TOLVERA_NEC2C_DIR}/copyright.txt DESTINATION nec2c)
        install(DIRECTORY ${TOLVERA_NEC2C_DIR}/source DESTINATION nec2c)
    endif()

    # An installer into Program Files\Tolvera with a Start-menu shortcut and
    # an uninstaller, and the same files as a portable zip.
    set(CPACK_GENERATOR NSIS64 ZIP)
    set(CPACK_PACKAGE_FILE_NAME tolvera-${PROJECT_VERSION}-windows-x64)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Tolvera)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tolvera)
    set(CPACK_PACKAGE_EXECUTABLES tolvera Tolvera)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_NSIS_PACKAGE_NAME "Tolvera ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME Tolvera)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALLED_ICON_NAME tolvera.exe)
    set(CPACK_NSIS_MUI_ICON ${TOLVERA_ICO})
    set(CPACK_NSIS_MUI_UNIICON ${TOLVERA_ICO})
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    # A 64-bit installer for a 64-bit program, with its own version.
    string(CONCAT CPACK_NSIS_DEFINES
        "  Target amd64-unicode\n"
        "  VIProductVersion ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0\n"
        "  VIAddVersionKey /LANG=0 ProductName Tolvera\n"
        "  VIAddVersionKey /LANG=0 ProductVersion ${PROJECT_VERSION}\n"
        "  VIAddVersionKey /LANG=0 FileVersion ${PROJECT_VERSION}\n"
        "  VIAddVersionKey /LANG=0 FileDescription 'Tolvera ${PROJECT_VERSION} Setup'\n"
        "  VIAddVersionKey /LANG=0 LegalCopyright 'Tolvera developers'")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by the library scan: the X11 platform plugin. The Song face the
# layout is measured for is inside the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts in Chinese (context menus), and nec2c, the NEC-2 program
# the performance prediction runs (without it the window says what to install).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, nec2c")
include(CPack)
