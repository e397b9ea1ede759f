#!/usr/bin/env bash
# Regenerates the program's icons with ImageMagick. Each .ico holds the small and the large
# icon at 100 %, 125 %, 150 % and 200 %: 16, 20, 24 and 32 pixels, and 32, 40 and 48.
#   quillet.ico  program window and tray icon
#   saved.ico    status line: the document is saved
#   unsaved.ico  status line: the document has unsaved changes
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

page() { # size file: a blue rounded tile with a white page and a quill stroke
  local s=$1 f=$2 r=$((s/6)) m=$((s/5))
  convert -size ${s}x${s} xc:none \
    -fill '#1f5fbf' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \
    -fill '#3d86e8' -draw "roundrectangle 1,1 $((s-2)),$((s/2)) $r,$r" \
    -fill white -draw "rectangle $m,$((m-1)) $((s-m)),$((s-m+1))" \
    -stroke '#1f5fbf' -strokewidth $((s/16+1)) \
    -draw "line $((m+2)),$((s/2-1)) $((s-m-2)),$((s/2-1))" \
    -draw "line $((m+2)),$((s/2+s/8)) $((s-m-3)),$((s/2+s/8))" \
    -stroke '#f0a020' -strokewidth $((s/10+1)) \
    -draw "line $((s-m+1)),$((m-2)) $((s/2)),$((s/2+s/5))" "$f"
}
badge() { # size colour glyph file
  local s=$1 c=$2 g=$3 f=$4
  convert -size ${s}x${s} xc:none \
    -fill "$c" -draw "circle $((s/2)),$((s/2)) $((s/2)),1" \
    -stroke white -strokewidth $((s/8+1)) -fill none -draw "$g" "$f"
}
sizes="16 20 24 32 40 48"
for s in $sizes; do
  page $s "$tmp/q$s.png"
  badge $s '#2e9d4a' "polyline $((s/4)),$((s/2)) $((s*7/16)),$((s*11/16)) $((s*3/4)),$((s*5/16))" "$tmp/s$s.png"
  badge $s '#d9482b' "line $((s/2)),$((s/4)) $((s/2)),$((s*9/16)) line $((s/2)),$((s*11/16)) $((s/2)),$((s*3/4))" "$tmp/u$s.png"
done
images() { for s in $sizes; do echo "$tmp/$1$s.png"; done; }
convert $(images q) quillet.ico
convert $(images s) saved.ico
convert $(images u) unsaved.ico
