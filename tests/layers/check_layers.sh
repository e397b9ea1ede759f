#!/usr/bin/env bash
# Fails when a source file includes a header of a room it may not use. The rooms stand
# in layers and each uses only the ones below it:
#
#   app/                 everything below
#   tools/  options/     docs/, skin/, platform/ and the control's public header
#   docs/                skin/, platform/ and the control's public header
#   skin/                platform/
#   platform/            nothing of ours
#
# The control (corvex/) stands apart: nothing of the program inside it, and the program
# sees only corvex/include/. The launcher and the Explorer extension use platform/ only.
# Usage: check_layers.sh [repository root]   (prints every offending include)
set -u
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 2

allowed() {  # room -> the rooms its files may include
  case "$1" in
    platform) echo "platform" ;;
    skin) echo "skin platform" ;;
    docs) echo "docs skin platform corvex/include" ;;
    tools) echo "tools docs skin platform corvex/include" ;;
    options) echo "options docs skin platform corvex/include" ;;
    app) echo "app tools options docs skin platform corvex/include" ;;
    launcher|shellext) echo "$1 platform" ;;
    corvex) echo "corvex" ;;
  esac
}

status=0
for room in platform skin docs tools options app launcher shellext corvex; do
  [ -d "$room" ] || continue
  rooms=" $(allowed "$room") "
  while IFS=: read -r file line header; do
    header="${header#*\"}"; header="${header%\"*}"
    top="${header%%/*}"
    case "$header" in corvex/include/*) top="corvex/include" ;; esac
    # Our own rooms only; system and standard headers have no folder of ours.
    case " platform skin docs tools options app launcher shellext corvex corvex/include " in
      *" $top "*) ;;
      *) continue ;;
    esac
    [ "$room" = corvex ] && [ "$top" = corvex/include ] && continue
    if [[ "$rooms" != *" $top "* ]]; then
      echo "$file:$line: $room/ may not include $header"
      status=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.rc' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]*/' "$room" \
             | sed 's/^\([^:]*\):\([0-9]*\):.*\(".*"\).*/\1:\2:\3/')
done
[ "$status" = 0 ] || echo "check_layers: includes against the direction of the layers (see the table in this script)" >&2
exit $status
