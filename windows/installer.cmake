# SPDX-License-Identifier: MIT
# The Windows packages: a zip of the program folder, and an installer made by
# NSIS (Debian's nsis runs makensis here) into Program Files, with a Start-menu
# shortcut, the .mrf file type, an uninstaller, and /S for a silent install.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Lumetra-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lumetra)
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

# The values below go to makensis exactly as written here.
set(CPACK_VERBATIM_VARIABLES ON)
# The shortcut starts in the installation folder and says it comes from the
# desktop, so that the program keeps its files in Documents.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [=[
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Lumetra.lnk" "$INSTDIR\lumetra.exe" "--desktop"
]=])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [=[
  Delete "$SMPROGRAMS\$MUI_TEMP\Lumetra.lnk"
]=])
# .mrf opens in Lumetra: a ProgID with the archive's icon and an Open verb.
# The extension is given back only while it is still ours.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  WriteRegStr SHCTX "Software\Classes\Tavolin.Lumetra.Archive" "" "Lumetra archive"
  WriteRegStr SHCTX "Software\Classes\Tavolin.Lumetra.Archive\DefaultIcon" "" "$INSTDIR\lumetra-archive.ico"
  WriteRegStr SHCTX "Software\Classes\Tavolin.Lumetra.Archive\shell\open\command" "" '"$INSTDIR\lumetra.exe" --desktop "%1"'
  WriteRegStr SHCTX "Software\Classes\.mrf" "" "Tavolin.Lumetra.Archive"
  WriteRegStr SHCTX "Software\Classes\.mrf" "Content Type" "application/x-lumetra-archive"
  WriteRegStr SHCTX "Software\Classes\.mrf\OpenWithProgids" "Tavolin.Lumetra.Archive" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  ReadRegStr $0 SHCTX "Software\Classes\.mrf" ""
  StrCmp $0 "Tavolin.Lumetra.Archive" 0 lumetra_mrf_not_ours
  DeleteRegValue SHCTX "Software\Classes\.mrf" ""
  DeleteRegValue SHCTX "Software\Classes\.mrf" "Content Type"
lumetra_mrf_not_ours:
  DeleteRegValue SHCTX "Software\Classes\.mrf\OpenWithProgids" "Tavolin.Lumetra.Archive"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.mrf\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.mrf"
  DeleteRegKey SHCTX "Software\Classes\Tavolin.Lumetra.Archive"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
