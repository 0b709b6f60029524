#!/usr/bin/env bash
# Builds and runs the benchmarks; prints figures, never fails on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/bench -G Ninja -DMOUSE_SANITIZERS=none -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$jobs" --target settings_benchmark
echo "== the configuration codec (native)"
build/bench/bench/settings_benchmark

scripts/build.sh win64
echo "== our codec against Windows' private-profile functions (under Wine)"
scripts/wine-session.sh wine build/win64/bench/ini_codec_benchmark.exe
