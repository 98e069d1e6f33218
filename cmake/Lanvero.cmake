# Build helpers shared by every module. Portable code uses
# lanvero_library(); tests, fuzz targets and benchmarks use the functions
# below so that scripts/test can collect their reports in one place.

include_guard(GLOBAL)

function(lanvero_common_flags)
  add_compile_options(-Wall -Wextra)
  if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
  # In fuzzing trees every library is instrumented for coverage, so that a
  # fuzz target is guided by the code it drives, not only by its own lines.
  # The sanitizer runtime provides the coverage callbacks to programs that
  # are not fuzzers.
  # They are also built with -O1 (debug information stays): at -O0 every
  # container index is an out-of-line call with instrumented comparisons,
  # and the fuzz targets try three to four times fewer inputs in their
  # time. The sanitizers' own advice is -O1 for usable speed.
  if(LANVERO_FUZZ AND LANVERO_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=fuzzer-no-link -O1)
  endif()
  if(LANVERO_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endfunction()

# lanvero_library(NAME name SOURCES ... [LIBS ...] [WINDOWS_ONLY])
# A static library whose headers are included relative to the repository root.
function(lanvero_library)
  cmake_parse_arguments(ARG "WINDOWS_ONLY" "NAME" "SOURCES;LIBS" ${ARGN})
  if(ARG_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_library(${ARG_NAME} STATIC ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PUBLIC ${CMAKE_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# Path as the program under test sees it: Windows programs run under Wine
# reach the Unix file system through drive Z:.
function(lanvero_test_visible_path out path)
  if(WIN32)
    set(${out} "Z:${path}" PARENT_SCOPE)
  else()
    set(${out} "${path}" PARENT_SCOPE)
  endif()
endfunction()

# lanvero_test(NAME name SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s]
#              [NATIVE_ONLY] [WINDOWS_ONLY] [ARGS ...])
# A GoogleTest program registered as one CTest test that writes its case
# results to ${LANVERO_RESULTS_DIR}/<name>.xml (scripts/test tallies them).
function(lanvero_test)
  cmake_parse_arguments(ARG "NATIVE_ONLY;WINDOWS_ONLY" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
  if(NOT LANVERO_TESTS OR (ARG_NATIVE_ONLY AND WIN32) OR (ARG_WINDOWS_ONLY AND NOT WIN32))
    return()
  endif()
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} gmock gtest_main)
  lanvero_test_visible_path(xml_path "${LANVERO_RESULTS_DIR}/${ARG_NAME}.xml")
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME} --gtest_output=xml:${xml_path} ${ARG_ARGS}
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 600)
  endif()
  set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
                       ENVIRONMENT "LANVERO_SOURCE_DIR=${CMAKE_SOURCE_DIR};LANVERO_BINARY_DIR=${CMAKE_BINARY_DIR}")
  if(ARG_LABELS)
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# lanvero_fuzz(NAME name SOURCES ... [LIBS ...] [SECONDS n])
# A libFuzzer target, built only in a LANVERO_FUZZ tree. CTest runs it for a
# few seconds over its committed corpus fuzz/corpus/<name>; inputs it finds
# go to a scratch folder, never into the committed corpus.
function(lanvero_fuzz)
  cmake_parse_arguments(ARG "" "NAME;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT LANVERO_FUZZ OR WIN32)
    return()
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 15)
  endif()
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${ARG_NAME})
  set(scratch ${CMAKE_BINARY_DIR}/fuzz-scratch/${ARG_NAME})
  add_test(NAME ${ARG_NAME}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   ${CMAKE_SOURCE_DIR}/scripts/lib/run-fuzzer $<TARGET_FILE:${ARG_NAME}> ${ARG_SECONDS} ${scratch} ${corpus})
  set_tests_properties(${ARG_NAME} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

# lanvero_bench(NAME name SOURCES ... [LIBS ...])
# A Google Benchmark program, built only in a LANVERO_BENCH tree (release,
# no sanitizers). Benchmarks report ratios against a baseline of the same run.
function(lanvero_bench)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT LANVERO_BENCH OR WIN32)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

# lanvero_host_tool(out name): path of a native tool (skintool, mkdb) that
# generates assets during the build. LANVERO_HOST_TOOLS names the root of a
# native build tree; its tools live in tools/<name>/<name>.
function(lanvero_host_tool out name)
  if(LANVERO_HOST_TOOLS)
    set(${out} ${LANVERO_HOST_TOOLS}/tools/${name}/${name} PARENT_SCOPE)
  else()
    set(${out} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()
