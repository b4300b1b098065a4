# The benchmark (bench/): every operation of the dictionary and of setup at
# 1,000 to 50,000 entries.  It times the logic as the programs build it, with
# optimisation and without the sanitizers or the test builds' fault seams, so
# it has a build of the logic of its own.  The run here is a smoke test at the
# smallest size; tools/bench.sh runs the whole of it.
set(BENCH_COMMON_SOURCES
    ${CMAKE_SOURCE_DIR}/bench/glossary.cpp
    ${CMAKE_SOURCE_DIR}/bench/vocabulary.cpp
    ${CMAKE_SOURCE_DIR}/bench/measure.cpp)
set(BENCH_SOURCES ${BENCH_COMMON_SOURCES}
    ${CMAKE_SOURCE_DIR}/bench/main.cpp
    ${CMAKE_SOURCE_DIR}/bench/dictionaryops.cpp
    ${CMAKE_SOURCE_DIR}/bench/rebuildops.cpp
    ${CMAKE_SOURCE_DIR}/bench/setupops.cpp)

# The components as the programs build them (optimised on the host too), and
# the in-memory registry on both sides so that no run touches a real hive.
if(WIN32)
    add_components(-bench)
else()
    add_components(-bench OPTIONS -O2)  # the Windows build keeps the programs' own Release flags
endif()
add_registries(-bench)
set(BENCH_LIBRARIES dialog-bench setuplogic-bench y-bench registrymodel-bench)

# The operations on the headless main dialog.
add_executable(benchmark ${BENCH_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/headless.cpp
    ${CMAKE_SOURCE_DIR}/tests/driverheadless.cpp)
target_link_libraries(benchmark PRIVATE ${BENCH_LIBRARIES})

if(WIN32)
    # Keystrokes on the real dialog from the real template, and the memory
    # of vantrel.exe, under Wine.
    add_executable(dialogbench
        ${CMAKE_SOURCE_DIR}/bench/dialogbench.cpp
        ${CMAKE_SOURCE_DIR}/bench/memory.cpp
        ${BENCH_COMMON_SOURCES}
        ${CMAKE_SOURCE_DIR}/tests/toolkithooks.cpp  # the toolkit's switch of its shortcuts, for the plain calls' figures
        ${WIN32_UI_SOURCES} ${RESOURCE_SCRIPT})
    target_link_libraries(dialogbench PRIVATE ${BENCH_LIBRARIES} psapi comctl32 shell32 gdi32 user32 advapi32)
else()
    add_test(NAME benchmark-smoke
        COMMAND benchmark --sizes 1000 --runs 1 --csv benchmark-smoke.csv --work benchmark-smoke)
    set_tests_properties(benchmark-smoke PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
