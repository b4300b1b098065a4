# Host build: the logic, the headless toolkit and the tests, with the sanitizers.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)

add_library(logic STATIC ${DICTIONARY_SOURCES} ${UI_LOGIC_SOURCES}
    ${CMAKE_SOURCE_DIR}/common/y.cpp ${CMAKE_SOURCE_DIR}/tests/registrymodel.cpp)
target_compile_definitions(logic PUBLIC VANTREL_FAULTS)
target_compile_options(logic PUBLIC ${SANITIZE} -g)
target_link_options(logic PUBLIC ${SANITIZE})

find_package(GTest REQUIRED)

add_executable(unittests ${UNIT_TEST_SOURCES} ${TEST_SUPPORT_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/headless.cpp)
target_link_libraries(unittests logic GTest::gtest GTest::gtest_main)
add_test(NAME unittests COMMAND unittests)

add_executable(scenarios ${SCENARIO_TEST_SOURCES} ${TEST_SUPPORT_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/headless.cpp
    ${CMAKE_SOURCE_DIR}/tests/driverheadless.cpp)
target_link_libraries(scenarios logic GTest::gtest GTest::gtest_main)
add_test(NAME scenarios-headless COMMAND scenarios)

add_executable(mkstore ${CMAKE_SOURCE_DIR}/tools/mkstore.cpp
    ${CMAKE_SOURCE_DIR}/dictionary/fileio.cpp ${CMAKE_SOURCE_DIR}/dictionary/readahead.cpp
    ${CMAKE_SOURCE_DIR}/common/replacefile.cpp)

include(cmake/setup.cmake)
include(cmake/bench.cmake)
