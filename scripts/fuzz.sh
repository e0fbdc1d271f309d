#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang++ into build-fuzz/ and runs each for
# SECONDS (default 60), starting from its seed corpus and its regression inputs. Any
# finding fails the script; the input that caused it is left in build-fuzz/artifacts/.
# Inputs that add coverage collect in build-fuzz/corpus/, outside the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

seconds="${1:-60}"
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTAMSEL_FUZZ=ON -DTAMSEL_BUILD_UI=OFF -DTAMSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target tamsel_fuzzers

harnesses=$(sed -n 's/^tamsel_fuzz_harness(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
# A small quarantine: the harnesses allocate and free a lot per run, and recycling a large
# quarantine costs more page faults than the runs themselves.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for h in $harnesses; do
  echo "== fuzz $h (${seconds}s)"
  work="build-fuzz/corpus/$h"
  artifacts="build-fuzz/artifacts/$h"
  mkdir -p "$work" "$artifacts"
  seeds=()
  for d in "fuzz/corpus/$h" "fuzz/regressions/$h"; do
    if [ -d "$d" ]; then seeds+=("$d"); fi
  done
  if ! "build-fuzz/bin/$h" "$work" ${seeds[@]+"${seeds[@]}"} -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" -close_fd_mask=1 >"build-fuzz/$h.log" 2>&1; then
    tail -n 40 "build-fuzz/$h.log"
    failed+=("$h")
  fi
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec)' "build-fuzz/$h.log" || true
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in build-fuzz/artifacts/)"
  exit 1
fi
echo "fuzz: no findings"
