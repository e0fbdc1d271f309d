#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, in a private prefix (made on first
# use, about 20 seconds), with Wine's .NET and browser installers switched off so that its
# first start asks nothing.
# Usage: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# Tests run side by side: one of them makes the prefix while the others wait.
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait || true
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
