#!/usr/bin/env bash
# The layer check on small made-up trees: it passes includes that go down and fails each
# kind that goes against the direction. Run by the native test build.
set -u
check="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect <pass|fail> <file> <include line>
expect() {
  rm -rf "$tree"/*
  mkdir -p "$tree/$(dirname "$2")"
  printf '%s\n#include <windows.h>\n#include "%s/own.h"\n' "$3" "$(dirname "$2")" >"$tree/$2"
  if bash "$check" "$tree" >/dev/null 2>&1; then got=pass; else got=fail; fi
  if [ "$got" != "$1" ]; then
    echo "expected $1, got $got: $2 with $3"
    failures=$((failures + 1))
  fi
}

expect pass app/a.cpp '#include "tools/tool_windows.h"'
expect pass app/a.cpp '#include "corvex/include/corvex.h"'
expect pass docs/a.cpp '#include "skin/skin_parts.h"'
expect pass options/a.cpp '#include "docs/documents.h"'
expect pass skin/a.h '#include "platform/subclass.h"'
expect pass corvex/a.cpp '#include "corvex/engine/text_buffer.h"'
expect fail skin/a.cpp '#include "app/main_window.h"'
expect fail skin/a.cpp '#include "docs/documents.h"'
expect fail docs/a.cpp '#include "app/menus.h"'
expect fail docs/a.cpp '#include "tools/tool_windows.h"'
expect fail docs/a.cpp '#include "corvex/engine/text_buffer.h"'
expect fail tools/a.cpp '#include "options/options_dialog.h"'
expect fail options/a.cpp '#include "tools/tool_windows.h"'
expect fail platform/a.h '#include "skin/skin_types.h"'
expect fail corvex/a.cpp '#include "platform/config.h"'
expect fail launcher/a.cpp '#include "docs/documents.h"'
expect fail skin/a.cpp '  #  include "app/main_window.h"'
expect pass corvex/engine/a.cpp '#include "corvex/engine/text_buffer.h"'
expect pass app/quillet.rc '#include "resource_ids.h"'
expect fail app/a.cpp '#include "../docs/documents.h"'
expect fail docs/a.cpp '#include "docs/../app/menus.h"'
expect fail docs/a.cpp '#include <app/menus.h>'
expect fail skin/a.cpp '#include <platform/subclass.h>'
expect fail docs/a.inl '#include "skin/skin_parts.h"'
expect fail docs/a.ipp '#include "skin/skin_parts.h"'
expect fail corvex/engine/a.cpp '#include "corvex/view_layout.h"'
expect fail corvex/engine/a.h '#include "corvex/include/corvex.h"'
expect fail corvex/engine/a.cpp '#include "corvex/session/macro_recorder.h"'
expect pass corvex/session/a.cpp '#include "corvex/search/text_search.h"'
expect fail corvex/session/a.cpp '#include "corvex/editor.h"'
expect fail corvex/session/a.h '#include "corvex/dialogs/dialog_host.h"'

[ "$failures" = 0 ] && echo "layer check: all cases as expected"
exit $((failures > 0))
