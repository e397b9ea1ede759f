#!/usr/bin/env bash
# The narrow-call check on small made-up files: a narrow Win32 name passes only with its
# reason beside it or on the comment line above; wide names and our own names ending in A
# always pass. Run by the native test build.
set -u
check="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/check_narrow_calls.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect <pass|fail> <source lines...>
expect() {
  local want=$1
  shift
  rm -rf "${tree:?}"/*
  mkdir -p "$tree/app"
  printf '%s\n' "$@" >"$tree/app/a.cpp"
  if bash "$check" "$tree" >/dev/null 2>&1; then got=pass; else got=fail; fi
  if [ "$got" != "$want" ]; then
    echo "expected $want, got $got: $*"
    failures=$((failures + 1))
  fi
}

expect pass 'SendMessageW(window, WM_SETTEXT, 0, text);'
expect pass 'int DrawA(); int x = DrawA();' 'const char* kDATA = "SendMessageA(";'
expect fail 'SendMessageA(window, WM_SETTEXT, 0, text);'
expect fail 'wc.lpfnWndProc = DefWindowProcA;'
expect fail 'LOGFONTA font{};'
expect fail 'LoadImageW(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0, 0);'
expect fail 'lstrcmpA(a, b);'
expect fail 'SendMessageW(bar, TB_ADDBUTTONSA, 1, buttons);'
expect pass 'GetPrivateProfileStringA(s, k, "", b, n, p); // Config.ini stores ANSI bytes'
expect pass '// Config.ini stores ANSI bytes.' 'GetPrivateProfileStringA(s, k, "", b, n, p);'
expect fail '// Config.ini stores ANSI bytes.' 'int x = 0;' 'GetPrivateProfileStringA(s, k, "", b, n, p);'

[ "$failures" = 0 ] && echo "narrow-call check: all cases as expected"
exit $((failures > 0))
