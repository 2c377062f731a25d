# The Windows program (cross-built with MinGW-w64 by scripts/build-windows):
# a GUI-subsystem .exe with its icon and version information, installed into one
# folder together with the Qt and MinGW runtime DLLs and the Qt plugins it loads,
# so that it runs from any folder; packaged as a portable zip and an NSIS installer.
enable_language(RC)

set(SWITCHPANEL_ICO ${PROJECT_SOURCE_DIR}/data/icons/switchpanel-config.ico)
configure_file(data/windows/switchpanel-config.rc.in switchpanel-config.rc @ONLY)
# No console window of its own: started from the desktop only the window opens;
# the modes that print attach to the console they were started from.
set_target_properties(switchpanel-config PROPERTIES WIN32_EXECUTABLE ON)
target_sources(switchpanel-config PRIVATE src/cli/parent_console_win.cpp
                                          ${CMAKE_CURRENT_BINARY_DIR}/switchpanel-config.rc)

# Where the MinGW runtime DLLs are (libstdc++, libgcc_s, the stack protector's
# libssp, winpthread).
set(SWITCHPANEL_RUNTIME_DIRS "")
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libssp-0.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        # winpthread lives in the MinGW sysroot rather than GCC's own folder.
        find_file(found_${dll} ${dll} PATHS ${CMAKE_FIND_ROOT_PATH} PATH_SUFFIXES lib bin
                  NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
        set(found ${found_${dll}})
    endif()
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "MinGW runtime ${dll} not found")
    endif()
    get_filename_component(dir ${found} DIRECTORY)
    list(APPEND SWITCHPANEL_RUNTIME_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES SWITCHPANEL_RUNTIME_DIRS)

# Everything goes into the root of the install folder: the .exe, the DLLs beside
# it, the plugins in the subfolders where Qt looks for them next to the program.
# The Windows platform (also for --sheet, which draws without a window: Qt's
# offscreen platform finds no fonts on Windows) and the native style. Print
# support is part of Qt6PrintSupport.dll on Windows, PNG (the icon, the picture)
# part of Qt6Gui.dll.
install(TARGETS switchpanel-config RUNTIME DESTINATION . COMPONENT app)
set(switchpanel_plugins
    platforms Qt6::QWindowsIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin)
set(switchpanel_plugin_files "")
while(switchpanel_plugins)
    list(POP_FRONT switchpanel_plugins folder plugin)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${folder} COMPONENT app)
    list(APPEND switchpanel_plugin_files "$<TARGET_FILE:${plugin}>")
endwhile()

# The DLLs the program and the plugins load, found by walking their imports with
# MinGW's objdump; the DLLs of Windows itself stay out.
install(CODE "
    set(FILES \"$<TARGET_FILE:switchpanel-config>\" ${switchpanel_plugin_files})
    set(DIRS \"$<TARGET_FILE_DIR:Qt6::Core>\" ${SWITCHPANEL_RUNTIME_DIRS})
    set(DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    set(OBJDUMP ${CMAKE_OBJDUMP})
    set(STRIP ${CMAKE_STRIP})
    include(${PROJECT_SOURCE_DIR}/cmake/windows_runtime_dlls.cmake)
    " COMPONENT app)

# Packages: `cpack` in the build folder makes the portable zip and the installer,
# both switchpanel-config-VERSION-win64. The installer (makensis from Debian's
# nsis, with the 64-bit stub so that it also runs where only 64-bit programs run)
# installs into the 64-bit Program Files, adds a Start-menu entry with the
# program's icon and opens .qcf files with the program; its uninstaller removes
# exactly the files it installed, never the user's configuration files, backups
# or settings.
set(CPACK_PACKAGE_NAME switchpanel-config)
set(CPACK_PACKAGE_VENDOR switchpanel-config)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration program for the 10-button switch panel")
set(CPACK_PACKAGE_FILE_NAME switchpanel-config-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY switchpanel-config)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY switchpanel-config)
set(CPACK_PACKAGE_EXECUTABLES switchpanel-config "Switch panel configuration")
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL app)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME "switchpanel-config ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "switchpanel-config ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${SWITCHPANEL_ICO})
set(CPACK_NSIS_MUI_UNIICON ${SWITCHPANEL_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME switchpanel-config.exe)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN switchpanel-config.exe)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "!include '${PROJECT_SOURCE_DIR}/data/windows/qcf-association-install.nsh'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "!include '${PROJECT_SOURCE_DIR}/data/windows/qcf-association-uninstall.nsh'")
# The 64-bit stub: CMake's own installer script with "Target amd64-unicode" at its
# top, before anything is compiled into the installer.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
string(FIND "${nsis_template}" "\n" first_line_end)
string(SUBSTRING "${nsis_template}" 0 ${first_line_end} first_line)
string(SUBSTRING "${nsis_template}" ${first_line_end} -1 rest)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in
     "${first_line}\n  Target amd64-unicode${rest}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
include(CPack)
