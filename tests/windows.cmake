# SPDX-License-Identifier: GPL-3.0-or-later
# The tests that hold on every system, built as Windows programs; ctest runs
# them under wine (the toolchain's emulator) on the display that
# tests/check_windows.sh provides.
function(belt_windows_test name)
    add_executable(${name} ${name}.cpp ${ARGN})
    target_link_libraries(${name} PRIVATE beltcore Qt5::Test)
    set_target_properties(${name} PROPERTIES QT_PLUGINS_platforms Qt5::QWindowsIntegrationPlugin
                                             QT_NO_PLUGINS "${unused_plugins}")
    add_test(NAME ${name} COMMAND ${name})
endfunction()

belt_windows_test(tst_catalogueformat)
belt_windows_test(tst_generator)
belt_windows_test(tst_looks)
belt_windows_test(tst_planet)
belt_windows_test(tst_settings)
belt_windows_test(tst_systemrandom)
belt_windows_test(tst_correctrounding)
target_include_directories(tst_correctrounding PRIVATE ${MPFR_INCLUDE_DIR})

# Writes a preset's catalogue; check_windows.sh compares it with this
# machine's build.
add_executable(writebelt tools/writebelt.cpp)
target_link_libraries(writebelt PRIVATE beltcore)

belt_windows_test(tst_savepaths)
target_compile_definitions(tst_savepaths PRIVATE BELTWRIGHT_CLI="$<TARGET_FILE:beltwright-cli>")
add_dependencies(tst_savepaths beltwright-cli)

# The window on the Windows platform: its frame and its fonts.
belt_windows_test(tst_windowstyle)
target_link_libraries(tst_windowstyle PRIVATE beltapp)

# Writes a PNG of the window as Windows shows it (the README's picture).
add_executable(screenshot tools/screenshot.cpp)
target_link_libraries(screenshot PRIVATE beltapp)
set_target_properties(screenshot PROPERTIES QT_PLUGINS_platforms Qt5::QWindowsIntegrationPlugin
                                            QT_NO_PLUGINS "${unused_plugins}")

# The picture the window and --preview draw: the same on every platform.
belt_windows_test(tst_preview)
target_link_libraries(tst_preview PRIVATE beltplot)

# The command line run as users run it; its Unix-only cases skip themselves.
belt_windows_test(tst_cli)
target_link_libraries(tst_cli PRIVATE Qt5::Gui)
target_compile_definitions(tst_cli PRIVATE BELTWRIGHT_CLI="$<TARGET_FILE:beltwright-cli>"
                                         TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
add_dependencies(tst_cli beltwright-cli)

# For tests/stress_windows.sh: the window used for one run.
add_executable(windowrun tools/windowrun.cpp)
target_link_libraries(windowrun PRIVATE beltapp)
set_target_properties(windowrun PROPERTIES QT_PLUGINS_platforms Qt5::QWindowsIntegrationPlugin
                                           QT_NO_PLUGINS "${unused_plugins}")
