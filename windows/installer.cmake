# SPDX-License-Identifier: MIT
# The Windows packages: a zip of the program folder, and an installer made by
# NSIS (Debian's nsis runs makensis here) into Program Files, with a Start-menu
# shortcut, an uninstaller, and /S for a silent install.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Lumetra-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lumetra)
set(CPACK_PACKAGE_EXECUTABLES lumetra Lumetra)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Lumetra)
set(CPACK_NSIS_DISPLAY_NAME "Lumetra ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME lumetra.exe)
set(CPACK_NSIS_MUI_ICON ${LUMETRA_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${LUMETRA_WINDOWS_ICON})
# A 64-bit installer for the 64-bit program; it also runs under a 64-bit-only wine.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/app/packagechecks.cmake)
