#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree: both programs, the manual
# page (with an entry for every command that tamsel-cli --help lists), the desktop entry
# and the AppStream data (each passing its validator) and the icon in every size.
# Usage: check-install.sh CMAKE BUILD_DIR PREFIX WITH_EDITOR(ON|OFF)
set -euo pipefail
cmake=$1 build=$2 prefix=$3 editor=$4
id=io.github.tamsel.Tamsel
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(bin/tamsel-cli share/man/man1/tamsel-cli.1)
if [ "$editor" = ON ]; then
  expected+=(bin/tamsel "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
             "share/icons/hicolor/scalable/apps/$id.svg")
  for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
fi
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "not installed: $f"; done
for f in bin/tamsel-cli bin/tamsel; do
  [ ! -e "$prefix/$f" ] || [ -x "$prefix/$f" ] || fail "not executable: $f"
done

if [ "$editor" = ON ]; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
  # Each PNG is as wide and as high as the folder it lies in says (IHDR, big-endian).
  for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || continue
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is $w x $h"
  done
fi

help=$("$prefix/bin/tamsel-cli" --help) || fail "installed tamsel-cli --help"
commands=$(printf '%s\n' "$help" | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "no commands in tamsel-cli --help"
man="$prefix/share/man/man1/tamsel-cli.1"
for c in $commands; do
  # the entry's tag line starts with the name in bold, its hyphens escaped
  grep -qF "\\fB${c//-/\\-}\\fR" "$man" || fail "the manual page has no entry for $c"
done
if command -v groff >/dev/null; then
  warnings=$(groff -man -ww -z "$man" 2>&1) && [ -z "$warnings" ] || fail "groff: $warnings"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install tree in $prefix: ${#expected[@]} files, $(wc -w <<<"$commands") commands in the manual page"
