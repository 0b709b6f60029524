#!/usr/bin/env bash
# Configures and builds the build trees.
#   scripts/build.sh            both trees
#   scripts/build.sh native     build/native: portable core and its tests (sanitizers)
#   scripts/build.sh win64      build/win64: everything for Windows, dist/ assembled
#   scripts/build.sh tsan       build/native-tsan: the threaded parts under ThreadSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
targets=("${@:-native win64}")
[ $# -eq 0 ] && targets=(native win64)

# Configuring every time picks up folders that appeared since the last run.
configure() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

for target in "${targets[@]}"; do
  case "$target" in
    native)
      configure build/native
      cmake --build build/native -j "$jobs"
      ;;
    tsan)
      configure build/native-tsan -DMOUSE_SANITIZERS=thread
      cmake --build build/native-tsan -j "$jobs" --target worker_tests vmouse_tests
      ;;
    win64)
      configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
      cmake --build build/win64 -j "$jobs"
      ;;
    *)
      echo "build.sh: unknown tree '$target' (native, tsan, win64)" >&2
      exit 2
      ;;
  esac
done
