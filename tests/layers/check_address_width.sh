#!/usr/bin/env bash
# Fails when product code handles an address in a way that breaks above 2 GB. The 32-bit
# program is linked large-address aware: under 64-bit Windows it gets addresses up to
# 4 GB, whose top bit is set. An address that goes through a signed 32-bit type, is
# widened from one (and so sign-extended), is compared as a signed number, or is kept in
# a window slot of 32 bits, turns negative or wrong there; a difference of pointers into
# a block of more than 2 GB overflows an int. The 64-bit build already refuses a pointer
# cast straight to a narrower integer; this check finds the ways round that.
#
# Statements (lines joined up to ; { } or a case label), without comments and literals,
# are matched against these patterns:
#   reinterpret-integer  reinterpret_cast to an integer type that is not pointer-sized
#   c-cast-integer       a C-style cast to an integer type (static_cast says what it means,
#                        and the compiler refuses it for a pointer)
#   narrowed-address     static_cast to a 32-bit or 64-bit integer of a whole lParam, or of
#                        a value that is an address as an integer (a reinterpret_cast, a
#                        cast to a *_PTR type or intptr_t, Get{Window,Class}LongPtr, GetProp)
#   narrow-variable      a 32-bit variable initialised with a whole lParam or wParam
#   window-long          Get/SetWindowLong or Get/SetClassLong (not ...Ptr) at an index
#                        other than the style, extended style, identifier or atom; and the
#                        32-bit index names of address slots (GWL_USERDATA, DWL_USER ...)
#   signed-compare       lParam compared (< > <= >=), or an address cast to a signed
#                        pointer-sized type (INT_PTR, LONG_PTR, LPARAM, intptr_t) and compared
#   narrowed-difference  a difference of pointers or iterators (of data(), begin(), end(),
#                        std::find, strchr ...) cast to or kept in a 32-bit integer
#   top-bit              a 2 GB bound (0x80000000, 0x7FFFFFFF, INT_MAX) beside an address
# A statement that matches and is right nevertheless says why in a comment that starts
# with "above 2 GB:", on one of its lines or in the comment lines just above it.
# Usage: check_address_width.sh [repository root] [--count]
#   prints every match without its reason; with --count, also how many there are of each
#   pattern and the matches that carry a reason.
set -u
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 2
found=$(mktemp)
trap 'rm -f "$found"' EXIT
kinds="reinterpret-integer c-cast-integer narrowed-address narrow-variable window-long signed-compare
       narrowed-difference top-bit"

rooms=()
for room in platform skin docs tools options app corvex shellext launcher; do
  [ -d "$room" ] && rooms+=("$room")
