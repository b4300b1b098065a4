# The benchmark (bench/): every operation of the dictionary and of setup at
# 1,000 to 50,000 entries.  It times the logic as the programs build it, with
# optimisation and without the sanitizers: on Windows it links the programs'
# own components; on the host, where those are built under the sanitizers for
# the tests, it has a build of the logic of its own with -O2.  The run here is
# a smoke test at the smallest size; tools/bench.sh runs the whole of it.
if(WIN32)
    set(BENCH "")
else()
    set(BENCH -bench)
    add_components(-bench OPTIONS -O2)
    add_models(-bench)  # headless-bench takes -O2 from the components it links
endif()
set(BENCH_LIBRARIES dialog${BENCH} setuplogic${BENCH} packer${BENCH} y${BENCH} registrymodel${BENCH})

# What both benchmark programs share: the stores of made-up entries and the timing.
add_library(benchcommon OBJECT EXCLUDE_FROM_ALL
    ${CMAKE_SOURCE_DIR}/bench/glossary.cpp
    ${CMAKE_SOURCE_DIR}/bench/vocabulary.cpp
    ${CMAKE_SOURCE_DIR}/bench/measure.cpp)
target_link_libraries(benchcommon PUBLIC dialog${BENCH})

# The operations on the headless main dialog.
add_executable(benchmark
    ${CMAKE_SOURCE_DIR}/bench/main.cpp
    ${CMAKE_SOURCE_DIR}/bench/dictionaryops.cpp
    ${CMAKE_SOURCE_DIR}/bench/rebuildops.cpp
    ${CMAKE_SOURCE_DIR}/bench/setupops.cpp
    ${CMAKE_SOURCE_DIR}/tests/driverheadless.cpp)
target_link_libraries(benchmark PRIVATE benchcommon headless${BENCH} ${BENCH_LIBRARIES})

if(WIN32)
    # Keystrokes on the real dialog from the real template, and the memory
    # of vantrel.exe, under Wine.  It links
    # the tests' toolkit seam, whose switch turns the toolkit's shortcuts off
    # for the plain calls' figures.
    add_executable(dialogbench
        ${CMAKE_SOURCE_DIR}/bench/dialogbench.cpp
        ${CMAKE_SOURCE_DIR}/bench/memory.cpp
        ${CMAKE_SOURCE_DIR}/tests/toolkithooks.cpp)
    target_link_libraries(dialogbench PRIVATE benchcommon ui ${BENCH_LIBRARIES} psapi)
else()
    add_test(NAME benchmark-smoke
        COMMAND benchmark --sizes 1000 --runs 1 --csv benchmark-smoke.csv --work benchmark-smoke)
    set_tests_properties(benchmark-smoke PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
