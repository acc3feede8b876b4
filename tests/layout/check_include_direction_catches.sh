#!/usr/bin/env bash
# The include check itself: on a copy of src/ it passes, and it fails once one upward include is
# injected (a dialog including the main window) or a folder outside the order appears.
# Argument: the source tree's src/ folder.
set -euo pipefail
src="$1"
check="$(dirname "$0")/check_include_direction.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$src" "$work/src"
bash "$check" "$work/src" >/dev/null || { echo "the untouched copy fails"; exit 1; }

echo '#include "app/main_form.h"' >> "$work/src/dialogs/table_form.cpp"
if bash "$check" "$work/src" >/dev/null; then
  echo "an upward include passed"; exit 1
fi
sed -i '$d' "$work/src/dialogs/table_form.cpp"

mkdir "$work/src/elsewhere"
echo '#include "base/colour.h"' > "$work/src/elsewhere/x.cpp"
if bash "$check" "$work/src" >/dev/null; then
  echo "a folder outside the order passed"; exit 1
fi
echo "include check: an upward include and an unplaced folder are both caught"
