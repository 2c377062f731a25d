# Run at install time (cmake/windows.cmake): copies the DLLs that the given
# programs and plugins load, and the DLLs those load in turn, from DIRS into
# DESTINATION, stripped. Windows matches DLL names without regard to case, so the
# imports ("QT6CORE.dll") are matched against the files of DIRS in lower case.
# DLLs found in none of DIRS belong to Windows itself; a Qt or MinGW DLL among
# them fails the install.
# Variables: FILES, DIRS (lists), DESTINATION, OBJDUMP, STRIP.
cmake_policy(VERSION 3.22)
set(available "")
foreach(dir IN LISTS DIRS)
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED path_${key})
            set(path_${key} "${dll}")
        endif()
    endforeach()
endforeach()

set(queue ${FILES})
set(seen "")
set(copied "")
while(queue)
    list(POP_FRONT queue file)
    # objdump's headings follow the locale ("Nom DLL:" under French): read in C.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANGUAGE= ${OBJDUMP} -p "${file}"
                    OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${OBJDUMP} cannot read ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    # Every program and plugin here imports at least Windows' own DLLs: none found
    # means the listing was not read, and the package would lack Qt.
    if(NOT imports)
        message(FATAL_ERROR "no imported DLLs found in ${OBJDUMP} -p ${file}")
    endif()
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: " "" name "${import}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        if(DEFINED path_${key})
            list(APPEND queue "${path_${key}}")
            list(APPEND copied "${path_${key}}")
        elseif(key MATCHES "^(qt6|lib)")
            message(FATAL_ERROR "${name}, needed by ${file}, is in none of ${DIRS}")
        endif()
    endforeach()
endwhile()

foreach(dll IN LISTS copied)
    get_filename_component(name "${dll}" NAME)
    message(STATUS "Installing: ${DESTINATION}/${name}")
    file(COPY "${dll}" DESTINATION "${DESTINATION}")
    execute_process(COMMAND ${STRIP} --strip-unneeded "${DESTINATION}/${name}")
endforeach()
