#!/usr/bin/env bash
# Runs the same tamsel-cli commands with the tool built for this machine and with the Windows
# tool under Wine, on the reference images, and compares every file they write byte for byte,
# what they print (the Windows tool ends its lines in CR LF) and their exit statuses. The
# files lie in a folder whose name holds letters beyond ASCII, so the names travel whole too;
# each tool works in the same folder in turn, so that the paths they print are the same.
# Each tool runs from a copy in a folder without tamsel.ini, so both use the built-in offsets.
# Usage: same-as-native.sh NATIVE_CLI WINDOWS_CLI WINE_RUN WINE_PREFIX FIXTURES WORK
set -uo pipefail
native=$1 windows=$2 wine_run=$3 prefix=$4 fixtures=$5 work=$6
if [ ! -f "$fixtures/nes-1/game.nes" ]; then
  echo "no reference fixtures"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/native/tool" "$work/windows/tool"
cp "$native" "$work/native/tool/tamsel-cli"
cp "$windows" "$work/windows/tool/tamsel-cli.exe"

# tool SIDE NAME ARGS...: runs one command, keeping its output and exit status under NAME.
tool() {
  local side=$1 name=$2
  shift 2
  local dir="$work/Équipe バスケ"
  if [ "$side" = native ]; then
    "$work/native/tool/tamsel-cli" "$@" >"$dir/$name.out" 2>"$dir/$name.err"
  else
    "$wine_run" "$prefix" "$work/windows/tool/tamsel-cli.exe" "$@" >"$dir/$name.out" 2>"$dir/$name.err"
  fi
  echo $? >"$dir/$name.status"
}

for side in native windows; do
  d="$work/Équipe バスケ"
  mkdir "$d"
  for edition in nes-1:nes snes-1:smc; do
    fx=${edition%:*} ext=${edition#*:}
    rom="$d/$fx.$ext"
    cp "$fixtures/$fx/game.$ext" "$rom"
    chmod u+w "$rom"
    cp "$fixtures/$fx/edit.tpr" "$d/$fx-edit.tpr"
    o="$d/$fx"
    tool $side $fx-info info "$rom"
    tool $side $fx-resave resave "$rom" -o "$o-resaved.$ext"
    tool $side $fx-project export-project "$rom" "$o-league.tpr"
    tool $side $fx-team export-team "$rom" 26 "$o-team26.tte"
    tool $side $fx-player export-player "$rom" 26 11 "$o-player.tpl"
    tool $side $fx-report report "$rom" shooting-range "$o-report.txt"
    tool $side $fx-report-bypos report "$rom" 2 "$o-report-bypos.txt" --by-position
    tool $side $fx-csv export-csv "$rom" "$o-players.csv"
    tool $side $fx-import import-project "$rom" "$d/$fx-edit.tpr" -o "$o-edited.$ext"
    tool $side $fx-import-csv import-csv "$rom" "$o-players.csv" -o "$o-from-csv.$ext"
    tool $side $fx-import-team import-team "$rom" 5 "$o-team26.tte" -o "$o-team5.$ext"
    tool $side $fx-png sprite "$rom" 0 1 "$o-sprite.png"
    tool $side $fx-ppm sprite "$rom" 0 3 "$o-sprite.ppm"
    tool $side $fx-bps make-patch "$rom" "$o-edited.$ext" "$o-patch.bps"
    tool $side $fx-ips make-patch "$rom" "$o-edited.$ext" "$o-patch.ips"
    tool $side $fx-apply apply-patch "$rom" "$o-patch.bps" -o "$o-patched.$ext"
    tool $side $fx-swap swap "$rom" 3.4 17.0 -o "$o-swapped.$ext"
    tool $side $fx-merge merge "$rom" "$o-edited.$ext" --only 'team *' -o "$o-merged.$ext"
    tool $side $fx-diff diff "$rom" "$o-edited.$ext"
    tool $side $fx-stats stats "$rom" --csv
    tool $side $fx-schedule check-schedule "$rom"
    tool $side $fx-find find "$rom" 'pos:C' 'jump>=50'
    tool $side $fx-in-place import-player "$rom" 0 0 "$o-player.tpl"
  done
  tool $side demo demo "$d/demo"
  rm "$d/demo.out"  # names the files it wrote, with the platform's separator
  # Printed text compares without the CR of the Windows tool's line ends.
  [ $side = windows ] && sed -i 's/\r$//' "$d"/*.out "$d"/*.err
  mv "$d" "$work/$side/"
done

files=$(cd "$work/native" && find "Équipe バスケ" -type f | sort)
compared=0
different=0
while IFS= read -r f; do
  compared=$((compared + 1))
  if ! cmp -s "$work/native/$f" "$work/windows/$f"; then
    different=$((different + 1))
    echo "differs: $f"
  fi
done <<<"$files"
extra=$(cd "$work/windows" && find "Équipe バスケ" -type f | sort | comm -13 <(echo "$files") -)
[ -z "$extra" ] || { echo "written only by the Windows tool: $extra"; different=$((different + 1)); }
echo "$((compared - different)) passed, $different failed"
[ "$compared" -gt 100 ] && [ "$different" -eq 0 ]
