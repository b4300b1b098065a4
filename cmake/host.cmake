# Host build: the components, the headless toolkit and the tests, under the
# sanitizers; the host tools link the same components.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)

find_package(GTest REQUIRED)

add_components("" OPTIONS ${SANITIZE} -g)
add_models("" OPTIONS ${SANITIZE} -g)
add_testsupport("" GTEST GTest::gtest)
set(TEST_LIBRARIES testsupport filefaults headless dialog y registrymodel GTest::gtest GTest::gtest_main)

add_executable(unittests ${UNIT_TEST_SOURCES})
target_link_libraries(unittests ${TEST_LIBRARIES})
add_test(NAME unittests COMMAND unittests)

add_executable(scenarios ${SCENARIO_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/driverheadless.cpp)
target_link_libraries(scenarios ${TEST_LIBRARIES})
add_test(NAME scenarios-headless COMMAND scenarios)

add_executable(mkstore ${CMAKE_SOURCE_DIR}/tools/mkstore.cpp)
target_link_libraries(mkstore store)

include(cmake/setup.cmake)
include(cmake/bench.cmake)

# Every caption and message the Read me quotes is one the programs show.
find_program(PYTHON3 NAMES python3 REQUIRED)
add_test(NAME readme-quotes COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tools/checkreadme.py ${CMAKE_SOURCE_DIR})
