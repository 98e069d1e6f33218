# Configuring and building the trees. Sourced.

# Native tree: clang with AddressSanitizer/UBSan, tests and fuzz targets,
# and the tools that generate assets for the Windows trees.
build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DLANVERO_SANITIZE=ON -DLANVERO_FUZZ=ON >/dev/null
  cmake --build "$BUILD/native" -j2
}

# One Windows tree (win32 or win64): MinGW cross build of Lanvero.exe, the
# Windows tools and the Windows tests; assets come from the native tree's
# tools.
build_windows_tree() {
  local tree=$1
  cmake -S "$ROOT" -B "$BUILD/$tree" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$(tree_processor "$tree").cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DLANVERO_HOST_TOOLS="$BUILD/native" >/dev/null
  cmake --build "$BUILD/$tree" -j2
}

# Both Windows trees, whatever this machine can run: the 32-bit program is
# the shipped one.
build_windows() {
  local tree
  for tree in "${WINDOWS_TREES[@]}"; do
    build_windows_tree "$tree" || return 1
  done
}

# Release tree for benchmarks: g++ -O2, no sanitizers.
build_bench() {
  cmake -S "$ROOT" -B "$BUILD/bench" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DLANVERO_BENCH=ON -DLANVERO_TESTS=OFF >/dev/null
  cmake --build "$BUILD/bench" -j2
}
