#!/usr/bin/env bash
# Fails when product code uses a narrow (ANSI) Win32 name without saying why. The program's
# windows and files are Unicode; a narrow function, message, structure or constant stays
# only where a stored format (Config.ini, skin.ini, the control's LOGFONTA settings) or a
# peer (the shell's narrow record, Explorer asking for narrow text) needs it, and the line
# itself or the comment line above it says which.
# A name counts as narrow when it ends in A and the Windows headers also have it ending in
# W (SendMessageA, MAKEINTRESOURCEA, TB_ADDBUTTONSA, LOGFONTA, DefWindowProcA used as a
# value ...).
# Usage: check_narrow_calls.sh [repository root] [--count]
#   prints every narrow name without its reason; with --count, also the narrow uses that
#   carry one.
set -u
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 2
headers=""
for candidate in /usr/share/mingw-w64/include /usr/x86_64-w64-mingw32/include /usr/i686-w64-mingw32/include; do
  [ -e "$candidate/windows.h" ] && { headers="$candidate"; break; }
done
if [ -z "$headers" ]; then
  echo "narrow-call check: no MinGW-w64 headers found" >&2
  exit 2
fi
wide_names=$(mktemp)
found=$(mktemp)
trap 'rm -f "$wide_names" "$found"' EXIT
grep -ohE '\b[A-Za-z_][A-Za-z0-9_]*W\b' "$headers"/*.h | sort -u > "$wide_names"
find platform skin docs tools options app corvex shellext launcher -name '*.cpp' -o -name '*.h' | sort |
  while IFS= read -r file; do
    awk -v file="$file" '
      FNR == 1 && NR != 1 { previous = "" }
      NR == FNR { wide[$0] = 1; next }
      {
        line = $0
        code = line
        sub(/\/\/.*/, "", code)
        gsub(/"([^"\\]|\\.)*"/, "\"\"", code)
        narrow = ""
        rest = code
        while (match(rest, /[A-Za-z_][A-Za-z0-9_]*A([^A-Za-z0-9_]|$)/)) {
          token = substr(rest, RSTART, RLENGTH)
          sub(/[^A-Za-z0-9_]$/, "", token)
          if ((substr(token, 1, length(token) - 1) "W") in wide)
            narrow = narrow " " token
          rest = substr(rest, RSTART + RLENGTH - 1)
          if (rest == substr(rest, 1, 0)) break
        }
        if (narrow != "") {
          explained = (line ~ /\/\//) || (previous ~ /^[[:space:]]*\/\//)
          printf "%s\t%s:%d:%s: %s\n", (explained ? "ok" : "missing"), file, FNR, narrow, line
        }
        previous = line
      }' "$wide_names" "$file"
  done > "$found"
grep '^missing' "$found" | cut -f2- | sed 's/^/narrow name without its reason: /'
if [ "${2:-}" = "--count" ]; then
  echo "narrow uses with their reason: $(grep -c '^ok' "$found")"
  grep '^ok' "$found" | cut -f2-
fi
! grep -q '^missing' "$found"
