# Cross build for 32-bit Windows: the program, the store maker, and the tests
# that drive the real dialog under Wine (tools/wine-run.sh, the emulator).
enable_language(RC)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_HOST_UNIX)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
endif()

set(WIN32_UI_SOURCES
    ${CMAKE_SOURCE_DIR}/ui/controls.cpp
    ${CMAKE_SOURCE_DIR}/ui/heldtext.cpp
    ${CMAKE_SOURCE_DIR}/ui/droppedwidth.cpp
    ${CMAKE_SOURCE_DIR}/ui/resources.cpp
    ${CMAKE_SOURCE_DIR}/common/picture.cpp
    ${CMAKE_SOURCE_DIR}/ui/listfill.cpp
    ${CMAKE_SOURCE_DIR}/ui/listmirror.cpp
    ${CMAKE_SOURCE_DIR}/ui/main.cpp
    ${CMAKE_SOURCE_DIR}/ui/paint.cpp
    ${CMAKE_SOURCE_DIR}/ui/credits.cpp
    ${CMAKE_SOURCE_DIR}/ui/reviewbox.cpp)
set(RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/ui/vantrel.rc)
file(GLOB PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/pictures/*)
# windres finds the pictures named in the script through its include path,
# and the identifiers it shares with the code in dictionary/resource.h
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES
    INCLUDE_DIRECTORIES "${CMAKE_SOURCE_DIR}/ui;${CMAKE_SOURCE_DIR}"
    OBJECT_DEPENDS "${PICTURES};${CMAKE_SOURCE_DIR}/dictionary/resource.h;${CMAKE_SOURCE_DIR}/ui/vantrel.manifest")

# The components, the models and the tests' support, each compiled once: the
# programs, the tests and the benchmark link the same build, the tests with
# their file layers with faults in front of the shipped ones.
add_components("")
add_models("")

# The user interface over Win32 and its resources, compiled once.  The
# toolkit's seam is not in it: the program links ui/toolkitseam.cpp (the real
# modal calls, the shortcuts always taken), the tests that drive the real
# dialog and dialogbench link tests/toolkithooks.cpp in its place.
add_library(ui OBJECT EXCLUDE_FROM_ALL ${WIN32_UI_SOURCES} ${RESOURCE_SCRIPT})
target_link_libraries(ui PUBLIC dialog comctl32 shell32 gdi32 user32 advapi32)

# The program.
add_executable(vantrel WIN32 ${CMAKE_SOURCE_DIR}/ui/winmain.cpp ${CMAKE_SOURCE_DIR}/ui/toolkitseam.cpp)
target_link_libraries(vantrel PRIVATE ui dialog y registrywin32)

add_executable(mkstore ${CMAKE_SOURCE_DIR}/tools/mkstore.cpp)
target_link_libraries(mkstore PRIVATE store)

# GoogleTest from the distribution's sources, built with the same compiler.
set(GTEST_ROOT_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
add_library(gtest STATIC ${GTEST_ROOT_DIR}/src/gtest-all.cc)
target_include_directories(gtest SYSTEM PUBLIC ${GTEST_ROOT_DIR}/include
    PRIVATE ${GTEST_ROOT_DIR})
target_compile_options(gtest PRIVATE -w)
add_library(gtest_main STATIC ${GTEST_ROOT_DIR}/src/gtest_main.cc)
target_link_libraries(gtest_main PUBLIC gtest)
add_testsupport("" GTEST gtest)

# Scenario tests against the real dialog, from the real template 100, and the
# checks of what the logic relies on from the Win32 toolkit.
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
add_executable(scenarios ${SCENARIO_TEST_SOURCES} ${WIN32_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/driverwin32.cpp ${CMAKE_SOURCE_DIR}/tests/toolkithooks.cpp)
target_link_libraries(scenarios PRIVATE ui testsupport filefaults dialog y registrywin32 gtest_main)
add_test(NAME scenarios-wine COMMAND scenarios)

# The program itself, started from another process as a user would start it.
add_executable(startuptest ${CMAKE_SOURCE_DIR}/tests/wine/startup.cpp)
target_link_libraries(startuptest PRIVATE gtest_main user32 advapi32)
add_dependencies(startuptest vantrel)
add_test(NAME startup-wine COMMAND startuptest)

set_tests_properties(scenarios-wine startup-wine PROPERTIES
    TIMEOUT 600 RUN_SERIAL TRUE WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

# The installer, its packer and their tests.
include(cmake/setup.cmake)
include(cmake/bench.cmake)

# The release folder, the host tools that make it, and its end-to-end test.
include(cmake/release.cmake)

# The same window at 144 DPI: the layout's proportions and overlaps checked on
# the real dialog, and the release as a new user meets it (its screenshots
# named ...-144dpi.bmp).  They run in a Wine prefix of their own, whose screen
# the first test sets to 144 DPI, on a virtual screen with room for a
# 1500 x 900 client area.
find_program(XVFB_RUN xvfb-run)
if(CMAKE_HOST_UNIX AND XVFB_RUN)
    set(WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
    set(SCREEN_144 ${XVFB_RUN} -a -s "-screen 0 1920x1440x24")
    add_test(NAME wine-144dpi-screen COMMAND ${WINE_RUN} reg add
        "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"
        /v LogPixels /t REG_DWORD /d 144 /f)
    add_test(NAME scenarios-wine-144dpi
        COMMAND ${SCREEN_144} ${WINE_RUN} $<TARGET_FILE:scenarios> --gtest_filter=Window.*AtAnyDpi)
    add_test(NAME release-wine-144dpi COMMAND ${SCREEN_144} ${WINE_RUN} $<TARGET_FILE:releasetest>)
    set_tests_properties(wine-144dpi-screen PROPERTIES FIXTURES_SETUP wine144dpi)
    set_tests_properties(scenarios-wine-144dpi release-wine-144dpi PROPERTIES FIXTURES_REQUIRED wine144dpi)
    set_tests_properties(wine-144dpi-screen scenarios-wine-144dpi release-wine-144dpi PROPERTIES
        ENVIRONMENT VANTREL_WINEPREFIX=${CMAKE_BINARY_DIR}/wine-144dpi
        TIMEOUT 600 RUN_SERIAL TRUE WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
