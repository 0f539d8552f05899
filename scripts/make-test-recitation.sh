#!/usr/bin/env bash
# Makes a small synthetic recitation for tests in OUTDIR/synthetic/: audioinit.ini (section
# "offline", URL = that folder) and short spoken MP3s for every aya of suras 1, 9 and 114,
# ayat 1-5 of sura 2, and the four formula recordings. No recitation ships with the reader,
# so this is never written below res/audio/. Files that exist are kept: a second run is quick.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
folder=$(realpath -m "$1/synthetic")
if [[ $folder == */res/audio/* ]]; then
  echo "$0: refusing to write a test recitation into the shipped data ($folder)" >&2
  exit 2
fi
mkdir -p "$folder"
for tool in espeak-ng lame; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One clip per kind of recording, spoken once and copied to every file of that kind.
clip() {
  local name=$1 words=$2
  if [[ ! -f $work/$name.mp3 ]]; then
    espeak-ng -s 220 -w "$work/$name.wav" "$words"
    lame --quiet -b 32 "$work/$name.wav" "$work/$name.mp3"
  fi
  echo "$work/$name.mp3"
}

# Copies through a temporary name, so that an interrupted run leaves no half file to skip.
place() {
  local source=$1 target=$2
  [[ -f $target ]] && return
  mkdir -p "$(dirname "$target")"
  cp "$source" "$target.part"
  mv "$target.part" "$target"
}

for formula in audhubillah bismillah bismillah2 sadaghallah; do
  place "$(clip formula 'three')" "$folder/$formula.mp3"
done

declare -A last_aya=([1]=7 [2]=5 [9]=129 [114]=6)
for sura in 1 2 9 114; do
  sura3=$(printf '%03d' "$sura")
  for ((aya = 1; aya <= last_aya[$sura]; aya++)); do
    place "$(clip aya 'one two')" "$folder/$sura3/$sura3$(printf '%03d' "$aya").mp3"
  done
done

printf '[offline]\r\nURL=%s/\r\n' "$folder" > "$work/audioinit.ini"
if ! cmp -s "$work/audioinit.ini" "$folder/audioinit.ini"; then
  mv "$work/audioinit.ini" "$folder/audioinit.ini"
fi
