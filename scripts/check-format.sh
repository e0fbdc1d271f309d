#!/usr/bin/env bash
# Checks that every C++ file of src/, tests/, bench/ and fuzz/ is laid out as .clang-format
# says, and prints the non-blank line counts of src/ and tests/ with their ratio.
# With --fix, formats the files in place first.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then clang-format -i "${files[@]}"; fi

bad=0
if ! clang-format --dry-run -Werror "${files[@]}" 2>/dev/null; then
  clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):.*warning:.*/not formatted: \1 (scripts\/check-format.sh --fix)/p' | sort -u
  bad=1
fi

count() { find "$1" -name '*.cpp' -o -name '*.h' | xargs cat | grep -cv '^[[:space:]]*$'; }
src=$(count src)
tests=$(count tests)
echo "non-blank lines: src $src, tests $tests ($((100 * tests / src)) %)"
exit $bad
