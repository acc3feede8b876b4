#!/usr/bin/env bash
# Includes point downwards through the folders of src/, in this order (a folder may include its own
# headers and those of any folder of a lower rank; folders of one rank do not include each other):
#   base < editor < core < imaging < widgets < files, dialogs < commands, css, tools < app
# A folder missing from the order fails too, so a new folder has to be placed in it.
# Argument: the source tree's src/ folder.
set -euo pipefail
src="$1"
declare -A rank=([base]=0 [editor]=1 [core]=2 [imaging]=3 [widgets]=4 [files]=5 [dialogs]=5
                 [commands]=6 [css]=6 [tools]=6 [app]=7)

failures=()
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [[ -z "${rank[$folder]+set}" ]]; then
    failures+=("src/$folder is not placed in the include order")
    continue
  fi
  while IFS= read -r hit; do
    [[ -z "$hit" ]] && continue
    target=${hit#*#include \"}
    target=${target%%/*}
    [[ "$target" == "$folder" ]] && continue
    if [[ -z "${rank[$target]+set}" ]] || (( rank[$target] >= rank[$folder] )); then
      failures+=("${hit#"$src"/}")
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' -E '#include "[a-z_]+/' "$dir" || true)
done

if (( ${#failures[@]} > 0 )); then
  echo "includes that point up or sideways:"
  printf '  %s\n' "${failures[@]}"
  exit 1
fi
echo "include direction: every folder includes only folders below it"
