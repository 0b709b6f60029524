#!/usr/bin/env bash
# Builds both trees and runs every test: the native tier (portable core with
# sanitizers) and the Windows tier (cross-built programs under Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

jobs=$(nproc 2>/dev/null || echo 2)
scripts/build.sh native tsan win64

echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" --timeout 300

echo "== threaded parts under ThreadSanitizer"
build/native-tsan/tests/worker_tests --gtest_brief=1
build/native-tsan/tests/vmouse_tests --gtest_brief=1 --gtest_filter='ServiceThreads.*'

echo "== windows tests (under Wine)"
# Wine's registry, mouse settings and foreground window are shared within a
# prefix, so the Windows tier runs serially.
scripts/wine-session.sh ctest --test-dir build/win64 --output-on-failure --timeout 180
