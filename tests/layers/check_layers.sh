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
# sees only corvex/include/. Its engine (corvex/engine/) builds without Windows and uses
# nothing of the control outside it; the session's companions (corvex/session/) use only
# the engine and the other Windows-free parts (lex/, search/, formats/). The launcher and the Explorer extension use
# platform/ only.
#
# Our headers are included by their path from the repository root, in quotes: never with
# "../", never in angle brackets. Only headers, sources and resource scripts include.
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
ours=" platform skin docs tools options app launcher shellext corvex corvex/include corvex/engine "
offend() { echo "$1"; status=1; }
for room in platform skin docs tools options app launcher shellext corvex; do
  [ -d "$room" ] || continue
  rooms=" $(allowed "$room") "
  while IFS=: read -r file line text; do
    case "$file" in
      *.h|*.cpp|*.rc|*.rc.in) ;;
      *) offend "$file:$line: only headers, sources and resource scripts include: $text"; continue ;;
    esac
    if [[ "$text" =~ \<([a-z_]+)/ ]] && [[ "$ours" == *" ${BASH_REMATCH[1]} "* ]]; then
      offend "$file:$line: our headers are included in quotes: $text"
      continue
    fi
    [[ "$text" =~ \"([^\"]*)\" ]] || continue
    header="${BASH_REMATCH[1]}"
    case "$header" in
      ../*|*/../*|./*) offend "$file:$line: included by its path from the root, not with ../ or ./: $header"; continue ;;
    esac
    top="${header%%/*}"
    [ "$top" = "$header" ] && continue  # beside the file (a resource script's ids)
    case "$header" in corvex/include/*) top="corvex/include" ;; corvex/engine/*) top="corvex/engine" ;; esac
    # Our own rooms only; system and standard headers have no folder of ours.
    [[ "$ours" == *" $top "* ]] || continue
    case "$file" in
      corvex/engine/*)
        [ "$top" = corvex/engine ] || offend "$file:$line: corvex/engine/ may not include $header"
        continue ;;
      corvex/session/*)
        case "$header" in
          corvex/engine/*|corvex/lex/*|corvex/search/*|corvex/formats/*|corvex/session/*) ;;
          *) offend "$file:$line: corvex/session/ may not include $header" ;;
        esac
        continue ;;
    esac
    [ "$room" = corvex ] && [[ "$top" == corvex/* ]] && continue
    [ "$top" = corvex/engine ] && top=corvex
    if [[ "$rooms" != *" $top "* ]]; then
      offend "$file:$line: $room/ may not include $header"
    fi
  done < <(grep -rnI '^[[:space:]]*#[[:space:]]*include' "$room")
done
[ "$status" = 0 ] || echo "check_layers: includes against the direction of the layers (see the table in this script)" >&2
exit $status
