#!/usr/bin/env bash
# Fails when a translation file lacks a translation for a string of the sources (unfinished)
# or keeps one the sources no longer have (vanished, obsolete). lupdate reads the sources as
# the build's update_translations target does (same project, so the same contexts) and
# updates copies, so the checked-in files stay as they are.
# Usage: check_translations.sh LUPDATE GENERATE_PROJECT_SCRIPT PROJECT_CMAKE_FILE FILE.ts...
set -euo pipefail
lupdate=$1
generate=$2
project_in=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake -DIN_FILE="$project_in" -DOUT_FILE="$scratch/project.json" -P "$generate"
status=0
for ts in "$@"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -project "$scratch/project.json" -locations none -ts "$copy" 2>/dev/null
  if grep -q -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$(basename "$ts"): strings to translate or remove" \
         "(cmake --build build --target update_translations, then translate):" >&2
    grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<source>' >&2 || true
    status=1
  fi
done
exit $status
