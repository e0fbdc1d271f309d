#!/usr/bin/env bash
# Sets up and builds Tamsel, writes the demo ROMs beside the program and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMSEL_BUILD_UI=ON -DTAMSEL_SANITIZE=OFF >/dev/null
cmake --build build -j "$jobs" --target tamsel tamsel-cli

# demo.nes and demo.smc beside the program: File > Open starts there on a first run.
if [ ! -f build/bin/demo.nes ] || [ ! -f build/bin/demo.smc ]; then
  build/bin/tamsel-cli demo build/bin
fi
exec build/bin/tamsel "$@"
