# The release: one folder, release/, holding setup.exe and its archive "data"
# with vantrel.exe, the entry store dicbin.txt, the text source
# orlavexdic.txt and "Read me.htm".  The store is compiled at build time from
# data/orlavexdic.txt by mkdictionary, with the program's own rebuild code;
# the archive is packed by mkpayload.  Both tools run on the build machine, so
# they are compiled here by the host's own C++ compiler, straight from their
# sources: no second configuration, nothing but g++ (tools/deps.sh).
#
#   cmake --build build-win --target release
#
# The release is part of the default build, and its end-to-end test runs under
# Wine with the others.

# With CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER this finds the host's compiler.
find_program(HOST_CXX NAMES c++ g++ REQUIRED)

set(HOST_TOOLS ${CMAKE_BINARY_DIR}/hosttools)
set(PAYLOAD ${CMAKE_BINARY_DIR}/payload)
set(RELEASE ${CMAKE_BINARY_DIR}/release)
set(RELEASE_FOLDER "C:\\Orlavex Dictionary")  # setup's default install folder
set(RELEASE_NAME "VanTrel")  # setup's title; the install record beside the usage count
file(GLOB HOST_TOOL_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/dictionary/*.h
    ${CMAKE_SOURCE_DIR}/inst/*.h ${CMAKE_SOURCE_DIR}/common/*.h)

# host_tool(NAME SOURCE...): ${HOST_TOOLS}/NAME, built from the sources.
function(host_tool name)
    set(sources)
    foreach(source ${ARGN})
        list(APPEND sources ${CMAKE_SOURCE_DIR}/${source})
    endforeach()
    add_custom_command(OUTPUT ${HOST_TOOLS}/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${HOST_TOOLS}
        COMMAND ${HOST_CXX} -std=c++17 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR}
            -o ${HOST_TOOLS}/${name} ${sources}
        DEPENDS ${sources} ${HOST_TOOL_HEADERS}
        COMMENT "Building the host tool ${name}"
        VERBATIM)
endfunction()

host_tool(mkdictionary tools/mkdictionary.cpp ${STORE_SOURCES} ${TEXT_SOURCES})
host_tool(mkpayload tools/mkpayload.cpp ${PACKER_SOURCES} ${SETUPCORE_SOURCES} ${TEXT_SOURCES})

# The four files the archive holds, gathered in payload/.
add_custom_command(OUTPUT ${PAYLOAD}/dicbin.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PAYLOAD}
    COMMAND ${HOST_TOOLS}/mkdictionary ${CMAKE_SOURCE_DIR}/data/orlavexdic.txt
        ${PAYLOAD}/dicbin.txt
    DEPENDS ${HOST_TOOLS}/mkdictionary ${CMAKE_SOURCE_DIR}/data/orlavexdic.txt
    COMMENT "Compiling the bundled dictionary"
    VERBATIM)
add_custom_command(OUTPUT ${PAYLOAD}/vantrel.exe ${PAYLOAD}/orlavexdic.txt "${PAYLOAD}/Read me.htm"
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PAYLOAD}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vantrel> ${PAYLOAD}/vantrel.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/orlavexdic.txt
        ${PAYLOAD}/orlavexdic.txt
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/data/Read me.htm"
        "${PAYLOAD}/Read me.htm"
    DEPENDS vantrel ${CMAKE_SOURCE_DIR}/data/orlavexdic.txt "${CMAKE_SOURCE_DIR}/data/Read me.htm"
    VERBATIM)

# The release folder: setup.exe beside the archive it installs from.
add_custom_command(OUTPUT ${RELEASE}/data ${RELEASE}/setup.exe
    COMMAND ${CMAKE_COMMAND} -E remove_directory ${RELEASE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RELEASE}
    COMMAND ${HOST_TOOLS}/mkpayload pack ${RELEASE}/data --folder ${RELEASE_FOLDER}
        --name ${RELEASE_NAME} --exe vantrel.exe ${PAYLOAD}/vantrel.exe ${PAYLOAD}/dicbin.txt
        ${PAYLOAD}/orlavexdic.txt "${PAYLOAD}/Read me.htm"
    COMMAND ${HOST_TOOLS}/mkpayload verify ${RELEASE}/data
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:setup> ${RELEASE}/setup.exe
    DEPENDS ${HOST_TOOLS}/mkpayload setup ${PAYLOAD}/vantrel.exe ${PAYLOAD}/dicbin.txt
        ${PAYLOAD}/orlavexdic.txt "${PAYLOAD}/Read me.htm"
    COMMENT "Writing the release folder ${RELEASE}"
    VERBATIM)
add_custom_target(release ALL DEPENDS ${RELEASE}/data ${RELEASE}/setup.exe)

# The version resources read common/version.h.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/ui/vantrel.rc ${CMAKE_SOURCE_DIR}/inst/setup.rc
    APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/common/version.h)

# The checks of what the release is made of: the text source's format, and
# pictures that are exactly what their scripts draw.
find_program(PYTHON3 NAMES python3 REQUIRED)
add_test(NAME bundled-source
    COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tools/checksource.py
        ${CMAKE_SOURCE_DIR}/data/orlavexdic.txt)
add_test(NAME pictures-reproducible
    COMMAND ${CMAKE_COMMAND} -DPYTHON3=${PYTHON3} -DSOURCE=${CMAKE_SOURCE_DIR}
        -DWORK=${CMAKE_BINARY_DIR}/pictures-check -P ${CMAKE_SOURCE_DIR}/tests/release/pictures.cmake)

# The store that ships, compiled here by the host's mkdictionary, is byte for
# byte the one the program's own rebuild code writes on Windows from the
# source that ships beside it.
add_executable(mkdictionary ${CMAKE_SOURCE_DIR}/tools/mkdictionary.cpp)
target_link_libraries(mkdictionary PRIVATE store)
add_test(NAME rebuilt-store-wine COMMAND mkdictionary payload/orlavexdic.txt rebuilt-dicbin.txt)
add_test(NAME shipped-store-as-rebuilt
    COMMAND ${CMAKE_COMMAND} -E compare_files payload/dicbin.txt rebuilt-dicbin.txt)
set_tests_properties(rebuilt-store-wine PROPERTIES FIXTURES_SETUP rebuiltstore RUN_SERIAL TRUE)
set_tests_properties(shipped-store-as-rebuilt PROPERTIES FIXTURES_REQUIRED rebuiltstore)
set_tests_properties(rebuilt-store-wine shipped-store-as-rebuilt PROPERTIES
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

# As a new user does it, under Wine: setup.exe from the release folder, then
# the installed program.  Screenshots go to screenshots/.
add_executable(releasetest ${CMAKE_SOURCE_DIR}/tests/release/release_wine_test.cpp)
target_link_libraries(releasetest PRIVATE gtest_main user32 gdi32 advapi32 version ole32 uuid shell32)
add_dependencies(releasetest release)
add_test(NAME release-wine COMMAND releasetest)
set_tests_properties(release-wine PROPERTIES
    TIMEOUT 600 RUN_SERIAL TRUE WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
