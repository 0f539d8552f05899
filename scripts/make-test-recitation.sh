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
staging="$folder/.staging.$$"
trap 'rm -rf "$work" "$staging"' EXIT

# One clip per kind of recording, spoken once and copied to every file of that kind.
clip() {
  espeak-ng -s 220 -w "$work/$1.wav" "$2"
  lame --quiet -b 32 "$work/$1.wav" "$work/$1.mp3"
}

formulas=()
for formula in audhubillah bismillah bismillah2 sadaghallah; do
  [[ -f $folder/$formula.mp3 ]] || formulas+=("$staging/$formula.mp3")
done
ayat=()
declare -A last_aya=([1]=7 [2]=5 [9]=129 [114]=6)
for sura in 1 2 9 114; do
  printf -v sura3 '%03d' "$sura"
  mkdir -p "$staging/$sura3"
  for ((aya = 1; aya <= last_aya[$sura]; aya++)); do
    printf -v name '%s/%s%03d.mp3' "$sura3" "$sura3" "$aya"
    [[ -f $folder/$name ]] || ayat+=("$staging/$name")
  done
done
if ((${#formulas[@]})); then
  clip formula 'three'
  tee "${formulas[@]}" < "$work/formula.mp3" > /dev/null
fi
if ((${#ayat[@]})); then
  clip aya 'one two'
  tee "${ayat[@]}" < "$work/aya.mp3" > /dev/null
fi
# The staged files are complete; hard links put each in place at once, so an interrupted run
# leaves no half file behind that a later run would keep.
cp -R --link --no-clobber "$staging/." "$folder/"

printf '[offline]\r\nURL=%s/\r\n' "$folder" > "$work/audioinit.ini"
if ! cmp -s "$work/audioinit.ini" "$folder/audioinit.ini"; then
  mv "$work/audioinit.ini" "$folder/audioinit.ini"
fi
