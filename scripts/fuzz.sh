#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each of them.
#   scripts/fuzz.sh [seconds]   seconds per target (default 60)
# Corpora are kept in build/fuzz/corpus/<target> between runs; an input that
# breaks a target is saved as build/fuzz/artifacts/<target>-crash-*. Prints
# the executions of each target and exits non-zero when one broke.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
jobs=$(nproc 2>/dev/null || echo 2)
tree=build/fuzz
targets=(fuzz_reports fuzz_macro_conversion fuzz_profile_file)

# Every library the targets link is instrumented for coverage as well.
cmake -S . -B "$tree" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DMOUSE_SANITIZERS=address,undefined -DMOUSE_FUZZ=ON >/dev/null
cmake --build "$tree" --target fuzz_targets -j "$jobs"

mkdir -p "$tree/corpus" "$tree/artifacts" "$tree/seeds"
"$tree/fuzz/fuzz_seeds" "$tree/seeds"

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus="$tree/corpus/$target"
  mkdir -p "$corpus"
  log="$tree/$target.log"
  echo "== $target (${seconds}s)"
  status=0
  extra=()
  # Whole profile files are large and slow to round-trip: favour short ones.
  [ "$target" = fuzz_profile_file ] && extra=(-max_len=4096)
  "$tree/fuzz/$target" "$corpus" "$tree/seeds/$target" "${extra[@]}" \
    -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$tree/artifacts/$target-" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  crashes=$(ls "$tree/artifacts" | grep -c "^$target-" || true)
  summary+=("$target: $runs executions, exit $status, $crashes saved inputs")
  if [ "$status" -ne 0 ]; then
    failed=1
    tail -n 40 "$log"
  fi
done

printf '%s\n' "${summary[@]}"
exit "$failed"
