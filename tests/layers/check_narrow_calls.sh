#!/usr/bin/env bash
# Fails when product code calls a narrow (ANSI) Win32 function without saying why. The
# program's windows and files are Unicode; a narrow call stays only where a stored format
# (Config.ini, skin.ini, the control's LOGFONTA settings) or a peer (an older launcher,
# Explorer asking for narrow text) needs it, and the line itself or the line above it
# carries a comment that says which.
# Usage: check_narrow_calls.sh [repository root] [--count]
#   prints every narrow call without such a comment; with --count, also how many narrow
#   calls there are with their reasons.
set -u
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 2
# A Win32 name ending in A before its parenthesis (SendMessageA(, MAKEINTRESOURCEA( ...),
# but none of our own names that happen to end in A.
pattern='(^|[^A-Za-z0-9_])[A-Z][A-Za-z0-9_]*[a-z0-9]A[[:space:]]*\('
ours='(^|[^A-Za-z0-9_])(TEXT|DATA)[[:space:]]*\('
offending=0
counted=0
while IFS= read -r file; do
  awk -v file="$file" -v pattern="$pattern" -v ours="$ours" '
    function code(line) { sub(/\/\/.*/, "", line); return line }
    {
      line = $0
      if (code(line) ~ pattern && code(line) !~ ours) {
        explained = (line ~ /\/\//) || (previous ~ /^[[:space:]]*\/\//)
        printf "%s\t%s:%d: %s\n", (explained ? "ok" : "missing"), file, FNR, line
      }
      previous = line
    }' "$file"
done < <(find platform skin docs tools options app corvex shellext launcher \
              -name '*.cpp' -o -name '*.h' | sort) > /tmp/narrow_calls.$$
counted=$(grep -c '^ok' /tmp/narrow_calls.$$ || true)
offending=$(grep -c '^missing' /tmp/narrow_calls.$$ || true)
grep '^missing' /tmp/narrow_calls.$$ | cut -f2- | sed 's/^/narrow call without its reason: /'
if [ "${2:-}" = "--count" ]; then
  echo "narrow calls with their reason: $counted"
  grep '^ok' /tmp/narrow_calls.$$ | cut -f2-
fi
rm -f /tmp/narrow_calls.$$
[ "$offending" -eq 0 ]
