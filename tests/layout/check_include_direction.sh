#!/usr/bin/env bash
# Includes point downwards: app/ sits on top, so no other folder of src/ may include an app/ header.
# Argument: the source tree's src/ folder.
set -euo pipefail
src="$1"
offending=$(grep -rn --include='*.h' --include='*.cpp' '#include "app/' "$src" | grep -v "^$src/app/" || true)
if [[ -n "$offending" ]]; then
  echo "folders below app/ include app/ headers:"
  echo "$offending"
  exit 1
fi
echo "include direction: no folder below app/ includes an app/ header"
