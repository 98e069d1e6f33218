# Cross toolchain: 32-bit Windows (the shipped Lanvero.exe).
set(LANVERO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
