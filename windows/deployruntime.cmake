# SPDX-License-Identifier: MIT
# Run at install time: copies into the install folder every library that
# FILES load, directly or through each other, from the folders DIRS, and
# strips the copies. What none of DIRS holds is Windows' own. A library from
# DIR brings the licence texts of DIR/../licenses into licenses/.
#   cmake -DFILES=... -DDIRS=... -DOBJDUMP=... -DSTRIP=... -P deployruntime.cmake
cmake_minimum_required(VERSION 3.16)
set(pending ${FILES})
set(seen)
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot read the imports of ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    foreach(import ${imports})
        string(REGEX REPLACE "^DLL Name: *" "" name "${import}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        foreach(dir ${DIRS})
            if(EXISTS ${dir}/${name})
                file(INSTALL ${dir}/${name} DESTINATION ${CMAKE_INSTALL_PREFIX})
                execute_process(COMMAND ${STRIP} --strip-unneeded
                    $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name})
                list(APPEND pending ${dir}/${name})
                file(GLOB licences ${dir}/../licenses/*.txt)
                if(licences)
                    file(INSTALL ${licences} DESTINATION ${CMAKE_INSTALL_PREFIX}/licenses)
                endif()
                break()
            endif()
        endforeach()
    endforeach()
endwhile()
