#!/usr/bin/env bash
# Whole-process timing of `tamsel-cli info` on an SNES image against `cat` of the same
# image, side by side in one hyperfine run. The goal: info takes at most twice as long as
# cat. Builds tamsel-cli in build/ when needed; uses the SNES reference image beside the
# checkout, else writes the demo image.
# Usage: bench/cli-timings.sh [IMAGE.smc] [hyperfine options...]
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v hyperfine >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends hyperfine
fi

if [ ! -x build/bin/tamsel-cli ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target tamsel-cli >/dev/null

image=${1:-../shared/fixtures/snes-1/game.smc}
shift || true
if [ ! -f "$image" ]; then
  build/bin/tamsel-cli demo build/bench-roms >/dev/null
  image=build/bench-roms/demo.smc
fi
echo "image: $image ($(stat -c %s "$image") bytes)"

# -N runs each command without a shell between, so both pay only their own start-up;
# the output of both goes to /dev/null.
hyperfine -N --warmup 50 --runs 1000 --export-json build/cli-timings.json "$@" \
  "build/bin/tamsel-cli info $image" "cat $image"

python3 - build/cli-timings.json <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
info, cat = r[0]["mean"], r[1]["mean"]
print(f"info / cat = {info / cat:.2f} (goal: at most 2.00)")
PY
