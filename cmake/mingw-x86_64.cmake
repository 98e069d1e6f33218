# Cross toolchain: 64-bit Windows.
set(LANVERO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
