# setup, the installer, with module y; and mkpayload, the packer of its
# archive.  Included by both builds: on the host the Win32-free logic is
# tested under the sanitizers over the in-memory registry; for Windows come
# setup.exe, mkpayload.exe, and the tests that run under Wine.
set(SETUP_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/inst/payload.cpp
    ${CMAKE_SOURCE_DIR}/inst/paths.cpp
    ${CMAKE_SOURCE_DIR}/inst/files.cpp)
set(SETUP_LOGIC_SOURCES ${SETUP_CORE_SOURCES}
    ${CMAKE_SOURCE_DIR}/inst/extract.cpp
    ${CMAKE_SOURCE_DIR}/common/y.cpp)
file(GLOB SETUP_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/setup/*.cpp)
file(GLOB SETUP_WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/setup/wine/*.cpp)

# The packer.  Its command line is checked on the host only: the Windows
# build is the same code, and a dozen Wine starts would cost a minute.
add_executable(mkpayload ${CMAKE_SOURCE_DIR}/tools/mkpayload.cpp ${SETUP_CORE_SOURCES})

# The logic as the tests see it: file faults compiled in, and on the host the
# in-memory registry in place of advapi32.
add_library(setuplogic STATIC ${SETUP_LOGIC_SOURCES} ${CMAKE_SOURCE_DIR}/tests/registrymodel.cpp)
target_compile_definitions(setuplogic PUBLIC SETUP_FAULTS)
add_executable(setuptests ${SETUP_TEST_SOURCES})

if(WIN32)
    target_link_libraries(setuptests PRIVATE setuplogic gtest_main)
    add_test(NAME setuptests-wine COMMAND setuptests)

    # The installer itself.
    set(SETUP_RESOURCES ${CMAKE_SOURCE_DIR}/inst/setup.rc)
    set_source_files_properties(${SETUP_RESOURCES} PROPERTIES OBJECT_DEPENDS
        "${CMAKE_SOURCE_DIR}/inst/resource.h;${CMAKE_SOURCE_DIR}/inst/setup.manifest;${CMAKE_SOURCE_DIR}/inst/pictures/corner.bmp;${CMAKE_SOURCE_DIR}/inst/pictures/setup.ico")
    add_executable(setup WIN32 ${SETUP_LOGIC_SOURCES} ${CMAKE_SOURCE_DIR}/common/registrywin32.cpp
        ${CMAKE_SOURCE_DIR}/inst/inst.cpp ${SETUP_RESOURCES})
    target_link_libraries(setup PRIVATE comctl32 shell32 gdi32 user32 advapi32)

    # Module y on the real registry, and setup.exe driven from another process.
    # The archives it installs are made by mkpayload.exe.
    add_executable(setupwine ${SETUP_WINE_TEST_SOURCES}
        ${CMAKE_SOURCE_DIR}/common/y.cpp ${CMAKE_SOURCE_DIR}/common/registrywin32.cpp)
    target_link_libraries(setupwine PRIVATE gtest_main user32 advapi32)
    add_dependencies(setupwine setup mkpayload)
    add_test(NAME setup-wine COMMAND setupwine)
    set_tests_properties(setuptests-wine setup-wine PROPERTIES
        TIMEOUT 600 RUN_SERIAL TRUE WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
else()
    target_compile_options(setuplogic PUBLIC ${SANITIZE} -g)
    target_link_options(setuplogic PUBLIC ${SANITIZE})
    target_link_libraries(setuptests PRIVATE setuplogic GTest::gtest GTest::gtest_main)
    add_test(NAME setuptests COMMAND setuptests)
    add_test(NAME mkpayload-commands
        COMMAND ${CMAKE_COMMAND} -DMKPAYLOAD=$<TARGET_FILE:mkpayload>
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/mkpayload-commands
            -P ${CMAKE_SOURCE_DIR}/tests/setup/mkpayload.cmake)
endif()
