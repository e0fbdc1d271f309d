#!/usr/bin/env bash
# Runs every libFuzzer harness of fuzz/ for SECONDS (default 60), as many at once as the
# machine has cores, starting from its seed corpus and its regression inputs. Any finding
# fails the script; the input that caused it is left in BUILD/artifacts/. Inputs that add
# coverage collect in BUILD/corpus/, outside the source tree.
#
# The harnesses are built with clang++ into build-fuzz/ (TAMSEL_FUZZ_BUILD names another
# build folder).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

seconds="${1:-60}"
jobs=$(nproc 2>/dev/null || echo 2)

build="${TAMSEL_FUZZ_BUILD:-build-fuzz}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTAMSEL_FUZZ=ON -DTAMSEL_BUILD_UI=OFF -DTAMSEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target tamsel_fuzzers

harnesses=$(sed -n 's/^ *tamsel_fuzz_harness(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
# A small quarantine: the harnesses allocate and free a lot per run, and recycling a large
# quarantine costs more page faults than the runs themselves.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One harness: its log in BUILD/NAME.log, its status in BUILD/NAME.status.
run_one() {
  local h=$1
  local work="$build/corpus/$h" artifacts="$build/artifacts/$h" seeds=()
  mkdir -p "$work" "$artifacts"
  for d in "fuzz/corpus/$h" "fuzz/regressions/$h"; do
    if [ -d "$d" ]; then seeds+=("$d"); fi
  done
  local status=0
  "$build/bin/$h" "$work" ${seeds[@]+"${seeds[@]}"} -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" -close_fd_mask=1 >"$build/$h.log" 2>&1 || status=$?
  echo "$status" >"$build/$h.status"
}

running=0
for h in $harnesses; do
  echo "== fuzz $h (${seconds}s)"
  run_one "$h" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

failed=()
for h in $harnesses; do
  if [ "$(cat "$build/$h.status")" != 0 ]; then
    tail -n 40 "$build/$h.log"
    failed+=("$h")
  fi
  echo "$h: $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$build/$h.log" | tr '\n' ' ')"
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $build/artifacts/)"
  exit 1
fi
echo "fuzz: no findings"
