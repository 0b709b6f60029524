#!/usr/bin/env bash
# Applies clang-format to every C++ source of the project (--check: only report).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
[ "${1:-}" = "--check" ] && mode=(--dry-run --Werror)
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' | xargs -0 -r clang-format "${mode[@]}"
