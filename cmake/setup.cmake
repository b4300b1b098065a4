# setup, the installer, with module y; and mkpayload, the packer of its
# archive.  Included by both builds: on the host the Win32-free logic is
# tested under the sanitizers over the in-memory registry; for Windows come
# setup.exe, mkpayload.exe, and the tests that run under Wine.  The
# components and the tests' file layers (cmake/components.cmake) are made by
# the including build.
file(GLOB SETUP_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/setup/*.cpp)
file(GLOB SETUP_WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/setup/wine/*.cpp)

# The packer.  Its command line is checked on the host only: the Windows
# build is the same code, and a dozen Wine starts would cost a minute.
add_executable(mkpayload ${CMAKE_SOURCE_DIR}/tools/mkpayload.cpp)
target_link_libraries(mkpayload PRIVATE packer)

# The tests see the logic through the file layers with faults (setup's, and
# the dictionary's that the upgrade of a word file writes through), over the
# in-memory registry.
add_executable(setuptests ${SETUP_TEST_SOURCES})
target_link_libraries(setuptests PRIVATE setupfaults filefaults setuplogic packer y registrymodel)

if(WIN32)
    target_link_libraries(setuptests PRIVATE gtest_main)
    add_test(NAME setuptests-wine COMMAND setuptests)

    # The installer itself.
    set(SETUP_RESOURCES ${CMAKE_SOURCE_DIR}/inst/setup.rc)
    set_source_files_properties(${SETUP_RESOURCES} PROPERTIES OBJECT_DEPENDS
        "${CMAKE_SOURCE_DIR}/inst/resource.h;${CMAKE_SOURCE_DIR}/inst/setup.manifest;${CMAKE_SOURCE_DIR}/inst/pictures/corner.bmp;${CMAKE_SOURCE_DIR}/inst/pictures/setup.ico")
    add_executable(setup WIN32 ${CMAKE_SOURCE_DIR}/inst/inst.cpp ${CMAKE_SOURCE_DIR}/common/picture.cpp ${SETUP_RESOURCES}
        ${CMAKE_SOURCE_DIR}/inst/shellwin32.cpp ${CMAKE_SOURCE_DIR}/inst/uninstallwin32.cpp)
    target_link_libraries(setup PRIVATE setuplogic y registrywin32 comctl32 shell32 ole32 uuid gdi32 user32 advapi32)

    # Module y on the real registry, and setup.exe driven from another process.
    # The archives it installs are made by mkpayload.exe.
    add_executable(setupwine ${SETUP_WINE_TEST_SOURCES})
    target_link_libraries(setupwine PRIVATE y registrywin32 gtest_main user32 advapi32)
    add_dependencies(setupwine setup mkpayload)
    add_test(NAME setup-wine COMMAND setupwine)
    set_tests_properties(setuptests-wine setup-wine PROPERTIES
        TIMEOUT 600 RUN_SERIAL TRUE WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
else()
    target_link_libraries(setuptests PRIVATE GTest::gtest GTest::gtest_main)
    add_test(NAME setuptests COMMAND setuptests)
    add_test(NAME mkpayload-commands
        COMMAND ${CMAKE_COMMAND} -DMKPAYLOAD=$<TARGET_FILE:mkpayload>
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/mkpayload-commands
            -P ${CMAKE_SOURCE_DIR}/tests/setup/mkpayload.cmake)
endif()
