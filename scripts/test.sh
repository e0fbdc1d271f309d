#!/usr/bin/env bash
# Sets up, builds and runs every test twice: as built normally, then built with the
# address and undefined-behaviour sanitizers (any report fails the run). Between the two,
# tamsel-cli and the test programs that need no Qt are cross-built for Windows and run
# under Wine, where the Windows tool must also write the same bytes as the native one.
# Then every fuzzing harness runs for a short while (scripts/fuzz.sh), so that a reader
# that has learnt to crash again is caught.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== build (plain)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMSEL_BUILD_UI=ON -DTAMSEL_SANITIZE=OFF >/dev/null
cmake --build build -j "$jobs"
echo "== tests (plain)"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build (Windows, MinGW-w64)"
# Only tamsel-cli and the test programs, no editor; optimised lightly and without debug
# information, which keeps this pass to a few minutes on two cores.
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" -DTAMSEL_BUILD_UI=OFF -DTAMSEL_BUILD_BENCH=OFF \
  -DTAMSEL_NATIVE_CLI="$PWD/build/bin/tamsel-cli" >/dev/null
cmake --build build-windows -j "$jobs"
echo "== tests (Windows, under Wine)"
ctest --test-dir build-windows --output-on-failure -j "$jobs"

echo "== build (sanitizers)"
# clang++ with the address and undefined-behaviour sanitizers, lightly optimised.
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DTAMSEL_SANITIZE=ON -DTAMSEL_BUILD_UI=ON -DTAMSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
echo "== tests (sanitizers)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-system.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzzing (20 s per harness)"
bash scripts/fuzz.sh 20
