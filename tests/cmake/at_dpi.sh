#!/bin/sh
# at_dpi.sh <dpi> <wine loader> <program> [arguments...]
# Runs a test program under Wine with the screen at <dpi> dots per inch. Wine reads the
# resolution once per prefix (HKCU\Control Panel\Desktop, LogPixels), so the program runs
# in a shadow of $WINEPREFIX: its own registry files with LogPixels set, and the same
# drive C (a link). The shadow has its own wineserver and shares nothing else with the
# tests that run at 96 DPI beside it. It is made again whenever the prefix changed.
set -eu
dpi=$1
loader=$2
shift 2
base=${WINEPREFIX:?at_dpi.sh needs WINEPREFIX}
shadow="$base-dpi$dpi"
(
  flock 8
  if [ ! -f "$shadow/.made" ] || [ "$base/.update-timestamp" -nt "$shadow/.made" ]; then
    rm -rf "$shadow"
    mkdir -p "$shadow/dosdevices"
    cp "$base/.update-timestamp" "$base/system.reg" "$base/user.reg" "$base/userdef.reg" "$shadow/"
    ln -s "$base/drive_c" "$shadow/drive_c"
    ln -s ../drive_c "$shadow/dosdevices/c:"
    ln -s / "$shadow/dosdevices/z:"
    WINEPREFIX="$shadow" "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
    WINEPREFIX="$shadow" wineserver -w
    touch "$shadow/.made"
  fi
) 8>"$base-dpi$dpi.lock"
export WINEPREFIX="$shadow"
exec "$loader" "$@"
