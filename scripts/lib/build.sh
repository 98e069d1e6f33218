# Configuring and building the three trees. Sourced.

# Native tree: clang with AddressSanitizer/UBSan, tests and fuzz targets,
# and the tools that generate assets for the Windows tree.
build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DLANVERO_SANITIZE=ON -DLANVERO_FUZZ=ON >/dev/null
  cmake --build "$BUILD/native" -j2
}

# Windows tree: MinGW cross build of Lanvero.exe, the Windows tools and the
# Windows tests; assets come from the native tree's tools.
build_windows() {
  cmake -S "$ROOT" -B "$BUILD/win32" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DLANVERO_HOST_TOOLS="$BUILD/native" >/dev/null
  cmake --build "$BUILD/win32" -j2
}

# Release tree for benchmarks: g++ -O2, no sanitizers.
build_bench() {
  cmake -S "$ROOT" -B "$BUILD/bench" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DLANVERO_BENCH=ON -DLANVERO_TESTS=OFF >/dev/null
  cmake --build "$BUILD/bench" -j2
}
