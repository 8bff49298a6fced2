# SPDX-License-Identifier: MIT
# Puts beside the programs exactly what they load: the Qt libraries and the
# plugins Qt loads by name, SQLite, libpq with OpenSSL, the other libraries of
# CMAKE_PREFIX_PATH, and the mingw-w64 runtime, each with its licences. The libraries
# are found by walking the programs' and plugins' import tables at install
# time (deployruntime.cmake), so nothing is listed by hand and nothing unused
# is shipped. (CMake's own walk looks for the names in lower case, which a
# Linux file system does not find.)

get_target_property(qt_core_dll Qt5::Core LOCATION)
get_filename_component(LUMETRA_QT_BIN ${qt_core_dll} DIRECTORY)
get_filename_component(LUMETRA_QT_PREFIX ${LUMETRA_QT_BIN} DIRECTORY)

set(plugins
    platforms Qt5::QWindowsIntegrationPlugin
    styles Qt5::QWindowsVistaStylePlugin
    printsupport Qt5::QWindowsPrinterSupportPlugin
    imageformats Qt5::QJpegPlugin) # a job's logo may be a JPEG
# Both stores: a Qt for Windows without either driver is not the one build-qt.sh makes.
foreach(driver QSQLiteDriverPlugin QPSQLDriverPlugin)
    if(NOT TARGET Qt5::${driver})
        message(FATAL_ERROR "this Qt for Windows has no ${driver}: build it with windows/build-qt.sh")
    endif()
    list(APPEND plugins sqldrivers Qt5::${driver})
endforeach()
set(plugin_files)
while(plugins)
    list(POP_FRONT plugins folder plugin)
    get_target_property(file ${plugin} LOCATION)
    install(FILES ${file} DESTINATION ${folder})
    list(APPEND plugin_files ${file})
endwhile()

# Where the libraries come from: Qt, the SQLite built with it, the other
# prefixes (libpq, OpenSSL, libxlsxwriter), the compiler's runtime.
set(library_dirs ${LUMETRA_QT_BIN} ${LUMETRA_QT_PREFIX}/sqlite/bin)
foreach(prefix ${CMAKE_PREFIX_PATH})
    if(EXISTS ${prefix}/bin)
        list(APPEND library_dirs ${prefix}/bin)
    endif()
endforeach()
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND library_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES library_dirs)

find_program(LUMETRA_MINGW_STRIP x86_64-w64-mingw32-strip REQUIRED)
install(CODE "execute_process(COMMAND \${CMAKE_COMMAND}
    -DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX}
    \"-DFILES=\$<TARGET_FILE:lumetra>;\$<TARGET_FILE:lumetra-cli>;${plugin_files}\"
    \"-DDIRS=${library_dirs}\" -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRIP=${LUMETRA_MINGW_STRIP}
    -P ${CMAKE_CURRENT_LIST_DIR}/deployruntime.cmake RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR \"the libraries could not be deployed\")
    endif()")

# Qt's own texts (file-dialog buttons, Yes/No) in Lumetra's languages, beside
# the programs, where they look for them: the cross-built Qt has none, so they
# are this machine's (Debian's qttranslations5-l10n), of the same Qt version.
set(LUMETRA_QT_TRANSLATIONS /usr/share/qt5/translations CACHE PATH "Folder of Qt's qtbase_*.qm")
foreach(language ${LUMETRA_LANGUAGES})
    set(qm ${LUMETRA_QT_TRANSLATIONS}/qtbase_${language}.qm)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "${qm} is missing: install qttranslations5-l10n")
    endif()
    install(FILES ${qm} DESTINATION .)
endforeach()

# The licences of what is shipped, and where its sources are; those of the
# other libraries come with them (deployruntime.cmake).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${LUMETRA_QT_PREFIX}/licenses/ DESTINATION licenses
    FILES_MATCHING PATTERN "*.txt" PATTERN "*.md")
