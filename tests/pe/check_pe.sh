#!/usr/bin/env bash
# check_pe.sh DIST ARCH: checks the built files of a staged application folder as Windows
# will load them. ARCH is 32 or 64, the architecture of the program in DIST; the Explorer
# extension of the other architecture lies beside it (Vantrix64.dll beside a 32-bit
# program, Vantrix32.dll beside a 64-bit one).
#   - the machine of each file (i386 or amd64);
#   - the subsystem of the programs (Windows GUI);
#   - the programs are large-address aware (Characteristics bit 0x0020): the 32-bit
#     program gets addresses up to 4 GB under 64-bit Windows; its code is kept fit for
#     them by tests/layers/check_address_width.sh;
#   - every imported DLL is one that Windows 7 and later ship, or our own Corvex.dll: no
#     MinGW runtime DLL (libgcc, libstdc++, libwinpthread) that a user does not have;
#   - the extension's four COM exports, present and undecorated, in both builds;
#   - every ordinal the program imports from Corvex.dll is exported by it;
#   - the resources: the program's icons, bitmaps, string table and manifest, the
#     extension's type library, bitmap and string table, and version information in all.
# Prints one line per file and fails when any check fails.
set -uo pipefail

dist=${1:?usage: check_pe.sh DIST 32|64}
arch=${2:?usage: check_pe.sh DIST 32|64}
objdump=""
for candidate in x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump objdump; do
  command -v "$candidate" >/dev/null && { objdump=$candidate; break; }
done
[ -n "$objdump" ] || { echo "check_pe: no objdump" >&2; exit 2; }

failures=0
fail() { echo "  FAIL $1: $2"; failures=$((failures + 1)); }

# DLLs that Windows 7 and later ship in System32 (lower case).
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll comctl32.dll "
system_dlls+="comdlg32.dll ole32.dll oleaut32.dll msimg32.dll uxtheme.dll msvcrt.dll winspool.drv version.dll "

machine_of() {  # i386 or amd64
  case "$("$objdump" -f "$1" 2>/dev/null | sed -n 's/.*file format //p')" in
    pei-i386) echo i386 ;;
    pei-x86-64) echo amd64 ;;
    *) echo unknown ;;
  esac
}

# Resource types at the top of the resource tree: numbers in hex, names as they stand.
resource_types() {
  "$objdump" -p "$1" | grep -E '^0[0-9a-f]{2}   Entry: ' |
    sed -E 's/.*Entry: (name: \[[^]]*\]: ([A-Za-z_]+)|ID: 0x0*([0-9a-f]+)).*/\2\3/' | tr '\n' ' '
}

exported_names() {
  "$objdump" -p "$1" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p'
}

check_file() {  # file machine kind(program|control|extension|launcher)
  local file=$dist/$1 want=$2 kind=$3 name=$1
  if [ ! -f "$file" ]; then fail "$name" "missing"; return; fi
  local got; got=$(machine_of "$file")
  [ "$got" = "$want" ] || fail "$name" "machine $got, not $want"
  local dump; dump=$("$objdump" -p "$file")
  if [ "$kind" = program ] || [ "$kind" = launcher ]; then
    grep -qE 'Subsystem\s+00000002' <<<"$dump" || fail "$name" "not a Windows GUI program"
    local characteristics
    characteristics=$(sed -n 's/^Characteristics 0x\([0-9a-fA-F]*\)$/\1/p' <<<"$dump" | head -1)
    if [ -z "$characteristics" ]; then
      fail "$name" "no Characteristics in its file header"
    elif (( (16#$characteristics & 0x0020) == 0 )); then
      fail "$name" "not large-address aware (Characteristics 0x$characteristics)"
    fi
  fi
  local dll
  while read -r dll; do
    [ -n "$dll" ] || continue
    local lower=${dll,,}
    [ "$lower" = corvex.dll ] && [ "$kind" = program ] && continue
    [[ "$system_dlls" == *" $lower "* ]] || fail "$name" "imports $dll, which Windows does not ship"
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
  local types; types=" $(resource_types "$file")"
  [[ "$types" == *" 10 "* ]] || fail "$name" "no version information"
  case "$kind" in
    program)
      for type in 3 e 2 6 18; do  # icon, icon group, bitmap, strings, manifest
        [[ "$types" == *" $type "* ]] || fail "$name" "no resource of type 0x$type"
      done ;;
    extension)
      for type in TYPELIB 2 6; do
        [[ "$types" == *" $type "* ]] || fail "$name" "no resource of type $type"
      done
      local exports; exports=$(exported_names "$file" | sort | tr '\n' ' ')
      [ "$exports" = "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer " ] ||
        fail "$name" "exports '$exports', not the four COM entry points undecorated" ;;
  esac
  echo "  $name: $got${types:+, resources$types}"
}

# Every ordinal that the program imports from the control is one the control exports.
check_control_ordinals() {
  local imported exported missing=""
  local entry
  # An import by ordinal is an entry with the top bit set and the ordinal in its low word
  # (objdump's own ordinal column is decimal for one machine and hex for the other).
  imported=$("$objdump" -p "$dist/Quillet.exe" | sed -n '/DLL Name: Corvex.dll/,/^$/p' |
             awk 'NR > 2 && NF >= 2 { print $1 }' | while read -r entry; do echo $((16#$entry & 0xFFFF)); done | sort -n)
  exported=$("$objdump" -p "$dist/Corvex.dll" | sed -n 's/^\s*\[ *[0-9]*\] +base\[ *\([0-9]*\)\].*/\1/p' | sort -n)
  [ -n "$imported" ] || { fail Quillet.exe "imports nothing of Corvex.dll"; return; }
  local ordinal
  for ordinal in $imported; do
    grep -qx "$ordinal" <<<"$exported" || missing+=" $ordinal"
  done
  [ -z "$missing" ] || fail Corvex.dll "does not export the ordinals$missing that Quillet.exe imports"
}

if [ "$arch" = 32 ]; then own=i386 other=amd64 companion=Vantrix64.dll; else own=amd64 other=i386 companion=Vantrix32.dll; fi
echo "check_pe: $dist ($arch-bit)"
check_file Quillet.exe "$own" program
check_file Corvex.dll "$own" control
check_file Lanchet.exe "$own" launcher
check_file Vantrix.dll "$own" extension
check_file "$companion" "$other" extension
[ -f "$dist/Quillet.exe" ] && [ -f "$dist/Corvex.dll" ] && check_control_ordinals
if [ "$failures" -gt 0 ]; then echo "check_pe: $failures failure(s)"; exit 1; fi
echo "check_pe: all checks passed"
