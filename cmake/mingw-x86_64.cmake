# Cross toolchain for 64-bit Windows, for the machines whose kernel cannot
# start the 32-bit Wine: the same programs and tests, built for the 64-bit
# Wine (tools/test.sh).  The programs ship as the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
