# Host build: the components with their fault seams, the headless toolkit and
# the tests, under the sanitizers.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)

add_components(-test FAULTS OPTIONS ${SANITIZE} -g)
add_registries(-test OPTIONS ${SANITIZE} -g)

find_package(GTest REQUIRED)

# the headless toolkit is compiled into each test program: the components call it
add_executable(unittests ${UNIT_TEST_SOURCES} ${TEST_SUPPORT_SOURCES} ${CMAKE_SOURCE_DIR}/tests/headless.cpp)
target_link_libraries(unittests dialog-test y-test registrymodel-test GTest::gtest GTest::gtest_main)
add_test(NAME unittests COMMAND unittests)

add_executable(scenarios ${SCENARIO_TEST_SOURCES} ${TEST_SUPPORT_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/headless.cpp ${CMAKE_SOURCE_DIR}/tests/driverheadless.cpp)
target_link_libraries(scenarios dialog-test y-test registrymodel-test GTest::gtest GTest::gtest_main)
add_test(NAME scenarios-headless COMMAND scenarios)

# the programs' own build of the components, for the tools
add_components("")
add_executable(mkstore ${CMAKE_SOURCE_DIR}/tools/mkstore.cpp)
target_link_libraries(mkstore store)

include(cmake/setup.cmake)
include(cmake/bench.cmake)
