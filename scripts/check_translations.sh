#!/usr/bin/env bash
# Fails when a translation file lacks a translation for a string of the sources (unfinished)
# or keeps one the sources no longer have (vanished, obsolete): lupdate runs on copies of the
# files, so the checked-in ones stay as they are.
# Usage: check_translations.sh LUPDATE SOURCE_DIR FILE.ts...
set -euo pipefail
lupdate=$1
sources=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -recursive "$sources" -ts "$copy"
  if grep -q -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$(basename "$ts"): entries to translate or remove (run: cmake --build build --target update_translations):" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<source>' >&2 || true
    status=1
  fi
done
exit $status