done
[ ${#rooms[@]} -gt 0 ] || { echo "address-width check: no sources under $root" >&2; exit 2; }
find "${rooms[@]}" \( -name '*.cpp' -o -name '*.h' \) | sort |
  while IFS= read -r file; do
    awk -v file="$file" '
      BEGIN {
        w = "[A-Za-z0-9_]"; nw = "[^A-Za-z0-9_]"; sp = "[[:space:]]*"
        n32 = "(unsigned|signed|int|long|short|char|bool|BOOL|BYTE|WORD|DWORD|UINT|INT|LONG|ULONG|USHORT|SHORT|" \
              "COLORREF|ATOM|(std::)?u?int(8|16|32)_t)"
        narrow = n32 "([[:space:]]+" n32 ")*"
        n64 = "(__int64|LONGLONG|ULONGLONG|LONG64|ULONG64|INT64|UINT64|DWORD64|(std::)?u?int64_t)"
        integer = "(" narrow "|" n64 ")"
        signedPointer = "(INT_PTR|LONG_PTR|LPARAM|LRESULT|SSIZE_T|(std::)?intptr_t|(std::)?ptrdiff_t)"
        relation = "^" sp "(<|>|<=|>=)[[:space:]]"
        relationBefore = "[[:space:]](<|>|<=|>=)" sp "$"
        asAddress = "^" sp "(reinterpret_cast" sp "<|static_cast" sp "<" sp "([A-Z_]*_PTR|(std::)?u?intptr_t)" sp ">|" \
                    "\\(" sp "([A-Z_]*_PTR|(std::)?u?intptr_t)" sp "\\)|Get(Window|Class)LongPtr[AW]?" sp "\\(|" \
                    "GetProp[AW]?" sp "\\()"
        producer = "(\\.(data|c_str|begin|end|cbegin|cend|rbegin|rend)" sp "\\(" sp "\\)|std::(find|find_if|" \
                   "find_if_not|search|lower_bound|upper_bound|partition_point|mismatch|adjacent_find|min_element|" \
                   "max_element|distance)" nw "|(^|" nw ")(str|wcs|mem|wmem)r?chr" nw ")"
        addressy = "(reinterpret_cast|_PTR" nw "|intptr_t|" nw "(lParam|wParam)" nw ")"
        inBlock = 0; statement = ""; first = 0; explained = 0; commentAbove = 0
      }
      # The index of the ")" that closes the "(" at `opener` in s; 0 when it is not closed.
      function closing(s, opener,   depth, i, c) {
        depth = 0
        for (i = opener; i <= length(s); i++) {
          c = substr(s, i, 1)
          if (c == "(") depth++
          else if (c == ")" && --depth == 0) return i
        }
        return 0
      }
      # Whether `e` has a binary minus outside its parentheses.
      function outerMinus(e,   depth, i, c) {
        depth = 0
        for (i = 2; i < length(e); i++) {
          c = substr(e, i, 1)
          if (c == "(" || c == "[") depth++
          else if (c == ")" || c == "]") depth--
          else if (c == "-" && depth == 0 && substr(e, i - 1, 1) ~ /[[:space:]]/ && substr(e, i + 1, 1) ~ /[[:space:]]/)
            return 1
        }
        return 0
      }
      # Runs `test` on each cast of the form head( ... ) in s: 1 when one passes.
      #   "handle": its argument is a whole lParam or an address as an integer;
      #   "difference": its argument is a difference of pointers or iterators;
      #   "compare": it is compared as a number.
      function casts(s, head, test,   rest, offset, opener, closer, argument, before, after) {
        rest = s; offset = 0
        while (match(rest, head)) {
          opener = offset + RSTART + RLENGTH - 1
          closer = closing(s, opener)
          if (!closer) return 0
          argument = substr(s, opener + 1, closer - opener - 1)
          before = substr(s, 1, offset + RSTART - 1); after = substr(s, closer + 1)
          if (test == "handle" && (argument ~ ("^" sp "lParam" sp "$") || argument ~ asAddress)) return 1
          if (test == "difference" && argument ~ producer && outerMinus(argument)) return 1
          if (test == "compare" && (after ~ relation || before ~ relationBefore)) return 1
          offset = opener; rest = substr(s, opener + 1)
        }
        return 0
      }
      # Whether a 32-bit variable is initialised with a difference of pointers or iterators.
      function narrowDifference(s,   rest, start, depth, i, c, e) {
        rest = s
        while (match(rest, ("(^|[^A-Za-z0-9_:])" narrow "[[:space:]]+[A-Za-z_][A-Za-z0-9_]*" sp "=[^=]"))) {
          start = RSTART + RLENGTH - 1
          e = ""; depth = 0
          for (i = start; i <= length(rest); i++) {
            c = substr(rest, i, 1)
            if (c == "(") depth++
            else if (c == ")") { if (--depth < 0) break }
            else if ((c == ";" || c == ",") && depth == 0) break
            e = e c
          }
          if (e ~ producer && outerMinus(" " e " ")) return 1
          rest = substr(rest, start + 1)
        }
        return 0
      }
      function flush(   s, found) {
        if (statement == "") return
        s = " " statement " "
        found = ""
        if (s ~ ("reinterpret_cast" sp "<" sp "(const[[:space:]]+)?" integer sp ">")) found = found " reinterpret-integer"
        if (s ~ (nw "\\(" sp "(const[[:space:]]+)?" integer sp "\\)" sp "[A-Za-z_(&*]") &&
            s !~ ("\\(" sp integer sp "\\)" sp "(const|override|noexcept|final|volatile|throw)" nw))
          found = found " c-cast-integer"
        if (casts(s, ("static_cast" sp "<" sp integer sp ">" sp "\\("), "handle")) found = found " narrowed-address"
        if (s ~ ("[^A-Za-z0-9_:]" narrow "[[:space:]]+[A-Za-z_][A-Za-z0-9_]*" sp "=" sp "(lParam|wParam)" sp "[;,)]"))
          found = found " narrow-variable"
        if ((s ~ (nw "(Set|Get)(Window|Class)Long[AW]?" sp "\\(") &&
             s !~ ("(GWL_STYLE|GWL_EXSTYLE|GWL_ID|GCL_STYLE|GCL_CBWNDEXTRA|GCL_CBCLSEXTRA|GCW_ATOM)" nw)) ||
            s ~ (nw "(GWL_(WNDPROC|HINSTANCE|HWNDPARENT|USERDATA)|DWL_(DLGPROC|MSGRESULT|USER)|" \
                 "GCL_(MENUNAME|HBRBACKGROUND|HCURSOR|HICON|HICONSM|HMODULE|WNDPROC))" nw))
          found = found " window-long"
        if (s ~ (nw "lParam[[:space:]]+(<|>|<=|>=)[[:space:]]") || s ~ ("[[:space:]](<|>|<=|>=)[[:space:]]+lParam" nw) ||
            casts(s, ("reinterpret_cast" sp "<" sp signedPointer sp ">" sp "\\("), "compare") ||
            casts(s, ("\\(" sp signedPointer sp "\\)" sp "\\("), "compare"))
          found = found " signed-compare"
        if (casts(s, ("static_cast" sp "<" sp narrow sp ">" sp "\\("), "difference") || narrowDifference(s))
          found = found " narrowed-difference"
        if (s ~ "(0[xX]80000000|0[xX]7[fF][fF][fF][fF][fF][fF][fF]|2147483647|INT_MAX|LONG_MAX|INT32_MAX)" && s ~ addressy)
          found = found " top-bit"
        if (found != "")
          printf "%s\t%s:%d:%s: %s\n", (explained ? "ok" : "missing"), file, first, found, firstText
        statement = ""
      }
      {
        raw = $0
        code = raw
        # Block comments, also over several lines.
        if (inBlock) {
          if (index(code, "*/")) { code = substr(code, index(code, "*/") + 2); inBlock = 0 } else code = ""
        }
        while (match(code, /\/\*/)) {
          rest = substr(code, RSTART + 2)
          if (index(rest, "*/")) code = substr(code, 1, RSTART - 1) " " substr(rest, index(rest, "*/") + 2)
          else { code = substr(code, 1, RSTART - 1); inBlock = 1 }
        }
        gsub(/"([^"\\]|\\.)*"/, "\"\"", code)
        gsub(/'\''([^'\''\\]|\\.)*'\''/, "0", code)
        marker = (raw ~ /\/\/.*above 2 GB:/)
        sub(/\/\/.*/, "", code)
        if (code ~ /^[[:space:]]*#/) code = ""  # preprocessor lines
        if (code ~ /^[[:space:]]*$/) {
          # A comment line (or a blank one): the comment lines just above a statement may
          # give its reason.
          if (statement != "") explained = explained || marker
          else if (raw ~ /^[[:space:]]*\/\//) commentAbove = commentAbove || marker
          else commentAbove = 0
          next
        }
        # A case label or an access specifier stands alone.
        if (code ~ /^[[:space:]]*(case[^A-Za-z0-9_].*|default|public|protected|private)[[:space:]]*:[[:space:]]*$/) {
          flush(); commentAbove = 0
          next
        }
        if (statement == "") { first = FNR; firstText = raw; explained = commentAbove; commentAbove = 0 }
        statement = statement " " code
        explained = explained || marker
        if (code ~ /[;{}]/) flush()
      }
      END { flush() }' "$file" ||
      printf 'missing\t%s: the check could not read this file\n' "$file"
  done > "$found"
grep '^missing' "$found" | cut -f2- | sed 's/^/address handled in a way that breaks above 2 GB: /'
if [ "${2:-}" = "--count" ]; then
  for kind in $kinds; do
    echo "$kind: $(cut -f2- "$found" | grep -c "^[^:]*:[0-9]*:[^:]* $kind[ :]") matches" \
         "($(grep '^ok' "$found" | cut -f2- | grep -c "^[^:]*:[0-9]*:[^:]* $kind[ :]") with their reason)"
  done
  echo "matches with their reason: $(grep -c '^ok' "$found")"
  grep '^ok' "$found" | cut -f2-
fi
! grep -q '^missing' "$found"
