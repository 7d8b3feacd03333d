# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cmake/x86_64-w64-mingw32.cmake): the programs' icon and
# version resource, and the zip and the installer (target windows-package).

set(BELTWRIGHT_ICO ${PROJECT_BINARY_DIR}/beltwright.ico)
set(icon_images)
foreach(size 16 32 48 64 128 256)
    list(APPEND icon_images ${PROJECT_SOURCE_DIR}/resources/icons/beltwright-${size}.png)
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${BELTWRIGHT_ICO}
                   COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make-ico.py
                           ${BELTWRIGHT_ICO} ${icon_images}
                   DEPENDS ${icon_images} ${PROJECT_SOURCE_DIR}/scripts/make-ico.py VERBATIM)
add_custom_target(beltwright-ico DEPENDS ${BELTWRIGHT_ICO})

# The window has no console of its own; the command line runs in one.
set(beltwright_description "Beltwright: belts of minor bodies as catalogue scripts")
set(beltwright-cli_description "Beltwright command-line generator")
set(beltwright_window ON)
set(beltwright-cli_window OFF)
# A static Qt links every plugin it has unless told which: the window needs
# the Windows platform, the command line only draws pictures off screen.
set(beltwright_platform Qt5::QWindowsIntegrationPlugin)
set(beltwright-cli_platform Qt5::QOffscreenIntegrationPlugin)
set(unused_plugins Qt5::QGifPlugin Qt5::QICOPlugin Qt5::QJpegPlugin)

# The libraries that link QtGui take the plugins' import along: the window's
# library the Windows platform, the picture's the off-screen one.
function(belt_windows_libraries)
    foreach(library_platform beltapp:Qt5::QWindowsIntegrationPlugin
                             beltplot:Qt5::QOffscreenIntegrationPlugin)
        string(REPLACE ":" ";" pair ${library_platform})
        list(GET pair 0 library)
        list(GET pair 1 platform)
        if(TARGET ${library})
            set_target_properties(${library} PROPERTIES QT_PLUGINS_platforms ${platform}
                                                        QT_NO_PLUGINS "${unused_plugins}")
        endif()
    endforeach()
endfunction()

function(belt_windows_program program)
    set(program_description ${${program}_description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in ${rc} @ONLY)
    target_sources(${program} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${BELTWRIGHT_ICO})
    add_dependencies(${program} beltwright-ico)
    set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ${${program}_window}
                                                QT_PLUGINS_platforms ${${program}_platform}
                                                QT_NO_PLUGINS "${unused_plugins}")
    target_link_options(${program} PRIVATE -s)
endfunction()

set(installer_path ${PROJECT_BINARY_DIR}/beltwright-${PROJECT_VERSION}-win64-setup.exe)
set(stage_dir ${PROJECT_BINARY_DIR}/stage/beltwright-${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi.in
               ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
add_custom_target(windows-package
    COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/package-windows.sh ${PROJECT_SOURCE_DIR}
            ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} ${BELTWRIGHT_SOURCE_DATE_EPOCH}
    DEPENDS beltwright beltwright-cli beltwright-ico
    VERBATIM)
