# SPDX-License-Identifier: MIT
# Read by cpack for each generator. Without these tools CPack would still make
# a .deb, but one that declares no dependencies and so installs without Qt.
if(CPACK_GENERATOR STREQUAL "DEB")
    foreach(tool dpkg-shlibdeps file)
        find_program(LUMETRA_TOOL_${tool} ${tool})
        if(NOT LUMETRA_TOOL_${tool})
            message(FATAL_ERROR "${tool} not found; install the Debian packages dpkg-dev and file")
        endif()
    endforeach()
endif()

# The installer's name tells it apart from the zip beside it.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
