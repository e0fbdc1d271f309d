#!/usr/bin/env bash
# Whole-process timing of the editor's start against an empty Qt main window, offscreen, in
# one hyperfine run: the editor up to its first paint, and `tamsel FILE` up to the league
# painted, each ending there (TAMSEL_EXIT_AFTER_PAINT). The goals: at most 1.15 and 1.4 times
# the empty window. Builds a Release copy in build-rel/ when needed; uses the NES reference
# image beside the checkout, else writes the demo image.
# Usage: bench/launch-timings.sh [IMAGE] [hyperfine options...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ ! -f build-rel/build.ninja ]; then
  cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMSEL_BUILD_UI=ON >/dev/null
fi
cmake --build build-rel --target tamsel tamsel_empty_window tamsel-cli >/dev/null

image=${1:-../shared/fixtures/nes-1/game.nes}
shift || true
if [ ! -f "$image" ]; then
  build-rel/bin/tamsel-cli demo build-rel/bench-roms >/dev/null
  image=build-rel/bench-roms/demo.nes
fi
image=$(realpath "$image")

# The settings the first run would offer to write, so that no question waits for an answer.
if [ ! -f build-rel/bin/tamsel.ini ]; then
  printf '%s\r\n' "$PWD/build-rel/bin" ' 32785' ' 32891' '-1' ' 40601' ' 39806' ' 39864' ' 40123' ' 40181' \
    ' 58432' ' 58261' ' 62783' ' 59950' ' 121868' ' 32843' ' 52785' ' 43624' ' 267146' ' 267308' ' 294096' \
    ' 275043' ' 274224' ' 274282' ' 274541' ' 274599' ' 23392' ' 23221' ' 277311' ' 288999' ' 319488' \
    ' 267204' ' 18725' ' 263792' >build-rel/bin/tamsel.ini
fi
echo "image: $image; load average: $(cut -d' ' -f1-3 /proc/loadavg)"

export QT_QPA_PLATFORM=offscreen TAMSEL_EXIT_AFTER_PAINT=1
hyperfine -N --warmup 5 --runs 40 --export-json build-rel/launch-timings.json "$@" \
  build-rel/bin/tamsel_empty_window build-rel/bin/tamsel "build-rel/bin/tamsel $image"

python3 - build-rel/launch-timings.json <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
empty, window, league = (x["median"] for x in r)
print(f"first paint / empty window = {window / empty:.2f} (goal: at most 1.15)")
print(f"league painted / empty window = {league / empty:.2f} (goal: at most 1.40)")
# On a busy machine the processor time (user + system, means) tells more than the wall clock.
cpu = [x["user"] + x["system"] for x in r]
print(f"processor time: {cpu[1] / cpu[0]:.2f} and {cpu[2] / cpu[0]:.2f} times the empty window's")
PY
