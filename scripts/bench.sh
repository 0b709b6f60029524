#!/usr/bin/env bash
# Builds and runs the benchmarks; prints figures, never fails on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh win64
echo "== our codec against Windows' private-profile functions (under Wine)"
scripts/wine-session.sh wine build/win64/bench/ini_codec_benchmark.exe
